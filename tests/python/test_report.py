"""The report folder: its files, escaping of hostile names, provenance, the
command line, and the pages as a headless browser shows them."""
from __future__ import annotations

import hashlib
import html.parser
import json
import os
import re
import signal
import subprocess
import sys
import warnings
import xml.etree.ElementTree as ET
from pathlib import Path
from typing import Any

import headless_browser as browser
import pandas as pd
import pytest

import varenkopy
from varenkopy import _files
from varenkopy.cli import main

pytest.importorskip("matplotlib")
pytest.importorskip("jinja2")
pytest.importorskip("varenkopy.pl")

RANKING = Path(__file__).resolve().parents[2] / "examples" / "data" / \
    "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
HOSTILE = ["<img src=x onerror=alert(1)>", '"../../etc/x"', "--><script>alert(1)</script>",
           "it's & <b>"]
HOSTILE_GENE = "<b onmouseover=alert(1)>G"
_STEM = re.compile(r"^[A-Za-z0-9_-]+-[0-9a-f]{12}\.(html|svg)$")


class _Page(html.parser.HTMLParser):
    """The tags, attributes and text of a page."""

    def __init__(self) -> None:
        super().__init__(convert_charrefs=True)
        self.tags: list[tuple[str, dict[str, str | None]]] = []
        self.text: list[str] = []

    def handle_starttag(self, tag: str, attrs: list[tuple[str, str | None]]) -> None:
        self.tags.append((tag, dict(attrs)))

    def handle_data(self, data: str) -> None:
        self.text.append(data)


def _parse(path: Path) -> _Page:
    page = _Page()
    page.feed(path.read_text(encoding="utf-8"))
    return page


@pytest.fixture(scope="module")
def hostile(tmp_path_factory: pytest.TempPathFactory) -> tuple[Path, pd.DataFrame, Path]:
    """A report of eight bundled sets, four renamed to hostile names, and the
    ranking's top gene renamed too (and put into the leading edge of the
    strongest set)."""
    folder = tmp_path_factory.mktemp("hostile")
    ranking = varenkopy.read_ranking(RANKING)
    top_gene = ranking.idxmax()
    ranking = ranking.rename({top_gene: HOSTILE_GENE})
    sets = varenkopy.read_gmt(RANKING.parent / "h.all.v7.1.symbols.gmt")
    chosen = ["HALLMARK_EPITHELIAL_MESENCHYMAL_TRANSITION", "HALLMARK_INTERFERON_GAMMA_RESPONSE",
              "HALLMARK_INTERFERON_ALPHA_RESPONSE", "HALLMARK_E2F_TARGETS",
              "HALLMARK_COAGULATION", "HALLMARK_G2M_CHECKPOINT", "HALLMARK_APOPTOSIS",
              "HALLMARK_PEROXISOME"]
    names = dict(zip(chosen, HOSTILE + chosen[4:], strict=True))
    gene_sets = {names[c]: [HOSTILE_GENE if g == top_gene else g for g in sets[c]]
                 for c in chosen}
    gene_sets[HOSTILE[0]] = sorted({*gene_sets[HOSTILE[0]], HOSTILE_GENE})
    results = varenkopy.gsea(ranking, gene_sets, seed=11)
    # The strongest set's p-value made the analysis' floor: shown as a bound.
    strongest = results["pval"].idxmin()
    results.loc[strongest, ["pval", "pval_at_eps"]] = [1e-50, True]
    rnk = folder / "in.rnk"
    ranking.to_csv(rnk, sep="\t", header=False)
    gmt = folder / "in.gmt"
    gmt.write_text("".join(f"{n}\t{'https://example.org/' + str(i) if i % 2 else 'about <' + n}"
                           f"\t{chr(9).join(g)}\n" for i, (n, g) in enumerate(gene_sets.items())),
                   encoding="utf-8")
    out = folder / "report"
    varenkopy.write_report(results, rnk, gmt, out, top=3)
    return out, results, rnk


