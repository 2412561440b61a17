"""The report folder: its files, escaping of hostile names, provenance, the
command line, and the pages as a headless browser shows them."""
from __future__ import annotations

import hashlib
import html.parser
import json
import os
import re
import subprocess
import sys
import warnings
import xml.etree.ElementTree as ET
from pathlib import Path

import headless_browser as browser
import pandas as pd
import pytest

import varenkopy
from varenkopy.cli import main

pytest.importorskip("matplotlib")
pytest.importorskip("varenkopy.pl")

RANKING = Path(__file__).resolve().parents[2] / "examples" / "data" / \
    "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
HOSTILE = ["<img src=x onerror=alert(1)>", '"../../etc/x"', "--><script>alert(1)</script>",
           "tab\there"]
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
    rnk = folder / "in.rnk"
    ranking.to_csv(rnk, sep="\t", header=False)
    out = folder / "report"
    with warnings.catch_warnings():
        # The font has no glyph for the tab of a name; the figure shows a box.
        warnings.filterwarnings("ignore", "Glyph 9", UserWarning)
        varenkopy.write_report(results, rnk, gene_sets, out, top=3)
    return out, results, rnk


def test_files_stay_in_the_folder_with_safe_names(
        hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, _, _ = hostile
    files = sorted(p.relative_to(out).as_posix() for p in out.rglob("*") if p.is_file())
    top = {f for f in files if "/" not in f}
    assert top == {"index.html", "manifest.json", "leading_edge.svg", "enrichment_map.txt",
                   "gene_sets.gmt", "ranking.rnk"}
    pages = [f.split("/", 1)[1] for f in files if f.startswith("sets/")]
    assert all(_STEM.match(p) for p in pages)
    # Three sets per direction, each an HTML page and its figure.
    assert len(pages) == 2 * 6 and len({p.rsplit(".", 1)[0] for p in pages}) == 6


def test_hostile_names_are_shown_as_text_and_run_nothing(
        hostile: tuple[Path, pd.DataFrame, Path]) -> None:
    out, _, _ = hostile
    for path in [out / "index.html", *sorted((out / "sets").glob("*.html"))]:
        page = _parse(path)
        scripts = [a for tag, a in page.tags if tag == "script"]
        assert len(scripts) == 1 and not scripts[0], path
        for tag, attrs in page.tags:
            assert not any(name.startswith("on") for name in attrs), (path, tag, attrs)
            for key in ("href", "src"):
                target = attrs.get(key)
                if target is not None:
                    assert not re.match(r"^[a-z]+:", target), target  # no scheme, no origin
                    resolved = (path.parent / target).resolve()
                    assert resolved.is_relative_to(out.resolve()) and resolved.exists(), target
    text = "".join(_parse(out / "index.html").text)
    for name in HOSTILE[:3]:
        assert name in text
    assert "tab here" in text or "tab\there" in text
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
    assert manifest["inputs"]["gene_sets"]["source"] == "dict"
    assert manifest["counts"]["gene_sets_analysed"] == len(results)
    assert manifest["options"]["top"] == 3 and manifest["options"]["collapse"]["padj"] == 0.05
    for name, entry in manifest["files"].items():
        assert hashlib.sha256((out / name).read_bytes()).hexdigest() == entry["sha256"], name
    gmt_ids = [line.split("\t")[0] for line in
               (out / "gene_sets.gmt").read_text(encoding="utf-8").splitlines()]
    lines = (out / "enrichment_map.txt").read_text(encoding="utf-8").splitlines()
    assert lines[0] == "GO.ID\tDescription\tP.Value\tFDR\tPhenotype\tGenes"
    nes = dict(zip(results["pathway"].str.replace("\t", " "), results["nes"], strict=True))
    for line in lines[1:]:
        fields = line.split("\t")
        assert len(fields) == 6 and fields[0] in gmt_ids
        assert fields[4] == ("+1" if nes[fields[0]] > 0 else "-1")
    assert "tab here" in gmt_ids


@pytest.mark.parametrize("value, shown", [
    (1420, "1420"), (15194.0, "15194"), (2.5e-7, "2.50e-07"), (0.0123, "0.012"),
    (-2.716, "-2.716"), (123456.7, "1.23e+05"), (float("nan"), "NA"), (None, "NA"),
])
def test_numbers_in_tables(value: float | None, shown: str) -> None:
    # Ranks and sizes in full, never in exponent form.
    from varenkopy._report import _number

    assert _number(value)[0] == shown


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


def test_report_command(tmp_path: Path, small_gmt: Path) -> None:
    ranks = tmp_path / "r.rnk"
    ranks.write_text("".join(f"G{i}\t{10 - i}\n" for i in range(20)), encoding="utf-8")
    assert main(["report", str(ranks), str(small_gmt), "-o", str(tmp_path / "out"),
                 "--seed", "5", "--min-size", "1", "--top", "2", "--title", "<t>"]) == 0
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
    finally:
        b.close()


def _not_blank(png: bytes) -> bool:
    import io

    import matplotlib.image

    pixels = matplotlib.image.imread(io.BytesIO(png), format="png")
    return bool(pixels.shape[0] > 100 and pixels[..., :3].std() > 0.02)
