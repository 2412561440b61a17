"""The package layer: readers, gsea() on every input form, warnings, plots,
interruption and overlapping runs."""
from __future__ import annotations

import decimal
import json
import logging
import math
import re
import signal
import subprocess
import sys
import textwrap
import threading
import time
import warnings
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import varenkopy

RNK = Path(__file__).resolve().parents[2] / "examples" / "data" / "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
OPTS = dict(seed=11, n_perm_simple=200, min_size=1, max_size=500, eps=1e-10)


def frame_key(df: pd.DataFrame) -> list:
    return [tuple(map(repr, row)) for row in df.itertuples(index=False)]


@pytest.fixture(scope="module")
def reference(example_ranks, example_gmt):
    return varenkopy.gsea(example_ranks, example_gmt, **OPTS)


def test_gsea_matches_run_gsea_py(reference, example_ranks, example_gmt):
    rows = varenkopy.run_gsea_py(example_ranks, str(example_gmt), nPermSimple=200, seed=11, eps=1e-10)
    by_name = {r["pathway"]: r for r in rows}
    assert reference.attrs["seed"] == 11
    assert list(reference.columns) == ["pathway", "size", "es", "nes", "pval", "padj", "log2err",
                                       "pval_at_eps", "leading_edge"]
    assert reference["pval_at_eps"].tolist() == (reference["pval"] == 1e-10).tolist()
    # With 200 permutations some refined rows count fewer than 50 scores of
    # their sign: gsea() re-estimates that fraction, so only their pval (and
    # log2err, which then covers the fraction too, and padj) differ.
    resampled = [rec for rec in reference.to_dict("records")
                 if rec["pval"] != by_name[rec["pathway"]]["pval"]]
    for rec in reference.to_dict("records"):
        row = by_name[rec["pathway"]]
        for key in ("size", "es", "leading_edge"):
            assert rec[key] == row[key] or (math.isnan(rec[key]) and math.isnan(row[key]))
        if rec in resampled:
            assert rec["nes"] == row["nes"] and rec["log2err"] > row["log2err"]
            continue
        assert rec["pval"] == row["pval"] or (math.isnan(rec["pval"]) and math.isnan(row["pval"]))
        for key in ("nes", "padj", "log2err")[:: 2 if resampled else 1]:
            assert (math.isnan(rec[key]) and row[key] is None) or rec[key] == row[key]
    pvals = reference["pval"].tolist()
    assert pvals == sorted(pvals)


@pytest.mark.parametrize("ranking_form", ["dict", "series", "frame1", "frame2", "path", "pathlib"])
@pytest.mark.parametrize("sets_form", ["dict", "path", "long"])
def test_every_input_form_gives_the_same_frame(reference, example_ranks, example_gmt,
                                               ranking_form, sets_form):
    series = pd.Series(example_ranks)
    ranking = {
        "dict": example_ranks, "series": series, "frame1": series.to_frame("score"),
        "frame2": series.rename_axis("gene").reset_index(), "path": str(RNK), "pathlib": RNK,
    }[ranking_form]
    sets_dict = varenkopy.read_gmt(example_gmt)
    gene_sets = {
        "dict": sets_dict, "path": example_gmt,
        "long": pd.DataFrame([(s, g) for s, gs in sets_dict.items() for g in gs],
                             columns=["gene_set", "gene"]),
    }[sets_form]
    df = varenkopy.gsea(ranking, gene_sets, **OPTS)
    assert frame_key(df) == frame_key(reference)


def test_seed_none_is_reported_and_repeats(example_ranks, example_gmt):
    first = varenkopy.gsea(example_ranks, example_gmt, n_perm_simple=200, min_size=1)
    again = varenkopy.gsea(example_ranks, example_gmt, n_perm_simple=200, min_size=1,
                           seed=first.attrs["seed"])
    assert frame_key(first) == frame_key(again)


