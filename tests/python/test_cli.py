"""The varenkopy command line: TSV equal to the Python frames, plots, one-line
errors with exit status 1, 130 on Ctrl-C, defaults in --help."""
from __future__ import annotations

import argparse
import hashlib
import importlib.util
import math
import signal
import struct
import subprocess
import sys
import time
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import varenkopy
from varenkopy.cli import build_parser

# The report command and the plots of --plots drawn with varenkopy.pl need the plot extra.
PLOT_EXTRA = all(importlib.util.find_spec(m) is not None for m in ("matplotlib", "jinja2"))

RANKING = Path(__file__).resolve().parents[2] / "examples" / "data" / \
    "tcga_ov_mesenchymal_vs_immunoreactive.rnk"


def run_cli(*args: object, timeout: float = 300) -> subprocess.CompletedProcess[str]:
    return subprocess.run([sys.executable, "-m", "varenkopy", *map(str, args)],
                          capture_output=True, text=True, timeout=timeout)


def _number(text: str) -> float:
    return math.nan if text == "NA" else float(text)


def read_tsv(path: Path) -> pd.DataFrame:
    """Reads a results TSV back: exact doubles (Python's own parser, whatever
    pandas' default), NA as NaN, leading edges as lists."""
    floats = ("es", "nes", "pval", "padj", "log2err")
    frame = pd.read_csv(path, sep="\t", keep_default_na=False,
                        converters=dict.fromkeys(floats, _number),
                        dtype={"pathway": object, "signature": object})
    frame["leading_edge"] = [[] if e == "" else e.split(",") for e in frame["leading_edge"]]
    return frame


@pytest.fixture(scope="module")
def few_sets(tmp_path_factory: pytest.TempPathFactory, example_gmt: Path) -> Path:
    path = tmp_path_factory.mktemp("cli") / "few.gmt"
    lines = example_gmt.read_text(encoding="utf-8").splitlines(keepends=True)[:6]
    path.write_text("".join(lines), encoding="utf-8")
    return path


def png_size(path: Path) -> tuple[int, int]:
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    return struct.unpack(">II", data[16:24])


def test_gsea_tsv_equals_the_frame_and_plots_are_drawn(tmp_path: Path, example_gmt: Path
                                                       ) -> None:
    out, plots = tmp_path / "res.tsv", tmp_path / "plots"
    proc = run_cli("gsea", RANKING, example_gmt, "-o", out, "--seed", 42, "--plots", plots,
                   "--top", 3)
    assert proc.returncode == 0, proc.stderr
    assert proc.stderr == ""  # a seed was given: nothing to report
    expected = varenkopy.gsea(varenkopy.read_ranking(RANKING), example_gmt, seed=42)
    back = varenkopy.read_results(out)
    pd.testing.assert_frame_equal(back, expected, check_exact=True)
    assert back.attrs == expected.attrs == {"seed": 42}
    expected.attrs = {}
    pd.testing.assert_frame_equal(read_tsv(out), expected, check_exact=True)
    top = expected["pathway"][:3]
    names = sorted(p.name for p in plots.iterdir())
    # With matplotlib installed the plots are varenkopy.pl's, at 300 dpi; the
    # built-in renderer's otherwise, with a table plot.
    with_pl = importlib.util.find_spec("matplotlib") is not None
    assert names == sorted([f"enrichment_{i:02d}_{n}.png" for i, n in enumerate(top, 1)]
                           + ["barplot.png" if with_pl else "table.png"])
    if with_pl:
        assert png_size(plots / f"enrichment_01_{top[0]}.png") == (1050, 990)
        assert png_size(plots / "barplot.png")[0] == 1050


def test_gsea_many_tsv_equals_the_frame_and_reports_the_drawn_seed(
        tmp_path: Path, example_ranks: dict[str, float], few_sets: Path) -> None:
    ranks = pd.Series(example_ranks)
    matrix = pd.DataFrame({"ov": ranks, "negated": -ranks}, index=ranks.index)
    matrix.iloc[:40, 1] = np.nan
    source = tmp_path / "matrix.tsv"
    matrix.to_csv(source, sep="\t", na_rep="NA", index_label="gene")
    proc = run_cli("gsea-many", source, few_sets, "-o", tmp_path / "res.tsv",
                   "--n-perm-simple", 300)
    assert proc.returncode == 0, proc.stderr
    seed = int(proc.stderr.split("seed ", 1)[1].split()[0])
    expected = varenkopy.gsea_many(matrix, few_sets, seed=seed, n_perm_simple=300)
    back = varenkopy.read_results(tmp_path / "res.tsv")
    pd.testing.assert_frame_equal(back, expected, check_exact=True)
    assert back.attrs == expected.attrs == {"seed": seed}
    expected.attrs = {}
    pd.testing.assert_frame_equal(read_tsv(tmp_path / "res.tsv"), expected, check_exact=True)