def test_files_stay_in_the_folder_with_safe_names(
        hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, _, _ = hostile
    files = sorted(p.relative_to(out).as_posix() for p in out.rglob("*") if p.is_file())
    top = {f for f in files if "/" not in f}
    assert top == {"index.html", "plots.html", "manifest.json", "leading_edge.svg",
                   "enrichment_map.txt", "gene_sets.gmt", "ranking.rnk", "results.tsv",
                   "results.tsv.attrs.json"}
    pages = [f.split("/", 1)[1] for f in files if f.startswith("sets/")]
    assert all(_STEM.match(p) for p in pages)
    # Three sets per direction and those of the heatmap, each a page and its figure.
    assert len(pages) % 2 == 0 and len({p.rsplit(".", 1)[0] for p in pages}) == len(pages) // 2
    assert len(pages) >= 2 * 6
    manifest = json.loads((out / "manifest.json").read_text(encoding="utf-8"))
    assert set(manifest["files"]) | {"manifest.json"} == set(files)


def test_hostile_names_are_shown_as_text_and_run_nothing(
        hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, _, _ = hostile
    for path in [out / "index.html", out / "plots.html", *sorted((out / "sets").glob("*.html"))]:
        page = _parse(path)
        scripts = [a for tag, a in page.tags if tag == "script"]
        assert len(scripts) == 1 and not scripts[0], path
        for tag, attrs in page.tags:
            assert not any(name.startswith("on") for name in attrs), (path, tag, attrs)
            for key in ("href", "src"):
                target = attrs.get(key)
                if target is not None and tag == "a" and re.match(r"^https://example\.org/\d+$",
                                                                   target):
                    continue  # a set's link from the GMT file
                if target is not None:
                    assert not re.match(r"^[a-z]+:", target), target  # no scheme, no origin
                    resolved = (path.parent / target).resolve()
                    assert resolved.is_relative_to(out.resolve()) and resolved.exists(), target
    text = "".join(_parse(out / "index.html").text)
    for name in HOSTILE:
        assert name in text
    edges = "".join("".join(_parse(p).text) for p in (out / "sets").glob("*.html"))
    assert HOSTILE_GENE in edges
    for svg in [out / "leading_edge.svg", *(out / "sets").glob("*.svg")]:
        for element in ET.parse(svg).iter():
            assert not element.tag.endswith(("script", "foreignObject")), svg
            assert not any(k.lower().startswith("on") for k in element.attrib), svg


def test_manifest_and_network_files(hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, results, rnk = hostile
    manifest = json.loads((out / "manifest.json").read_text(encoding="utf-8"))
    assert manifest["version"] == varenkopy.__version__
    assert manifest["seed"] == results.attrs["seed"] == 11
    assert manifest["inputs"]["ranking"]["sha256"] == hashlib.sha256(rnk.read_bytes()).hexdigest()
    assert manifest["inputs"]["gene_sets"]["source"] == "file"
    assert manifest["counts"]["gene_sets_analysed"] == len(results)
    assert manifest["options"]["top"] == 3 and manifest["options"]["collapse"]["padj"] == 0.05
    for name, entry in manifest["files"].items():
        assert hashlib.sha256((out / name).read_bytes()).hexdigest() == entry["sha256"], name
    gmt_ids = [line.split("\t")[0] for line in
               (out / "gene_sets.gmt").read_text(encoding="utf-8").splitlines()]
    lines = (out / "enrichment_map.txt").read_text(encoding="utf-8").splitlines()
    assert lines[0] == "GO.ID\tDescription\tP.Value\tFDR\tPhenotype\tGenes"
    nes = dict(zip(results["pathway"], results["nes"], strict=True))
    for line in lines[1:]:
        fields = line.split("\t")
        assert len(fields) == 6 and fields[0] in gmt_ids
        assert fields[4] == ("+1" if nes[fields[0]] > 0 else "-1")
    assert set(gmt_ids) == set(results["pathway"])
    # The results as the command line writes them, read back into the analysis' frame:
    # every number exactly, the flag and the seed kept.
    back = varenkopy.read_results(out / "results.tsv")
    pd.testing.assert_frame_equal(back, results, check_exact=True)
    assert back.attrs == results.attrs


@pytest.mark.parametrize("value, shown", [
    (1420, "1420"), (15194.0, "15194"), (2.5e-7, "2.50e-07"), (0.0123, "0.012"),
    (-2.716, "-2.716"), (123456.7, "1.23e+05"), (float("nan"), "NA"), (None, "NA"),
])
def test_numbers_in_tables(value: float | None, shown: str) -> None:
    # Ranks and sizes in full, never in exponent form.
    from varenkopy._report import _number

    assert _number(value)[0] == shown


@pytest.mark.parametrize("row, attrs, bound", [
    ({"conditional_pval": 5e-5}, {"collapse_options": {"eps": 5e-5}}, True),
    ({"conditional_pval": 6e-5}, {"collapse_options": {"eps": 5e-5}}, False),
    ({"conditional_pval": 0.2, "conditional_pval_at_eps": True}, {}, True),
    ({"conditional_pval": 1e-9, "conditional_pval_at_eps": False},
     {"collapse_options": {"eps": 1e-6}}, False),
    ({"conditional_pval": float("nan")}, {"collapse_options": {"eps": 5e-5}}, False),
    ({"conditional_pval": 1e-9}, {}, False),
])
def test_conditional_p_values_at_their_floor_are_bounds(row: dict[str, Any],
                                                        attrs: dict[str, Any],
                                                        bound: bool) -> None:
    # Flagged by the collapse where it says so, else at most the eps it used.
    from varenkopy._pvalues import conditional_at_floor

    assert conditional_at_floor(row, attrs) is bound


def test_set_pages_hold_every_member_and_bounds_show_as_bounds(
        hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, results, rnk = hostile
    ranking = varenkopy.read_ranking(rnk)
    positions = {g: i + 1 for i, g in enumerate(ranking.sort_values(ascending=False,
                                                                     kind="stable").index)}
    strongest = results.loc[results["pval"].idxmin()]
    page = (out / "sets" / f"{varenkopy._report.file_stem(strongest.pathway)}.html")
    text = "".join(_parse(page).text)
    assert "< 1e-50" in text and "1.00e-50" not in text
    index = "".join(_parse(out / "index.html").text)
    assert "< 1e-50" in index and "1.00e-50" not in index
    gmt = dict(varenkopy.read_gmt(out.parent / "in.gmt"))
    for path in (out / "sets").glob("*.html"):
        parsed = _parse(path)
        name = next(n for n in gmt if path.name.startswith(varenkopy._report.file_stem(n)))
        row = results.set_index("pathway").loc[name]
        cells = [c.strip() for c in parsed.text if c.strip()]
        members = [g for g in gmt[name] if g in positions]
        # Every ranked member in rank order, with its rank, and the leading edge marked.
        start = cells.index("leading edge", cells.index("running ES")) + 1
        shown = cells[start:start + 5 * len(members)]
        assert shown[0::5] == sorted(members, key=positions.__getitem__), name
        assert [int(r) for r in shown[1::5]] == sorted(positions[g] for g in members)
        assert {g for g, le in zip(shown[0::5], shown[4::5]) if le == "yes"} == \
            set(row["leading_edge"])
        # Just after its genes, the running score reaches a positive ES; a
        # negative one is reached just before a gene.
        running = [float(v) for v in shown[3::5]]
        if row["es"] > 0:
            assert max(running) == pytest.approx(row["es"], abs=5e-4)
        else:
            assert min(running) > row["es"]
        links = [a.get("href") for tag, a in parsed.tags if tag == "a"]
        description = "about <" + name
        assert any(str(h).startswith("https://example.org/") for h in links) or \
            description in "".join(parsed.text), name


def _small_results(tmp_path: Path, small_gmt: Path) -> tuple[Path, pd.DataFrame]:
    ranks = tmp_path / "r.rnk"
    ranks.write_text("".join(f"G{i}\t{10 - i}\n" for i in range(20)), encoding="utf-8")
    return ranks, varenkopy.gsea(ranks, small_gmt, seed=5, min_size=1)


def _beside(path: Path) -> list[str]:
    """Temporary folders left next to `path`."""
    return sorted(p.name for p in path.parent.iterdir() if p.name.startswith(f".{path.name}.vk-"))


def _set_name(frame: pd.DataFrame, old: str, new: str) -> pd.DataFrame:
    frame = frame.copy()
    frame["pathway"] = frame["pathway"].replace(old, new)
    return frame


@pytest.mark.parametrize("change, gene_sets, message", [
    (lambda f: f.assign(nes=f["nes"].where(f["pathway"] != "TOP", float("inf"))), None,
     r"column 'nes' holds inf \(gene set 'TOP'"),
    (lambda f: f.assign(padj=-float("inf")), None, "column 'padj' holds -inf"),
    (lambda f: _set_name(f, "MID", "M\tID"), {"M\tID": ["G8", "G9"]},
     r"gene set 'M\\tID' holds a tab, which gene_sets.gmt"),
    (lambda f: f, {"TOP": ["G0", "G1"], "MID": ["G8", "x\ny"], "BOTTOM": ["G16"]},
     r"gene 'x\\ny' \(in gene set 'MID'\) holds a line break"),
])
def test_refused_before_anything_is_written(tmp_path: Path, small_gmt: Path, change: Any,
                                            gene_sets: Any, message: str) -> None:
    ranks, results = _small_results(tmp_path, small_gmt)
    out = tmp_path / "out"
    sets = small_gmt if gene_sets is None else {**varenkopy.read_gmt(small_gmt), **gene_sets}
    with pytest.raises(ValueError, match=message):
        varenkopy.write_report(change(results), ranks, sets, out, top=1)
    assert not out.exists() and _beside(out) == []


def test_a_report_replaces_the_previous_one_whole(tmp_path: Path, small_gmt: Path,
                                                  monkeypatch: pytest.MonkeyPatch) -> None:
    ranks, results = _small_results(tmp_path, small_gmt)
    out = tmp_path / "out"
    outside = tmp_path / "outside"
    outside.mkdir()
    (outside / "keep.txt").write_text("keep", encoding="utf-8")
    for exchange in (True, False):  # one atomic exchange, or the renames where it is missing
        if not exchange:
            monkeypatch.setattr(_files, "_exchange", lambda first, second: False)
        varenkopy.write_report(results, ranks, small_gmt, out, top=3)
        # Links inside the old report, under its own names, to what is not the report's.
        (out / "ranking.rnk").unlink()
        (out / "ranking.rnk").symlink_to(outside / "keep.txt")
        (out / "sets").rename(tmp_path / "pages")
        (out / "sets").symlink_to(outside)
        varenkopy.write_report(results, ranks, small_gmt, out, top=1)
        manifest = json.loads((out / "manifest.json").read_text(encoding="utf-8"))
        files = {p.relative_to(out).as_posix() for p in out.rglob("*") if not p.is_dir()}
        assert files == set(manifest["files"]) | {"manifest.json"}  # no page of top=3 left
        assert not (out / "sets").is_symlink() and not (out / "ranking.rnk").is_symlink()
        assert sorted(p.name for p in outside.iterdir()) == ["keep.txt"]
        assert _beside(out) == []
        _rmtree(tmp_path / "pages")
    # A link in place of the folder is followed and kept.
    real = tmp_path / "real"
    real.mkdir()
    link = tmp_path / "link"
    link.symlink_to(real)
    varenkopy.write_report(results, ranks, small_gmt, link, top=1)
    assert link.is_symlink() and (real / "manifest.json").is_file()


def _rmtree(path: Path) -> None:
    import shutil

    shutil.rmtree(path)


@pytest.mark.parametrize("content, message", [
    ({"notes.txt": "mine"}, "is a folder that is not a varenkopy report"),
    ({"manifest.json": '{"generator": "other", "files": {}}', "a.txt": "x"}, "not a varenkopy"),
    ({"manifest.json": '{"generator": "varenkopy", "files": {"index.html": {}}}',
      "index.html": "old", "sets/notes.txt": "mine"}, "holds 'sets/notes.txt', which is not"),
])
def test_a_folder_that_is_not_a_report_is_refused_and_kept(
        tmp_path: Path, small_gmt: Path, content: dict[str, str], message: str) -> None:
    ranks, results = _small_results(tmp_path, small_gmt)
    out = tmp_path / "out"
    for name, text in content.items():
        (out / name).parent.mkdir(parents=True, exist_ok=True)
        (out / name).write_text(text, encoding="utf-8")
    with pytest.raises(ValueError, match=message):
        varenkopy.write_report(results, ranks, small_gmt, out, top=1)
    assert {p.relative_to(out).as_posix(): p.read_text(encoding="utf-8")
            for p in out.rglob("*") if p.is_file()} == content
    assert _beside(out) == []
    (tmp_path / "file").write_text("x", encoding="utf-8")
    with pytest.raises(NotADirectoryError):
        varenkopy.write_report(results, ranks, small_gmt, tmp_path / "file", top=1)


# Writes a report, saying so at its first file, and is killed meanwhile.
KILLED_REPORT = """
import os, sys, time
import varenkopy
real_write = os.write
def slow_write(fd, data):
    print("writing", flush=True)
    time.sleep(30)
    return real_write(fd, data)
ranks, gmt, out = sys.argv[1:]
results = varenkopy.gsea(ranks, gmt, seed=5, min_size=1)
os.write = slow_write
varenkopy.write_report(results, ranks, gmt, out, top=1)
"""

# Replaces one folder many times, racing another process doing the same.
RACING_WRITER = """
import os, sys
from varenkopy import _files
target, me, way = sys.argv[1:]
if way == "renames":
    _files._exchange = lambda first, second: False
for i in range(40):
    with _files.replacing_folder(target, lambda existing: None) as new:
        for name in "abc":
            _files.write_text(os.path.join(new, name), f"{me} {i}")
"""


def test_an_interrupted_report_keeps_the_previous_one(tmp_path: Path, small_gmt: Path) -> None:
    ranks, results = _small_results(tmp_path, small_gmt)
    out = tmp_path / "out"
    varenkopy.write_report(results, ranks, small_gmt, out, top=1)
    before = {p: p.read_bytes() for p in out.rglob("*") if p.is_file()}
    proc = subprocess.Popen([sys.executable, "-c", KILLED_REPORT, str(ranks), str(small_gmt),
                             str(out)], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    assert proc.stdout is not None
    assert proc.stdout.readline() == "writing\n", proc.stderr.read() if proc.stderr else ""
    proc.send_signal(signal.SIGTERM)
    _, err = proc.communicate(timeout=60)
    assert proc.returncode == -signal.SIGTERM, err
    assert {p: p.read_bytes() for p in out.rglob("*") if p.is_file()} == before
    assert _beside(out) == []


@pytest.mark.parametrize("way", ["exchange", "renames"])
def test_concurrent_replacements_leave_one_whole_folder(tmp_path: Path, way: str) -> None:
    out = tmp_path / "out"
    runs = [subprocess.Popen([sys.executable, "-c", RACING_WRITER, str(out), me, way],
                             stderr=subprocess.PIPE, text=True) for me in ("A", "B")]
    for run in runs:
        _, err = run.communicate(timeout=120)
        assert run.returncode == 0, err
    texts = {p.name: p.read_text(encoding="utf-8") for p in out.iterdir()}
    assert sorted(texts) == ["a", "b", "c"] and len(set(texts.values())) == 1
    assert _beside(out) == []


def test_report_without_matplotlib_names_the_extra(tmp_path: Path) -> None:
    code = ("import sys; sys.modules['matplotlib'] = None\n"
            "import varenkopy\n"
            "try:\n"
            "    varenkopy.write_report(None, {}, {}, sys.argv[1])\n"
            "except ImportError as e:\n"
            "    print(e)\n")
    run = subprocess.run([sys.executable, "-c", code, str(tmp_path / "r")], capture_output=True,
                         text=True, check=True)
    assert run.stdout.strip() == 'write_report needs matplotlib: pip install "varenkopy[plot]"'
    assert not (tmp_path / "r").exists()


def test_report_command(tmp_path: Path, small_gmt: Path,
                        capsys: pytest.CaptureFixture[str]) -> None:
    ranks = tmp_path / "r.rnk"
    ranks.write_text("".join(f"G{i}\t{10 - i}\n" for i in range(20)), encoding="utf-8")
    gmt = tmp_path / "sets.gmt"
    gmt.write_text(small_gmt.read_text(encoding="utf-8").replace("TOP", "T\x1b[2J\u202eP"),
                   encoding="utf-8")
    assert main(["report", str(ranks), str(small_gmt), "-o", str(tmp_path / "out"),
                 "--seed", "5", "--min-size", "1", "--top", "2", "--title", "<t>"]) == 0
    assert "Report: " in capsys.readouterr().out
    # A floor above the p-values makes every one a bound; names reach the
    # terminal escaped (no pages, whose figures are another matter).
    assert main(["report", str(ranks), str(gmt), "-o", str(tmp_path / "out2"),
                 "--seed", "5", "--min-size", "1", "--top", "0", "--eps", "0.5",
                 "--padj", "1"]) == 0
    printed = capsys.readouterr().out
    assert f"Report: {tmp_path / 'out2' / 'index.html'}" in printed
    assert "< 0.5     <= " in printed and "T\\x1b[2J\\u202eP" in printed
    assert "\x1b" not in printed and "\u202e" not in printed
    manifest = json.loads((tmp_path / "out" / "manifest.json").read_text(encoding="utf-8"))
    assert manifest["seed"] == 5 and manifest["options"]["analysis"]["min_size"] == 1
    assert manifest["options"]["title"] == "<t>"
    assert "<h1>&lt;t&gt;</h1>" in (tmp_path / "out" / "index.html").read_text(encoding="utf-8")


def _column(b: browser.Browser, table: str, col: int) -> list[str]:
    return b.evaluate(  # type: ignore[no-any-return]
        f"Array.from(document.querySelectorAll('#{table} tbody tr'))"
        f".map(function (r) {{ return r.cells[{col}].dataset.v || r.cells[{col}].textContent; }})")


def test_report_in_a_browser(hostile: tuple[Path, pd.DataFrame, Path], tmp_path: Path) -> None:
    reason = browser.available()
    if reason is not None:
        if os.environ.get("CI"):
            pytest.fail(reason)
        pytest.skip(reason)
    out, _, _ = hostile
    b = browser.Browser()
    try:
        pages = [out / "index.html", *sorted((out / "sets").glob("*.html"))]
        for page in pages:
            b.open(page.as_uri())
            assert b.problems() == [], page.name
            # Hostile names stay text: no element they could have made exists.
            assert b.evaluate("document.querySelectorAll('script').length") == 1
            assert b.evaluate("document.querySelector('img[src=x], b[onmouseover]')") is None
        b.open((out / "index.html").as_uri())
        assert b.evaluate("document.images.length") >= 1
        assert b.evaluate("Array.from(document.images).every(i => i.naturalWidth > 0)")
        for table in ("positive", "negative"):
            before = [float(v) for v in _column(b, table, 4)]
            b.click(f"#{table} th:nth-child(5)")  # NES, ascending
            after = [float(v) for v in _column(b, table, 4)]
            assert after == sorted(before)
            b.click(f"#{table} th:nth-child(5)")  # descending
            assert [float(v) for v in _column(b, table, 4)] == sorted(before, reverse=True)
        b.click("#positive th:nth-child(2)")
        names = _column(b, "positive", 1)
        assert names == sorted(names, key=str.lower) or names == sorted(names)
        assert b.problems() == []
        png = b.screenshot(tmp_path / "index.png")
        assert _not_blank(png)
        # A click on a heatmap row opens the page of that row's set.
        rows = b.evaluate("Array.from(document.querySelectorAll('.heatmap-box a.row'))"
                          ".map(a => [a.title, a.getAttribute('href')])")
        assert rows and all(href.startswith("sets/") for _, href in rows)
        b.click(".heatmap-box a.row:last-of-type")
        _wait_until(b, f"location.href.endsWith({json.dumps(rows[-1][1])}) && "
                       f"document.readyState === 'complete'")
        assert b.evaluate("document.querySelector('h1').textContent") == rows[-1][0]
        b.open((out / "plots.html").as_uri())
        assert b.evaluate("document.images.length") == 6
        assert b.evaluate("Array.from(document.images).every(i => i.naturalWidth > 0)")
        assert b.problems() == []
    finally:
        b.close()


def _wait_until(b: browser.Browser, expression: str, timeout: float = 20) -> None:
    """Waits for `expression` to hold in the page (a click's navigation)."""
    import time

    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if b.evaluate(expression):
                return
        except RuntimeError:
            pass  # the page is being replaced
        time.sleep(0.05)
    raise TimeoutError(expression)


def _not_blank(png: bytes) -> bool:
    import io

    import matplotlib.image

    pixels = matplotlib.image.imread(io.BytesIO(png), format="png")
    return bool(pixels.shape[0] > 100 and pixels[..., :3].std() > 0.02)