@pytest.mark.parametrize("ranking, gene_sets, error, match", [
    ({"A": 1.0, "B": -2.0, "C": 0.5}, {"S": ["A"]}, None, None),
    (pd.Series([1.0, 2.0, 3.0], index=["A", "B", "A"]), {"S": ["A"]}, ValueError, "'A'"),
    ({}, {"S": ["A"]}, ValueError, "empty"),
    ([("A", 1.0)], {"S": ["A"]}, TypeError, "argument 'ranking'"),
    ({"A": "1.0"}, {"S": ["A"]}, TypeError, "argument 'ranking'"),
    ({"A": 1.0, "B": 2.0}, ["S"], TypeError, "argument 'gene_sets'"),
    ({"A": 1.0, "B": 2.0}, {"S": "AB"}, TypeError, "argument 'gene_sets'"),
    ("/nonexistent/ranks.rnk", {"S": ["A"]}, FileNotFoundError, "/nonexistent/ranks.rnk"),
    ({"A": 1.0, "B": 2.0}, "/nonexistent/sets.gmt", FileNotFoundError, "/nonexistent/sets.gmt"),
    # Scores are real numbers: nothing is dropped or reinterpreted on the way.
    (pd.Series([1 + 2j, -1 + 0j], index=["A", "B"]), {"S": ["A"]}, TypeError,
     r"argument 'ranking': scores must be real numbers \(int or float\), got dtype complex128"),
    ({"A": 1.0, "B": complex(2, 1)}, {"S": ["A"]}, TypeError,
     r"argument 'ranking': scores must be real numbers \(int or float\), got complex"),
    (pd.Series(pd.to_datetime(["2020-01-01", "2021-01-01"]), index=["A", "B"]), {"S": ["A"]},
     TypeError, "got dtype datetime64"),
    (pd.Series(pd.to_timedelta([1, 2], unit="s"), index=["A", "B"]), {"S": ["A"]}, TypeError,
     "got dtype timedelta64"),
    (pd.Series([True, False], index=["A", "B"]), {"S": ["A"]}, TypeError, "got dtype bool"),
    ({"A": True, "B": 2.0}, {"S": ["A"]}, TypeError, "real numbers .* got bool"),
    (pd.DataFrame({"g": ["A", "B"], "s": [pd.Timestamp(0), 1.0]}), {"S": ["A"]}, TypeError,
     "real numbers .* got Timestamp"),
    # The sample size is held in 32 bits; the largest one does not fit in memory.
    ({"A": 1.0, "B": -2.0}, {"S": ["A"]}, ValueError,
     re.escape("argument 'sample_size': expected at most 2**32-1, got 4294967296")),
])
def test_input_errors(ranking, gene_sets, error, match):
    if error is None:
        with pytest.warns(varenkopy.VarenkoWarning, match="left out"):
            varenkopy.gsea(ranking, gene_sets, seed=1, min_size=5)
        return
    options = {"sample_size": 2**32} if "sample_size" in match else {}
    with pytest.raises(error, match=match):
        varenkopy.gsea(ranking, gene_sets, seed=1, **options)


def _renamed(ranks, rename):
    return {rename(i, g): s for i, (g, s) in enumerate(ranks.items())}


_ENSEMBL_SETS = {"A": [f"ENSG{i:011d}" for i in range(0, 900, 7)],
                 "B": [f"ENSG{i:011d}" for i in range(3, 3000, 11)]}


@pytest.mark.parametrize("rename, sets, error, message", [
    (lambda i, g: g[0] + g[1:].lower(), None, None,
     r"only \d+ of the ranking's \d+ genes are in any of the 50 gene sets, which hold 4383 "
     r"genes; \d+ of the ranking's genes match a gene of the sets only when case is ignored "
     r"\(ranking: 'Igdcc3', .*gene sets: 'JUNB', .*\): mouse-style symbols against human"),
    (lambda i, g: g if i % 40 == 0 else g + "x", None, None,
     r"only \d+ of .*; check that both name genes the same way, and are of the same species"),
    (lambda i, g: f"ENSG{i:011d}", None, ValueError,
     r"argument 'ranking': none of its \d+ genes is in any of the 50 gene sets; the ranking "
     r"holds Ensembl IDs and the gene sets upper-case \(human-style\) symbols"),
    (lambda i, g: str(1000 + i), None, ValueError,
     r"the ranking holds numeric IDs \(Entrez IDs\?\) and the gene sets upper-case"),
    (lambda i, g: f"ENSG{i:011d}.{i % 20}", _ENSEMBL_SETS, ValueError,
     r"the ranking's Ensembl IDs carry version suffixes that the gene sets' lack"),
], ids=["mouse-case", "few", "ensembl", "entrez", "versions"])
def test_identifiers_that_cannot_match_are_named(example_ranks, example_gmt, rename, sets,
                                                 error, message):
    ranking = _renamed(example_ranks, rename)
    gene_sets = sets or example_gmt
    if error is not None:
        with pytest.raises(error, match=message):
            varenkopy.gsea(ranking, gene_sets, seed=1)
        return
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        varenkopy.gsea(ranking, gene_sets, seed=1, n_perm_simple=10, mode="simple")
    assert re.match(message, str(record[0].message))


