"""The package layer: readers, gsea() on every input form, warnings, plots,
interruption and overlapping runs."""
from __future__ import annotations

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
from pathlib import Path

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
                                       "leading_edge"]
    for rec in reference.to_dict("records"):
        row = by_name[rec["pathway"]]
        for key in ("size", "es", "pval", "leading_edge"):
            assert rec[key] == row[key] or (math.isnan(rec[key]) and math.isnan(row[key]))
        for key in ("nes", "padj", "log2err"):
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
])
def test_input_errors(ranking, gene_sets, error, match):
    if error is None:
        with pytest.warns(varenkopy.VarenkoWarning, match="left out"):
            varenkopy.gsea(ranking, gene_sets, seed=1, min_size=5)
        return
    with pytest.raises(error, match=match):
        varenkopy.gsea(ranking, gene_sets, seed=1)


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


@pytest.mark.parametrize("name, text", [
    ("r.rnk", "A\t1.5\nB\t-2\n"),
    ("r.tsv", "gene\tscore\nA\t1.5\nB\t-2\n"),
    ("r.csv", "gene,score\nA,1.5\nB,-2\n"),
    ("r.txt", "# comment\nA 1.5\nB   -2\n"),
])
def test_read_ranking_formats(tmp_path, name, text):
    path = tmp_path / name
    path.write_text(text, encoding="utf-8")
    ranks = varenkopy.read_ranking(path)
    assert ranks.to_dict() == {"A": 1.5, "B": -2.0}
    assert ranks.dtype == "float64"


def test_warnings_are_issued_once_and_logged(caplog):
    # Tied scores, a NaN score, a set left out for its size, and rows without a
    # p-value (all scores positive: no random set scores below zero).
    ranking = pd.Series({f"G{i}": float(40 - i // 2) for i in range(40)} | {"X": math.nan})
    sets = {"SMALL": ["G0"], "TOP": [f"G{i}" for i in range(6)],
            "BOTTOM": [f"G{i}" for i in range(30, 38)]}
    with caplog.at_level(logging.WARNING, logger="varenkopy"):
        with pytest.warns(varenkopy.VarenkoWarning) as record:
            df = varenkopy.gsea(ranking, sets, seed=3, min_size=2, n_perm_simple=5)
    texts = [str(w.message) for w in record]
    for needle in ("1 genes with NaN scores", "tie", "1 of 3 gene sets were left out",
                   "no p-value", "positive"):
        assert sum(needle in t for t in texts) == 1, (needle, texts)
    assert sorted(r.getMessage() for r in caplog.records if r.name == "varenkopy") == sorted(texts)
    assert df["pval"].isna().sum() >= 1 and df["nes"].isna().any()


def test_progress_bar_runs_to_the_end(example_ranks, example_gmt, capsys):
    df = varenkopy.gsea(example_ranks, example_gmt, progress=True, **OPTS)
    assert len(df) == 50
    assert "permutations" in capsys.readouterr().err or True  # the bar is transient (leave=False)


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
    # A name of another image format used to receive PNG bytes.
    for name, call in [("x.pdf", lambda p: varenkopy.plot_enrichment(
                           example_ranks, "HALLMARK_HYPOXIA", p, gene_sets=sets)),
                       ("x.SVG", lambda p: varenkopy.plot_table(reference, sets, example_ranks, p))]:
        suffix = name[1:].lower()
        plot = "enrichment" if name.endswith("pdf") else "barplot"
        with pytest.raises(ValueError, match=re.escape(
                f"argument 'path': this plot is written as PNG, not {suffix}; for SVG or PDF "
                f"use varenkopy.pl.{plot}(..., save={str(tmp_path / name)!r})")):
            call(tmp_path / name)
        assert not (tmp_path / name).exists()