def test_collected_failures_keep_the_others_and_exit_1(
        tmp_path: Path, example_ranks: dict[str, float], few_sets: Path) -> None:
    source = tmp_path / "matrix.tsv"
    # Signature "flat" has no scores at all once its NA cells are dropped.
    source.write_text("gene\tgood\tflat\n" + "".join(
        f"{g}\t{s!r}\tNA\n" for g, s in example_ranks.items()), encoding="utf-8")
    proc = run_cli("gsea-many", source, few_sets, "-o", tmp_path / "res.tsv", "--seed", 1,
                   "--errors", "collect")
    assert proc.returncode == 1
    assert proc.stderr.splitlines() == [
        "varenkopy: error: signature 'flat': ValueError: argument 'ranking': the ranking is empty"]
    assert set(read_tsv(tmp_path / "res.tsv")["signature"]) == {"good"}


@pytest.mark.parametrize(
    "case, message",
    [
        ("missing-ranking", "varenkopy: error: [Errno 2] No such file or directory: "),
        ("missing-gmt", "varenkopy: error: [Errno 2] No such file or directory: "),
        ("no-output-folder", "varenkopy: error: [Errno 2] No such file or directory: "),
        ("repeated-signatures", "signature names occur more than once: 'a'"),
        ("not-a-number", "line 3, signature 'b': score 'high' is not a number"),
        ("short-line", "line 2 has 2 fields, expected 3"),
        ("failed-signature", "varenkopy: error: signature 'b': argument 'ranking': "
                             "the ranking is empty"),
        ("underscore", "m.tsv: line 2, signature 'a': score '1_000' is not a number"),
        ("not-utf8", "m.tsv: line 3 is not valid UTF-8"),
        ("not-utf8-ranking", "r.rnk: line 2 is not valid UTF-8"),
        ("swapped", "looks like a gene set (GMT) file, not a ranking: its lines hold a name, a "
                    "description ('http://www.gsea-msigdb.org/gsea/msigdb/cards/HALLMARK_"
                    "TNFA_SIGNALING_VIA_NFKB') and genes. Are the arguments swapped? The "
                    "ranking comes first: varenkopy gsea RANKING GENE_SETS"),
        ("table-ranking", "r.csv: the header names 3 columns ('gene', 'baseMean', 'stat'); "
                          "say which holds the scores"),
        ("no-score-column", "--score-column: "),
        ("report-repeated-sets", "twice.gmt: gene set names occur more than once ('HALLMARK_"
                                 "TNFA_SIGNALING_VIA_NFKB', "),
        ("report-duplicates", "2 gene names occur more than once ('A', 'B'); keep one score "
                              "per gene, or pass --duplicates max_abs, mean or first"),
        ("not-utf8-gmt", "s.gmt: line 2 is not valid UTF-8"),
        # Option values refused by the analysis are named as options.
        ("sample-size", "varenkopy: error: option '--sample-size': expected at most 2**32-1, "
                        "got 4294967296"),
        ("gsea-param", "varenkopy: error: --gsea-param must be a finite value greater than "
                       "or equal to 0"),
        ("huge-sample", "varenkopy: error: the analysis ran out of memory "
                        "(--sample-size=4294967295, "),
        ("transposed", "the matrix should have genes in rows and signatures in columns, but 20 "
                       "of its 20 columns are genes of the gene sets and only 0 of its 2 index "
                       "labels; transpose the file"),
    ],
)
def test_bad_input_is_one_line_and_exit_1(case: str, message: str, tmp_path: Path,
                                          few_sets: Path) -> None:
    if case.startswith("report") and not PLOT_EXTRA:
        pytest.skip("the report command needs the plot extra")
    matrix = tmp_path / "m.tsv"
    out = tmp_path / "out.tsv"
    body = {"repeated-signatures": "gene\ta\ta\nX\t1\t2\n",
            "not-a-number": "gene\ta\tb\nX\t1\t2\nY\t3\thigh\n",
            "short-line": "gene\ta\tb\nX\t1\n",
            "failed-signature": "gene\ta\tb\nJUNB\t1\tNA\nCXCL2\t2\t\n"}.get(case, "gene\ta\nX\t1\n")
    matrix.write_text(body, encoding="utf-8")
    if case == "underscore":
        matrix.write_text("gene\ta\nX\t1_000\n", encoding="utf-8")
    elif case == "not-utf8":
        matrix.write_bytes(b"gene\ta\nX\t1\nY\xff\t2\n")
    elif case == "transposed":
        genes = few_sets.read_text(encoding="utf-8").split("\n")[0].split("\t")[2:22]
        matrix.write_text("signature\t" + "\t".join(genes) + "\n"
                          + "".join(f"s{k}\t" + "\t".join(str(i + k) for i in range(20)) + "\n"
                                    for k in range(2)), encoding="utf-8")
    (tmp_path / "r.rnk").write_bytes(b"A\t1\nB\xe9\t2\n")
    (tmp_path / "r.csv").write_text("gene,baseMean,stat\nA,9,1\n", encoding="utf-8")
    (tmp_path / "d.rnk").write_text("A\t1\nB\t2\nA\t3\nB\t4\n", encoding="utf-8")
    (tmp_path / "twice.gmt").write_text(few_sets.read_text(encoding="utf-8") * 2,
                                        encoding="utf-8")
    (tmp_path / "s.gmt").write_bytes(b"S\t\tA\tB\nT\t\t\xc3(\n")
    if case in ("not-utf8-ranking", "table-ranking", "no-score-column"):
        args: tuple[object, ...] = ("gsea", tmp_path / ("r.rnk" if "utf8" in case else "r.csv"),
                                    few_sets, "-o", out)
        args += ("--score-column", "padj") if case == "no-score-column" else ()
    elif case == "swapped":
        args = ("gsea", few_sets, RANKING, "-o", out)
    elif case.startswith("report"):
        out = tmp_path / "report"
        args = ("report", *((RANKING, tmp_path / "twice.gmt") if "sets" in case
                            else (tmp_path / "d.rnk", few_sets)), "-o", out)
    elif case == "not-utf8-gmt":
        args = ("gsea", RANKING, tmp_path / "s.gmt", "-o", out)
    elif case == "missing-ranking":
        args = ("gsea", tmp_path / "none.rnk", few_sets, "-o", out)
    elif case == "missing-gmt":
        args = ("gsea", RANKING, tmp_path / "none.gmt", "-o", out)
    elif case == "no-output-folder":
        out = tmp_path / "none" / "out.tsv"
        args = ("gsea", RANKING, few_sets, "-o", out, "--seed", 1)
    elif case == "sample-size":
        args = ("gsea", RANKING, few_sets, "-o", out, "--sample-size", 2**32)
    elif case == "gsea-param":
        args = ("gsea", RANKING, few_sets, "-o", out, "--gsea-param", -1)
    elif case == "huge-sample":
        args = ("gsea", RANKING, few_sets, "-o", out, "--sample-size", 2**32 - 1,
                "--mode", "multilevel")
    else:
        args = ("gsea-many", matrix, few_sets, "-o", out, "--seed", 1)
    proc = run_cli(*args)
    assert proc.returncode == 1
    errors = [line for line in proc.stderr.splitlines()
              if not line.startswith("varenkopy: warning: ")]
    assert len(errors) == 1, proc.stderr
    assert errors[0].startswith("varenkopy: error: ") and message in errors[0]
    if case == "no-output-folder":
        assert errors[0].endswith(repr(str(out)))
    assert not out.exists()