def test_real_number_scores_of_every_kind_give_the_same_rows(small_ranks, small_gmt):
    floats = pd.Series(small_ranks)
    expected = frame_key(varenkopy.gsea(floats, small_gmt, seed=4, min_size=1))
    ints = floats.astype("int64")
    nullable = pd.Series([*floats, None], index=[*floats.index, "X"], dtype="Float64")
    decimals = {g: decimal.Decimal(repr(v)) for g, v in small_ranks.items()}
    for ranking in (ints, ints.astype("Int32"), floats.astype("float32"), decimals,
                    {g: np.float64(v) for g, v in small_ranks.items()}):
        assert frame_key(varenkopy.gsea(ranking, small_gmt, seed=4, min_size=1)) == expected
    with pytest.warns(varenkopy.VarenkoWarning, match="1 genes with NaN scores"):
        assert frame_key(varenkopy.gsea(nullable, small_gmt, seed=4, min_size=1)) == expected


@pytest.mark.parametrize("extra", [{"sample_size": 0}, {"threads": -1}, {"score_type": "up"},
                                   {"gsea_param": -1.0}])
def test_option_errors_name_the_callers_keyword(extra):
    keyword = next(iter(extra))
    with pytest.raises((ValueError, OverflowError)) as info:
        varenkopy.gsea({"A": 1.0, "B": -2.0}, {"S": ["A"]}, seed=1, min_size=1, **extra)
    assert keyword in str(info.value)
    assert not re.search(r"sampleSize|nproc|scoreType|gseaParam|nPermSimple", str(info.value))


def test_a_sample_size_beyond_memory_is_a_memory_error_that_says_so():
    ranks = {f"G{i}": float(i - 20) for i in range(60)}
    with pytest.raises(MemoryError, match=r"ran out of memory \(sample_size=4294967295, "):
        varenkopy.gsea(ranks, {"S": [f"G{i}" for i in range(0, 60, 2)]}, seed=1,
                       sample_size=2**32 - 1, mode="multilevel", min_size=1)


# Rows (first column, second column); which is the set depends on the names.
LONG = [("S1", "A"), ("S1", "B"), ("S2", "C")]
FIRST_IS_SET = {"S1": ["A", "B"], "S2": ["C"]}
SECOND_IS_SET = {"A": ["S1"], "B": ["S1"], "C": ["S2"]}


@pytest.mark.parametrize("columns, options, expected", [
    # Columns found by their names, in any position and case.
    (["gene_set", "gene"], {}, FIRST_IS_SET),
    (["Gene_ID", "Term"], {}, SECOND_IS_SET),
    (["gene_symbol", "gs_name"], {}, SECOND_IS_SET),
    # One column recognised: the other of two is the one left.
    (["pathway", "member"], {}, FIRST_IS_SET),
    (["member", "symbol"], {}, FIRST_IS_SET),
    # Names that say nothing: (set, gene), as before.
    ([0, 1], {}, FIRST_IS_SET),
    # The caller says which is which, against the names too.
    (["gene", "term"], {"set_column": "gene", "gene_column": "term"}, FIRST_IS_SET),
    (["a", "b"], {"gene_column": "a"}, SECOND_IS_SET),
])
def test_long_gene_set_columns(columns, options, expected):
    frame = pd.DataFrame(LONG, columns=columns)
    assert dict(varenkopy._inputs.gene_sets_to_pairs(frame, **options)) == expected