@pytest.mark.parametrize("text, fast_path", [
    ("gene\ta\tb\nX\t1.5\tNA\nY\t-0.1\t\n", True),
    ("\ufeffgene\ta\tb\r\n X \t 2e-300 \tnan\r\n\nY\t3\t0.30000000000000004\r\n", True),
    ("gene\ta\n  \nX\t1\n", False),  # a blank-looking line: read carefully
    ('gene\ta\n"X"\t1\n', False),
])
def test_matrix_fast_path_reads_as_the_careful_one(text: str, fast_path: bool) -> None:
    from varenkopy.cli import _matrix_fast, _matrix_one_by_one
    data = text.encode("utf-8")
    fast = _matrix_fast(data, "m.tsv", "\t")
    assert (fast is not None) == fast_path
    careful = _matrix_one_by_one(data, "m.tsv", "\t")
    pd.testing.assert_frame_equal(fast if fast is not None else careful, careful)


def test_gsea_and_report_read_each_input_once(tmp_path: Path, few_sets: Path) -> None:
    # Inputs that can be read only once, as the shell's <(...) gives them; a
    # ranking with a repeated gene taken as --duplicates says.
    ranking = tmp_path / "r.rnk"
    text = RANKING.read_bytes()
    ranking.write_bytes(text + text.split(b"\t", 1)[0] + b"\t-1000\n")
    commands = [("gsea", tmp_path / "res.tsv")]
    if PLOT_EXTRA:
        commands.append(("report", tmp_path / "report"))
    for command, out in commands:
        proc = subprocess.run(
            ["bash", "-c", f'"$0" -m varenkopy {command} <(cat "$1") <(cat "$2") -o "$3" '
             "--seed 3 --duplicates first --top 2", sys.executable, str(ranking),
             str(few_sets), str(out)], capture_output=True, text=True, timeout=300)
        assert proc.returncode == 0, proc.stderr
    assert read_tsv(tmp_path / "res.tsv")["pathway"].nunique() == 6
    if not PLOT_EXTRA:
        return
    manifest = (tmp_path / "report" / "manifest.json").read_text(encoding="utf-8")
    assert hashlib.sha256(few_sets.read_bytes()).hexdigest() in manifest
    # Each set page still shows its set's description (here a URL) from the one read.
    pages = "".join(p.read_text(encoding="utf-8") for p in (tmp_path / "report" / "sets").glob("*.html"))
    assert pages.count("http://www.gsea-msigdb.org/gsea/msigdb/cards/") >= 2