@pytest.mark.parametrize("columns, options, message", [
    (["id", "member", "weight"], {},
     "argument 'gene_sets': cannot tell the set column and the gene column of the gene-set "
     "DataFrame (columns: 'id', 'member', 'weight'); name them with set_column= and gene_column="),
    (["term", "member", "weight"], {},
     "cannot tell the gene column of the gene-set DataFrame (columns: 'term', 'member', 'weight')"),
    (["gene", "term"], {"set_column": "gene", "gene_column": "gene"},
     "arguments 'set_column' and 'gene_column' name the same column 'gene'"),
    (["gene", "term"], {"set_column": "pathway"},
     "argument 'set_column': 'pathway' is not a column of the gene-set DataFrame "
     "(columns: 'gene', 'term')"),
    (["term"], {}, "a gene-set DataFrame needs a set and a gene column (columns: 'term')"),
])
def test_long_gene_set_columns_never_guessed(columns, options, message):
    frame = pd.DataFrame([["x"] * len(columns)], columns=columns)
    with pytest.raises(ValueError, match=re.escape(message)):
        varenkopy.gsea({"x": 1.0, "y": -1.0}, frame, seed=1, **options)


def test_set_and_gene_columns_reach_every_conversion(tmp_path, small_ranks, small_gmt):
    sets = varenkopy.read_gmt(small_gmt)
    frame = pd.DataFrame([(g, s) for s, gs in sets.items() for g in gs], columns=["gid", "sid"])
    columns = dict(set_column="sid", gene_column="gid")
    expected = varenkopy.gsea(small_ranks, sets, seed=2, min_size=1)
    got = varenkopy.gsea(small_ranks, frame, seed=2, min_size=1, **columns)
    assert frame_key(got) == frame_key(expected)
    many = varenkopy.gsea_many({"a": small_ranks}, frame, seed=2, min_size=1, **columns)
    assert list(many["pathway"]) == list(varenkopy.gsea_many(
        {"a": small_ranks}, sets, seed=2, min_size=1)["pathway"])
    varenkopy.plot_enrichment(small_ranks, "TOP", tmp_path / "e.png", gene_sets=frame, **columns)
    varenkopy.plot_table(expected, frame, small_ranks, tmp_path / "t.png", **columns)
    with pytest.raises(ValueError, match="argument 'set_column': only a gene-set DataFrame"):
        varenkopy.gsea(small_ranks, sets, set_column="sid")


@pytest.mark.parametrize("func, arg", [(varenkopy.read_gmt, 3), (varenkopy.read_ranking, None)])
def test_readers_refuse_wrong_types(func, arg):
    with pytest.raises(TypeError, match="argument 'path'"):
        func(arg)


def test_missing_file_is_an_oserror_naming_the_path(tmp_path):
    path = tmp_path / "missing.gmt"
    with pytest.raises(OSError) as info:
        varenkopy.read_gmt(path)
    assert isinstance(info.value, FileNotFoundError) and info.value.filename == str(path)


def test_read_gmt_uses_the_analysis_rules(tmp_path):
    path = tmp_path / "bad.gmt"
    path.write_text("ONLY\tTWO\n", encoding="utf-8")
    with pytest.raises(OSError, match="Malformed GMT line 1"):
        varenkopy.read_gmt(path)
    path.write_text("S\tdesc\t A \t\tB\n", encoding="utf-8")
    assert varenkopy.read_gmt(path) == {"S": ["A", "B"]}
    path.write_bytes(b"S\tdesc\tA\rT\t\tB\tC\r\nU\t\tD")  # CR, CRLF and LF all end lines
    assert varenkopy.read_gmt(path) == {"S": ["A"], "T": ["B", "C"], "U": ["D"]}
    # A gene in many sets is one object: a large collection holds its name once.
    path.write_text("S\t\tA\tB\nT\t\tB\tA\n", encoding="utf-8")
    sets = varenkopy.read_gmt(path)
    assert sets["S"][0] is sets["T"][1] and sets["S"][1] is sets["T"][0]


@pytest.mark.parametrize("name, text, options, expected", [
    ("r.rnk", "A\t1.5\nB\t-2\n", {}, None),
    ("r.tsv", "gene\tscore\nA\t1.5\nB\t-2\n", {}, None),
    ("r.csv", "gene,score\nA,1.5\nB,-2\n", {}, None),
    ("r.txt", "# comment\nA 1.5\nB   -2\n", {}, None),
    ("cr.rnk", "\n\r\n#c\rA\t1.5\rB\t-2\r", {}, None),
    ("bom.rnk", "\ufeff\ufeffA\t1.5\n\ufeffB\t-2\n", {}, None),
    ("quoted.csv", '"gene","score"\n"A","1.5"\n"B",-2\n', {}, None),
    ("extra.rnk", "A\t1.5\tx\nB\t-2\n", {}, None),
    ("table.csv", '"",baseMean,stat\nA,9,1.5\nB,3,-2\n', {"score": "stat"}, None),
    # Missing scores are NaN here; the analysis drops them with a warning.
    ("na.rnk", "A\t1.5\nB\tNA\nC\t\nD\nE\tnan\n", {},
     {"A": 1.5, "B": math.nan, "C": math.nan, "D": math.nan, "E": math.nan}),
    ("big.rnk", "A\t100000000000000000000000\nB\t0.1\n", {}, {"A": 1e23, "B": 0.1}),
])
def test_read_ranking_formats(tmp_path, name, text, options, expected):
    path = tmp_path / name
    path.write_bytes(text.encode("utf-8"))
    ranks = varenkopy.read_ranking(path, **options)
    expected = {"A": 1.5, "B": -2.0} if expected is None else expected
    assert {g: repr(v) for g, v in ranks.items()} == {g: repr(v) for g, v in expected.items()}
    assert ranks.dtype == "float64"


def test_read_ranking_scores_are_the_exact_doubles(tmp_path):
    rng = np.random.default_rng(3)
    values = [float(v) for v in rng.normal(0, 3, 2000) * 10.0 ** rng.integers(-300, 300, 2000)]
    path = tmp_path / "r.rnk"
    path.write_text("".join(f"G{i}\t{v!r}\n" for i, v in enumerate(values)), encoding="utf-8")
    assert varenkopy.read_ranking(path).tolist() == values