def test_compressed_files_with_byte_order_marks_read_as_plain_ones(
        tmp_path: Path, few_sets: Path) -> None:
    import gzip
    ranking = tmp_path / "r.rnk.gz"
    ranking.write_bytes(gzip.compress(b"\xef\xbb\xbf" + RANKING.read_bytes()))
    sets = tmp_path / "sets.gmt.gz"
    sets.write_bytes(gzip.compress(b"\xef\xbb\xbf" + few_sets.read_bytes()))
    plain, packed = tmp_path / "plain.tsv", tmp_path / "packed.tsv"
    assert run_cli("gsea", RANKING, few_sets, "-o", plain, "--seed", 3).returncode == 0
    proc = run_cli("gsea", ranking, sets, "-o", packed, "--seed", 3)
    assert proc.returncode == 0, proc.stderr
    assert packed.read_bytes() == plain.read_bytes()


def test_an_empty_gene_set_file_warns_and_writes_no_rows(tmp_path: Path) -> None:
    sets = tmp_path / "empty.gmt"
    sets.write_text("", encoding="utf-8")
    proc = run_cli("gsea", RANKING, sets, "-o", tmp_path / "res.tsv", "--seed", 1)
    assert proc.returncode == 0
    assert f"varenkopy: warning: {sets} contains no gene sets" in proc.stderr.splitlines()
    assert (tmp_path / "res.tsv").read_text(encoding="utf-8").count("\n") == 1


def test_ctrl_c_stops_promptly_with_status_130(tmp_path: Path, example_ranks: dict[str, float],
                                               example_gmt: Path) -> None:
    ranks = pd.Series(example_ranks)
    source = tmp_path / "matrix.tsv"
    pd.DataFrame({f"s{i}": ranks * (i + 1) for i in range(8)}).to_csv(source, sep="\t")
    proc = subprocess.Popen(
        [sys.executable, "-m", "varenkopy", "gsea-many", str(source), str(example_gmt), "-o",
         str(tmp_path / "res.tsv"), "--seed", "1"], stderr=subprocess.PIPE, text=True)
    time.sleep(4)  # past the imports, into the signatures
    sent = time.monotonic()
    proc.send_signal(signal.SIGINT)
    _, err = proc.communicate(timeout=60)
    assert proc.returncode == 130
    assert time.monotonic() - sent < 1.5  # 0.5 s in the core, plus the interpreter's exit
    assert err == "varenkopy: interrupted\n"
    assert not (tmp_path / "res.tsv").exists()


def test_help_shows_every_default_and_version_is_the_package_s() -> None:
    parser = build_parser()
    commands = next(a for a in parser._actions if isinstance(a, argparse._SubParsersAction))
    for name, sub in commands.choices.items():
        text = sub.format_help()
        for action in sub._actions:
            if action.option_strings and action.dest not in ("help", "output"):
                assert f"(default: {action.default})" in text, (name, action.dest)
    proc = run_cli("--version", timeout=60)
    assert proc.stdout.strip() == f"varenkopy {varenkopy.__version__}"