def test_warnings_are_issued_once_and_logged(caplog):
    # Tied scores, a NaN score, a set left out for its size, and all scores
    # positive (random sets rarely score below zero: the tail stage gives the
    # BOTTOM set its p-value, with no warning).
    ranking = pd.Series({f"G{i}": float(40 - i // 2) for i in range(40)} | {"X": math.nan})
    sets = {"SMALL": ["G0"], "TOP": [f"G{i}" for i in range(6)],
            "BOTTOM": [f"G{i}" for i in range(30, 38)]}
    with caplog.at_level(logging.WARNING, logger="varenkopy"):
        with pytest.warns(varenkopy.VarenkoWarning) as record:
            df = varenkopy.gsea(ranking, sets, seed=3, min_size=2, n_perm_simple=5)
    texts = [str(w.message) for w in record]
    for needle in ("1 genes with NaN scores", "tie", "1 of 3 gene sets were left out",
                   "positive"):
        assert sum(needle in t for t in texts) == 1, (needle, texts)
    assert sorted(r.getMessage() for r in caplog.records if r.name == "varenkopy") == sorted(texts)
    assert not any("no p-value" in t for t in texts)
    assert not df["pval"].isna().any() and not df["nes"].isna().any()


def test_progress_bar_runs_to_the_end(example_ranks, example_gmt, capsys):
    df = varenkopy.gsea(example_ranks, example_gmt, progress=True, **OPTS)
    assert len(df) == 50
    assert "permutations" in capsys.readouterr().err or True  # the bar is transient (leave=False)


def test_notebook_without_ipywidgets_gets_the_text_bar_without_a_warning(small_ranks, small_gmt):
    # A notebook kernel as tqdm recognises it, with ipywidgets not importable:
    # tqdm would warn "IProgress not found" and fall back to the text bar.
    code = textwrap.dedent(f"""
        import sys, types, warnings
        import IPython
        sys.modules["ipykernel"] = types.ModuleType("ipykernel")
        sys.modules["ipykernel.zmqshell"] = types.ModuleType("ipykernel.zmqshell")
        sys.modules["ipywidgets"] = None
        import varenkopy
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            df = varenkopy.gsea({small_ranks!r}, {str(small_gmt)!r}, seed=1, min_size=1,
                                n_perm_simple=100, progress=True)
        assert len(df) == 3
        assert not caught, [str(w.message) for w in caught]
        import tqdm.auto
        assert tqdm.auto.tqdm.__module__ != "tqdm.notebook"
    """)
    pytest.importorskip("IPython")
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=120)
    assert proc.returncode == 0, proc.stderr
    assert "IProgress" not in proc.stderr and "Warning" not in proc.stderr


def test_bundled_data_equals_the_example_files(example_gmt, example_ranks):
    ranking = varenkopy.datasets.example_ranking()
    assert ranking.to_dict() == example_ranks and list(ranking.index) == list(example_ranks)
    assert varenkopy.datasets.hallmark() == varenkopy.read_gmt(example_gmt)


def test_gsea_releases_the_interpreter_lock(example_ranks, example_gmt):
    ticks = []
    stop = threading.Event()

    def ticker():
        while not stop.is_set():
            ticks.append(time.monotonic())
            time.sleep(0.01)

    thread = threading.Thread(target=ticker)
    thread.start()
    start = time.monotonic()
    varenkopy.gsea(example_ranks, example_gmt, seed=5, n_perm_simple=2000, min_size=1)
    end = time.monotonic()
    stop.set()
    thread.join()
    inside = [t for t in ticks if start < t < end]
    assert len(inside) >= 0.3 * (end - start) / 0.01


def test_overlapping_calls_of_both_kinds(example_ranks, example_gmt):
    expected_new = frame_key(varenkopy.gsea(example_ranks, example_gmt, **OPTS))
    expected_old = varenkopy.run_gsea_py(example_ranks, str(example_gmt), nPermSimple=200, seed=11, eps=1e-10)
    results: list = []
    errors: list = []

    def call(kind: str) -> None:
        try:
            if kind == "new":
                results.append(frame_key(varenkopy.gsea(example_ranks, example_gmt, **OPTS)) == expected_new)
            else:
                out = varenkopy.run_gsea_py(example_ranks, str(example_gmt), nPermSimple=200, seed=11, eps=1e-10)
                results.append(repr(out) == repr(expected_old))
        except BaseException as exc:  # noqa: BLE001 - reported below
            errors.append(exc)

    threads = [threading.Thread(target=call, args=(k,)) for k in ["new", "old"] * 3]
    for t in threads:
        t.start()
    for t in threads:
        t.join(timeout=300)
    assert not any(t.is_alive() for t in threads), "deadlock"
    assert not errors and results == [True] * 6


CHILD = textwrap.dedent("""
    import json, sys, time, warnings
    import varenkopy
    warnings.simplefilter("ignore")
    ranks = varenkopy.read_ranking(sys.argv[1])
    genes = list(ranks.index)
    # Strongly enriched sets of many sizes: every one goes through a long
    # multilevel refinement.
    sets = {f"S{k}": genes[:k:2] + genes[-k:-1:7] for k in range(40, 400, 2)}
    if sys.argv[4] == "run_gsea_py":
        with open(sys.argv[3], "w") as fh:
            fh.writelines(f"{k}\\tx\\t" + "\\t".join(v) + "\\n" for k, v in sets.items())
    print("start", flush=True)
    try:
        if sys.argv[4] == "gsea":
            varenkopy.gsea(ranks, sets, seed=1, max_size=5000, progress=False)
        else:
            varenkopy.run_gsea_py(ranks.to_dict(), sys.argv[3], seed=1, maxSize=5000)
        print(json.dumps({"interrupted": False}), flush=True)
    except KeyboardInterrupt:
        stopped = time.monotonic()
        df = varenkopy.gsea(ranks, sys.argv[2], seed=11, n_perm_simple=200, min_size=1)
        print(json.dumps({"interrupted": True, "at": stopped,
                          "rows": [list(map(repr, r)) for r in df.itertuples(index=False)]}),
              flush=True)
""")


@pytest.mark.parametrize("entry", ["gsea", "run_gsea_py"])
def test_ctrl_c_stops_a_long_run(tmp_path, example_gmt, entry):
    args = [sys.executable, "-c", CHILD, str(RNK), str(example_gmt), str(tmp_path / "long.gmt"), entry]
    with subprocess.Popen(args, stdout=subprocess.PIPE, text=True) as child:
        try:
            assert child.stdout.readline().strip() == "start"
            time.sleep(1.0)
            sent = time.monotonic()
            child.send_signal(signal.SIGINT)
            out, _ = child.communicate(timeout=120)
        finally:
            child.kill()
    result = json.loads(out)
    assert result["interrupted"]
    assert result["at"] - sent < 1.0
    fresh = varenkopy.gsea(varenkopy.read_ranking(RNK), example_gmt, seed=11, n_perm_simple=200,
                           min_size=1)
    assert result["rows"] == [list(map(repr, r)) for r in fresh.itertuples(index=False)]


def test_plots_take_the_same_forms(tmp_path, reference, example_ranks, example_gmt):
    image = varenkopy.plot_enrichment(example_ranks, reference["pathway"][0],
                                      tmp_path / "e.png", gene_sets=example_gmt)
    assert image.path == str(tmp_path / "e.png")
    assert image._repr_png_().startswith(b"\x89PNG")
    sets = varenkopy.read_gmt(example_gmt)
    table = varenkopy.plot_table(reference, sets, pd.Series(example_ranks), tmp_path / "t.png", top=5)
    assert table._repr_png_().startswith(b"\x89PNG")
    with pytest.raises(TypeError, match="argument 'gene_sets'"):
        varenkopy.plot_enrichment(example_ranks, "HALLMARK_HYPOXIA", tmp_path / "x.png")


@pytest.mark.parametrize("func, name, options, error, message", [
    ("table", "t.png", {"top": 0}, ValueError, "argument 'top': expected at least 1 row to draw, got 0"),
    ("table", "t.png", {"top": -3}, ValueError, "argument 'top': expected at least 1 row to draw, got -3"),
    ("table", "t.png", {"top": 2.0}, TypeError, "argument 'top': expected int, got float"),
    ("table", "t.png", {"drop": "padj"}, ValueError,
     "argument 'results': no column 'padj'; the table needs the columns pathway, nes, pval, padj"),
    ("table", "t.pdf", {}, ValueError, "'.pdf', but this function writes PNG images only"),
    ("table", "t.SVG", {}, ValueError, "varenkopy.pl (varenkopy.pl.enrichment"),
    ("enrichment", "e.jpg", {}, ValueError, "'.jpg', but this function writes PNG images only"),
    ("enrichment", "e.tar.svg", {}, ValueError, "for vector output such as SVG or PDF"),
    # Any case of .png, and no suffix at all, are written.
    ("enrichment", "e.PNG", {}, None, None),
    ("table", "table", {}, None, None),
])
def test_plot_arguments(tmp_path, reference, example_ranks, example_gmt, func, name, options,
                        error, message):
    out = tmp_path / name
    if func == "table":
        results = reference.drop(columns=[options.pop("drop")]) if "drop" in options else reference
        call = lambda: varenkopy.plot_table(results, example_gmt, example_ranks, out, **options)  # noqa: E731
    else:
        call = lambda: varenkopy.plot_enrichment(example_ranks, reference["pathway"][0], out,  # noqa: E731
                                                 gene_sets=example_gmt)
    if error is None:
        assert call().path == str(out) and out.read_bytes().startswith(b"\x89PNG")
        return
    with pytest.raises(error, match=re.escape(message)):
        call()
    assert not out.exists()


def _calls_here(record) -> list[tuple[str, int]]:
    return [(w.filename, w.lineno) for w in record]


def test_every_warning_points_at_the_callers_line(tmp_path, small_gmt):
    # Tied scores, a NaN score, a set left out for its size and an
    # all-positive ranking. (Rows without a p-value are now given one by
    # further permutations; the rare row that still has none is warned about
    # at the caller's line in test_skewed_rankings.)
    ranking = pd.Series({f"G{i}": float(40 - i // 2) for i in range(40)} | {"X": math.nan})
    sets = {"SMALL": ["G0"], "TOP": [f"G{i}" for i in range(6)],
            "BOTTOM": [f"G{i}" for i in range(30, 38)]}
    with warnings.catch_warnings(record=True) as record:
        warnings.simplefilter("always")
        line = sys._getframe().f_lineno + 1
        varenkopy.gsea(ranking, sets, seed=3, min_size=2, n_perm_simple=5)
        assert len(record) == 4
        assert set(_calls_here(record)) == {(__file__, line)}
        del record[:]
        line = sys._getframe().f_lineno + 1
        varenkopy.gsea_many({"a": ranking}, sets, seed=3, min_size=2, n_perm_simple=5)
        assert len(record) == 1  # the four, summarised once per call
        assert set(_calls_here(record)) == {(__file__, line)}
        del record[:]
        line = sys._getframe().f_lineno + 1
        varenkopy.plot_enrichment(ranking, ["G1", "G3"], tmp_path / "e.png")
        varenkopy.plot_table(pd.DataFrame({"pathway": ["TOP"], "nes": [1.0], "pval": [0.1],
                                           "padj": [0.1]}), sets, ranking, tmp_path / "t.png")
        assert [str(w.message) for w in record] == [
            "1 genes with NaN scores were dropped from the ranking"] * 2
        assert _calls_here(record) == [(__file__, line), (__file__, line + 1)]


@pytest.mark.parametrize("change, count", [
    # One score a billion times the largest of the others: most weights round to 0.
    ("giant", 15017),
    ("gsea_param", 15142),
])
def test_weights_lost_to_the_integer_scaling_are_counted(example_ranks, example_gmt, change,
                                                         count):
    ranks = pd.Series(example_ranks)
    options = dict(seed=1, n_perm_simple=100, mode="simple")
    if change == "giant":
        ranks.iloc[0] = 1e9 * ranks.abs().max()
    else:
        options["gsea_param"] = 50.0
    with warnings.catch_warnings(record=True) as record:
        warnings.simplefilter("always")
        varenkopy.gsea(ranks, example_gmt, **options)
    texts = [str(w.message) for w in record if "weight 0" in str(w.message)]
    assert texts == [
        f"{count} genes with a non-zero ranking score get weight 0 in the integer weights "
        "(summing to about 2^30) of the enrichment scores (the scores span too many orders of "
        "magnitude, or gsea_param is too large): enrichment scores may depart from the exact "
        "weighted running sum"]


def test_progress_bar_shows_the_running_stage_from_its_first_frame(capsys):
    from varenkopy._progress import ProgressBar

    bar = ProgressBar()
    bar(500, 1000, 0, 0, 0)
    bar(1000, 1000, 0, 0, 0)
    capsys.readouterr()
    bar(1000, 1000, 0, 7, 0)  # the multilevel stage starts
    bar.close()
    frames = [f for f in capsys.readouterr().err.split("\r") if "/7" in f]
    assert frames and all(f.startswith("multilevel groups") for f in frames), frames


POOL_CHILD = textwrap.dedent("""
    import warnings, varenkopy
    ranks = {f"G{i}": float(i - 10) for i in range(30)}
    sets = {"S": [f"G{i}" for i in range(0, 30, 3)]}
    warnings.simplefilter("always")
    with warnings.catch_warnings(record=True) as record:
        for threads in (1, None, 1, 2, 2, 3, 1):
            varenkopy.gsea(ranks, sets, seed=1, min_size=1, n_perm_simple=50, threads=threads)
    print("\\n".join(str(w.message) for w in record))
""")


def test_a_thread_count_the_pool_cannot_honour_is_warned_about_once():
    done = subprocess.run([sys.executable, "-c", POOL_CHILD], capture_output=True, text=True,
                          timeout=120)
    assert done.returncode == 0, done.stderr
    assert done.stdout.splitlines() == [
        "threads=2 is ignored: this process's worker pool already has 1 threads, fixed by its "
        "first analysis (warned once per process)"]
