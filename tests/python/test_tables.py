"""Rankings from differential-expression tables (ranking_from_table), and the
one rule for repeated gene names shared by gsea, gsea_many, read_ranking,
ranking_from_table and the command line."""
from __future__ import annotations

import doctest
import math
import re
import subprocess
import sys
import warnings
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import varenkopy
from varenkopy._tables import ranking_from_table as _impl

FAST = dict(n_perm_simple=200, min_size=5, eps=1e-10)
MISSING = "missing"  # the gene has no score after the rule


def lg(p: float) -> float:
    return float(-np.log10(p))


@pytest.fixture(scope="module")
def few_sets(tmp_path_factory: pytest.TempPathFactory, example_gmt: Path) -> Path:
    path = tmp_path_factory.mktemp("tables") / "few.gmt"
    lines = example_gmt.read_text(encoding="utf-8").splitlines(keepends=True)[:6]
    path.write_text("".join(lines), encoding="utf-8")
    return path


def as_pairs(series: pd.Series) -> list[tuple[str, float]]:
    return list(zip(series.index, series.tolist(), strict=True))


# Tables as the usual exports read into pandas, and the ranking each gives.
DESEQ2 = pd.DataFrame({
    "Unnamed: 0": ["A", "B", "C", "D"],  # R's write.csv row names
    "baseMean": [10.0, 20.0, 30.0, 40.0],
    "log2FoldChange": [1.5, -0.3, 0.0, -2.0],
    "lfcSE": [0.1, 0.2, 0.3, 0.4],
    "stat": [5.0, -1.0, 0.0, -7.0],
    "pvalue": [1e-6, 0.3, 1.0, 1e-12],
    "padj": [1e-5, 0.5, 1.0, 1e-11],
})
EDGER = pd.DataFrame({"logFC": [2.0, -1.0], "logCPM": [5.0, 6.0], "F": [30.0, 4.0],
                      "PValue": [1e-4, 0.05], "FDR": [2e-4, 0.05]}, index=["G1", "G2"])
LIMMA = pd.DataFrame({"logFC": [0.5, -0.7], "AveExpr": [8.0, 9.0], "t": [3.0, -4.5],
                      "P.Value": [0.01, 0.001], "adj.P.Val": [0.02, 0.002], "B": [1.0, 2.0]},
                     index=pd.Index(["X", "Y"], name="gene"))
SCANPY = pd.DataFrame({"names": ["M", "N"], "scores": [9.0, -2.0],
                       "logfoldchanges": [3.0, -0.5], "pvals": [1e-20, 0.04],
                       "pvals_adj": [1e-18, 0.08]})

RANKINGS = [
    ("deseq2-signed-log10p", DESEQ2, {},
     [("A", lg(1e-6)), ("B", -lg(0.3)), ("C", 0.0), ("D", -lg(1e-12))]),
    ("deseq2-stat", DESEQ2, {"method": "score"},
     [("A", 5.0), ("B", -1.0), ("C", 0.0), ("D", -7.0)]),
    ("deseq2-lfc", DESEQ2, {"method": "lfc"},
     [("A", 1.5), ("B", -0.3), ("C", 0.0), ("D", -2.0)]),
    ("edger-index", EDGER, {}, [("G1", lg(1e-4)), ("G2", -lg(0.05))]),
    ("limma-t", LIMMA, {"method": "score"}, [("X", 3.0), ("Y", -4.5)]),
    ("limma-index", LIMMA, {}, [("X", lg(0.01)), ("Y", -lg(0.001))]),
    ("index-named", LIMMA.rename_axis("ID"), {"gene": "ID"},
     [("X", lg(0.01)), ("Y", -lg(0.001))]),
    ("scanpy", SCANPY, {}, [("M", lg(1e-20)), ("N", -lg(0.04))]),
    ("scanpy-scores", SCANPY, {"method": "score"}, [("M", 9.0), ("N", -2.0)]),
    ("named-columns", pd.DataFrame({"sym": ["P", "Q"], "raw": [0.5, 0.01], "eff": [-1.0, 1.0],
                                    "pvalue": [0.9, 0.9]}),
     {"gene": "sym", "pvalue": "raw", "lfc": "eff"}, [("P", -lg(0.5)), ("Q", lg(0.01))]),
    ("gene-none-is-the-index", pd.DataFrame({"gene": ["no", "no"], "lfc": [1.0, 2.0]},
                                            index=["R", "S"]),
     {"gene": None, "method": "lfc"}, [("R", 1.0), ("S", 2.0)]),
    ("case-of-names", pd.DataFrame({"Symbol": ["T"], "LOG2FC": [-1.0], "P_Value": [0.1]}), {},
     [("T", -lg(0.1))]),
    ("integer-gene-ids", pd.DataFrame({"gene_id": [7157, 4609], "logFC": [1.0, -1.0],
                                       "PValue": [0.1, 0.2]}), {},
     [("7157", lg(0.1)), ("4609", -lg(0.2))]),
    ("nullable-dtypes", pd.DataFrame({"gene": ["U", "V"],
                                      "logFC": pd.array([1.0, -2.0], dtype="Float64"),
                                      "PValue": pd.array([0.5, 0.25], dtype="Float64")}), {},
     [("U", lg(0.5)), ("V", -lg(0.25))]),
    ("multiindex-columns", pd.DataFrame({("de", "gene"): ["W"], ("de", "logFC"): [-1.0],
                                         ("de", "PValue"): [0.1]}), {}, [("W", -lg(0.1))]),
    ("integer-index-when-asked", pd.DataFrame({"logFC": [1.0], "PValue": [0.1]}, index=[7157]),
     {"gene": None}, [("7157", lg(0.1))]),
]


@pytest.mark.parametrize("table, options, expected", [c[1:] for c in RANKINGS],
                         ids=[c[0] for c in RANKINGS])
def test_rankings_from_common_tables(table: pd.DataFrame, options: dict[str, object],
                                     expected: list[tuple[str, float]]) -> None:
    ranking = varenkopy.ranking_from_table(table, **options)  # type: ignore[arg-type]
    assert ranking.name == "score" and ranking.index.name == "gene"
    assert ranking.dtype == np.float64 and ranking.index.dtype == object
    assert as_pairs(ranking) == [(g, pytest.approx(s, rel=1e-15)) for g, s in expected]
    # p = 1 with a negative fold change, and a fold change of 0, give +0.0.
    assert all(math.copysign(1.0, s) > 0 for s in ranking if s == 0)


def test_signs_of_zero_scores() -> None:
    table = pd.DataFrame({"gene": ["A", "B", "C"], "logFC": [-1.0, 0.0, -0.0],
                          "PValue": [1.0, 1e-3, 1e-3]})
    ranking = varenkopy.ranking_from_table(table)
    assert [math.copysign(1.0, s) for s in ranking] == [1.0, 1.0, 1.0]
    assert ranking.tolist() == [0.0, 0.0, 0.0]


COLUMNS = "'gene', 'logFC', 'stat'"
ERRORS = [
    ("not-a-frame", {"A": 1.0}, {}, TypeError, "argument 'table': expected a pandas DataFrame, "
     "got dict"),
    ("method", "frame", {"method": "wald"}, ValueError,
     "argument 'method': expected one of 'signed_log10p', 'lfc', 'score', got 'wald'"),
    ("duplicates", "frame", {"duplicates": "last"}, ValueError,
     "argument 'duplicates': expected one of 'error', 'max_abs', 'mean', 'first', got 'last'"),
    ("unused-column", "frame", {"score": "stat"}, ValueError,
     "argument 'score': not used by method='signed_log10p' (it uses pvalue and lfc)"),
    ("unused-pvalue", "frame", {"method": "lfc", "pvalue": "p"}, ValueError,
     "argument 'pvalue': not used by method='lfc' (it uses lfc)"),
    ("no-pvalue", "frame", {}, ValueError,
     "argument 'pvalue': no column of p-values found (looked for pvalue, pval, pvals, p.value, "
     f"p_value, p-value, p_val); name one with pvalue=... among the table's columns {COLUMNS}"),
    ("absent-column", "frame", {"method": "score", "score": "t"}, ValueError,
     f"argument 'score': the table has no column 't'; its columns are {COLUMNS}"),
    ("two-pvalue-columns", pd.DataFrame({"gene": ["A"], "logFC": [1.0], "pvalue": [0.1],
                                         "pval": [0.1]}), {}, ValueError,
     "argument 'pvalue': several columns could hold p-values ('pvalue', 'pval'); "
     "name one with pvalue=..."),
    ("two-gene-columns", pd.DataFrame({"gene_id": ["E1"], "gene_name": ["A"], "logFC": [1.0]}),
     {"method": "lfc"}, ValueError,
     "argument 'gene': several columns could hold the gene names ('gene_id', 'gene_name'); "
     "name one with gene=..., or gene=None for the index"),
    ("no-gene-column", pd.DataFrame({"logFC": [1.0], "x": ["A"]}), {"method": "lfc"},
     ValueError, "argument 'gene': no column of gene names found (looked for gene, genes, "
     "names, symbol, gene_symbol, gene_name, gene_id, id) and the index holds no gene names; "
     "name one with gene=... among the table's columns 'logFC', 'x'"),
    ("pvalue-above-1", pd.DataFrame({"gene": ["A", "B", "C"], "logFC": [1.0, 1.0, 1.0],
                                     "pvalue": [0.5, 1.5, -0.1]}), {}, ValueError,
     "argument 'pvalue': column 'pvalue' has 2 values outside [0, 1] ('B': 1.5, 'C': -0.1)"),
    ("infinite-score", "frame", {"method": "score"}, ValueError,
     "argument 'score': column 'stat' has 1 infinite values ('B': inf)"),
    ("text-column", pd.DataFrame({"gene": ["A"], "logFC": ["1.5"]}), {"method": "lfc"},
     TypeError, "argument 'lfc': column 'logFC' must hold numbers, got dtype"),
    ("bool-column", pd.DataFrame({"gene": ["A"], "logFC": [True]}), {"method": "lfc"},
     TypeError, "argument 'lfc': column 'logFC' must hold numbers, got dtype bool"),
    ("float-gene-names", pd.DataFrame({"gene": [1.0, 2.0], "logFC": [1.0, 2.0]}),
     {"method": "lfc"}, TypeError,
     "argument 'gene': gene names in column 'gene' must be str, got float"),
    ("sorted-table-row-numbers", pd.DataFrame({"logFC": [1.0, -1.0], "PValue": [0.1, 0.2]},
                                              index=[3, 1]), {}, ValueError,
     "argument 'gene': no column of gene names found (looked for gene, genes, names, symbol, "
     "gene_symbol, gene_name, gene_id, id) and the index holds integers, most likely row "
     "numbers of a sorted or filtered table; name the gene column with gene=..."),
    ("complex-column", pd.DataFrame({"gene": ["A"], "logFC": [1 + 2j]}), {"method": "lfc"},
     TypeError, "argument 'lfc': column 'logFC' must hold numbers, got dtype complex128"),
    ("numpy-bool-objects", pd.DataFrame({"gene": ["A", "B"], "logFC": pd.Series(
        [np.bool_(True), 1.0], dtype=object)}), {"method": "lfc"}, TypeError,
     "argument 'lfc': column 'logFC' must hold numbers, got dtype object"),
    ("empty-gene-name", pd.DataFrame({"gene": ["A", ""], "logFC": [1.0, 2.0]}),
     {"method": "lfc"}, ValueError, "argument 'gene': column 'gene' holds 1 empty or blank "
     "gene names (the first on row 1, counted from 0: '')"),
    ("blank-gene-name", pd.DataFrame({"gene": [" "], "logFC": [1.0]}), {"method": "lfc"},
     ValueError, "argument 'gene': column 'gene' holds 1 empty or blank gene names (the "
     "first on row 0, counted from 0: ' ')"),
    ("part-of-a-multiindex-label", pd.DataFrame({("de", "gene"): ["A"], ("de", "logFC"): [1.0]}),
     {"method": "lfc", "gene": "de"}, ValueError, "argument 'gene': 'de' selects 2 columns of "
     "the table's columns of several levels; name one whole column by all its levels, such "
     "as gene=('de', 'gene')"),
    ("repeated-genes", pd.DataFrame({"gene": ["A", "B", "A", "B", "C"],
                                     "stat": [1.0, 2.0, 3.0, 4.0, 5.0]}), {"method": "score"},
     ValueError, "argument 'table': 2 gene names occur more than once ('A', 'B'); keep one "
     "score per gene, or pass duplicates='max_abs', 'mean' or 'first'"),
]


@pytest.mark.parametrize("table, options, error, message", [c[1:] for c in ERRORS],
                         ids=[c[0] for c in ERRORS])
def test_errors_name_the_argument_and_the_columns(table: object, options: dict[str, object],
                                                  error: type[Exception], message: str) -> None:
    if isinstance(table, str):
        table = pd.DataFrame({"gene": ["A", "B"], "logFC": [1.0, -1.0],
                              "stat": [2.0, math.inf]})
    with pytest.raises(error, match="^" + re.escape(message)):
        varenkopy.ranking_from_table(table, **options)  # type: ignore[arg-type]


@pytest.mark.parametrize("frame", [DESEQ2.set_index("Unnamed: 0"),
                                   DESEQ2[["baseMean", "log2FoldChange"]]],
                         ids=["all-columns", "two-numeric-columns"])
def test_an_expression_table_given_to_gsea_points_to_ranking_from_table(
        frame: pd.DataFrame) -> None:
    with pytest.raises((ValueError, TypeError), match=r"^argument 'ranking': .*; this looks "
                       r"like a differential-expression table: make the ranking with "
                       r"varenkopy\.ranking_from_table\(table\)"):
        varenkopy.gsea(frame, {"S": ["A", "B"]})


# p-values of exactly 0, and values missing in a used column or as gene name.
WARNINGS = [
    ("zero-pvalues", ["A", "B", "C", "D"], [1.0, -1.0, 2.0, 1.0], [0.0, 0.0, 1e-200, 0.5], {},
     ["2 p-values of exactly 0 were replaced by 1e-201, a tenth of the smallest positive "
      "p-value of the table (1e-200)"],
     [("A", 201.0), ("B", -201.0), ("C", 200.0), ("D", lg(0.5))]),
    ("zero-pvalues-only", ["A", "B"], [1.0, -1.0], [0.0, 0.0], {},
     ["2 p-values of exactly 0 were replaced by 4.94e-324, the smallest positive double"],
     [("A", lg(5e-324)), ("B", -lg(5e-324))]),
    ("tenth-below-every-double", ["A", "B"], [1.0, -1.0], [0.0, 5e-324], {},
     ["1 p-values of exactly 0 were replaced by 4.94e-324, the smallest positive double"],
     [("A", lg(5e-324)), ("B", -lg(5e-324))]),
    ("nan-pvalue-and-fold-change", ["A", "B", "C", "D"], [1.0, math.nan, -1.0, 2.0],
     [0.1, 0.1, math.nan, 0.01], {},
     ["2 genes were dropped: their value in 'pvalue' or 'logFC' is missing (NaN)"],
     [("A", 1.0), ("D", 2.0)]),
    ("nan-fold-change-with-lfc", ["A", "B"], [math.nan, 3.0], [0.1, 0.1], {"method": "lfc"},
     ["1 genes were dropped: their value in 'logFC' is missing (NaN)"], [("B", 3.0)]),
    ("missing-gene-names", [None, "B", math.nan, "D"], [1.0, 2.0, 3.0, 4.0], [0.1] * 4,
     {"method": "lfc"}, ["2 rows without a gene name in column 'gene' were dropped"],
     [("B", 2.0), ("D", 4.0)]),
    ("nan-rows-of-a-repeated-gene-are-passed-over", ["A", "A", "B", "B"],
     [math.nan, 2.0, math.nan, math.nan], [0.1] * 4, {"method": "lfc", "duplicates": "first"},
     ["1 genes were dropped: their value in 'logFC' is missing (NaN)"], [("A", 2.0)]),
    ("adjusted-pvalues", ["A", "B"], [1.0, -1.0], [0.1, 0.01], {"pvalue": "padj"},
     ["argument 'pvalue': column 'padj' looks like adjusted p-values (or q-values); "
      "adjustment ties and caps them, losing the order of the genes: rank by the "
      "unadjusted p-values"], [("A", 1.0), ("B", -2.0)]),
]


@pytest.mark.parametrize("genes, folds, pvalues, options, messages, expected",
                         [c[1:] for c in WARNINGS], ids=[c[0] for c in WARNINGS])
def test_zero_and_missing_values_are_replaced_or_dropped_with_a_count(
        genes: list[object], folds: list[float], pvalues: list[float], options: dict[str, str],
        messages: list[str], expected: list[tuple[str, float]]) -> None:
    table = pd.DataFrame({"gene": pd.Series(genes, dtype=object), "logFC": folds,
                          "pvalue": pvalues, "padj": pvalues})
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        ranking = varenkopy.ranking_from_table(table, **options)  # type: ignore[arg-type]
    assert [str(w.message) for w in record] == messages
    assert all(w.filename == __file__ for w in record)  # the caller's line
    assert as_pairs(ranking) == [(g, pytest.approx(s, rel=1e-15)) for g, s in expected]
    assert np.isfinite(ranking).all()


def test_nothing_left_is_an_error() -> None:
    table = pd.DataFrame({"gene": ["A"], "logFC": [math.nan]})
    with pytest.warns(varenkopy.VarenkoWarning, match="1 genes were dropped"), \
            pytest.raises(ValueError, match=r"^argument 'table': no gene is left to rank$"):
        varenkopy.ranking_from_table(table, method="lfc")


# The choices for repeated names: genes keep their first position, NaN rows
# are passed over while the gene has a number, the first of equal absolute
# values wins.
GENES = ["A", "B", "A", "D", "B", "A", "D", "E"]
SCORES = [1.0, -3.0, -2.0, math.nan, 3.0, 2.0, 4.0, 0.5]
CHOICES = [
    ("first", [("A", 1.0), ("B", -3.0), ("D", 4.0), ("E", 0.5)]),
    ("max_abs", [("A", -2.0), ("B", -3.0), ("D", 4.0), ("E", 0.5)]),
    ("mean", [("A", 1.0 / 3.0), ("B", 0.0), ("D", 4.0), ("E", 0.5)]),
]


@pytest.mark.parametrize("how, expected", CHOICES, ids=[c[0] for c in CHOICES])
def test_every_entry_applies_the_same_duplicates_choice(
        how: str, expected: list[tuple[str, float]], tmp_path: Path) -> None:
    from varenkopy._inputs import ranks_dict

    table = pd.DataFrame({"gene": GENES, "stat": SCORES})
    assert as_pairs(varenkopy.ranking_from_table(table, method="score", duplicates=how)) \
        == expected
    path = tmp_path / "r.rnk"
    path.write_text("".join(f"{g}\t{s!r}\n" for g, s in zip(GENES, SCORES, strict=True)),
                    encoding="utf-8")
    assert as_pairs(varenkopy.read_ranking(path, duplicates=how)) == expected
    # What gsea() analyses.
    series = pd.Series(SCORES, index=GENES)
    assert list(ranks_dict(series, "ranking", how).items()) == expected


def test_repeated_names_in_a_file_are_kept_or_refused(tmp_path: Path) -> None:
    path = tmp_path / "r.rnk"
    path.write_text("A\t1\nB\t2\nA\t3\n", encoding="utf-8")
    assert as_pairs(varenkopy.read_ranking(path)) == [("A", 1.0), ("B", 2.0), ("A", 3.0)]
    with pytest.raises(ValueError, match="^" + re.escape(
            f"{path}: 1 gene names occur more than once ('A'); keep one score per gene, or "
            f"pass duplicates='max_abs', 'mean' or 'first'")):
        varenkopy.read_ranking(path, duplicates="error")


@pytest.mark.parametrize("entry", ["gsea", "gsea_many", "read_ranking", "ranking_from_table"])
@pytest.mark.parametrize("value, error, message", [
    ("drop", ValueError, "argument 'duplicates': expected one of {choices}, got 'drop'"),
    (None, TypeError, "argument 'duplicates': expected str, got NoneType"),
])
def test_bad_duplicates_values_are_refused_before_reading(
        entry: str, value: object, error: type[Exception], message: str, tmp_path: Path) -> None:
    choices = "'error', 'max_abs', 'mean', 'first'"
    if entry == "read_ranking":
        choices = "'keep', " + choices
    missing = tmp_path / "absent.rnk"
    call = {
        "gsea": lambda: varenkopy.gsea(missing, {"S": ["A"]}, duplicates=value),
        "gsea_many": lambda: varenkopy.gsea_many({"a": missing}, {"S": ["A"]},
                                                 duplicates=value),
        "read_ranking": lambda: varenkopy.read_ranking(missing, duplicates=value),
        "ranking_from_table": lambda: varenkopy.ranking_from_table(
            pd.DataFrame({"gene": ["A"], "stat": [1.0]}), method="score", duplicates=value),
    }[entry]
    with pytest.raises(error, match="^" + re.escape(message.format(choices=choices)) + "$"):
        call()


@pytest.fixture(scope="module")
def repeated(example_ranks: dict[str, float]) -> pd.Series:
    """The bundled ranking with three genes given a second, weaker or
    stronger, score on a later line."""
    series = pd.Series(example_ranks)
    extra = pd.Series({series.index[0]: -0.5, series.index[100]: 50.0,
                       series.index[-1]: 0.25})
    return pd.concat([series, extra])


@pytest.mark.parametrize("how", ["max_abs", "mean", "first"])
def test_gsea_and_gsea_many_analyse_the_resolved_ranking(how: str, repeated: pd.Series,
                                                         few_sets: Path) -> None:
    from varenkopy._inputs import ranks_dict

    resolved = ranks_dict(repeated, "ranking", how)
    assert len(resolved) == len(repeated) - 3
    expected = varenkopy.gsea(resolved, few_sets, seed=7, **FAST)
    got = varenkopy.gsea(repeated, few_sets, seed=7, duplicates=how, **FAST)
    pd.testing.assert_frame_equal(got, expected, check_exact=True)
    # A genes x signatures matrix whose index repeats the genes.
    matrix = repeated.to_frame("sig")
    many = varenkopy.gsea_many(matrix, few_sets, seed=3, duplicates=how, **FAST)
    alone = varenkopy.gsea(resolved, few_sets, seed=varenkopy.signature_seed(3, 0), **FAST)
    pd.testing.assert_frame_equal(many.drop(columns="signature"), alone, check_exact=True)


def run_cli(*args: object) -> subprocess.CompletedProcess[str]:
    return subprocess.run([sys.executable, "-m", "varenkopy", *map(str, args)],
                          capture_output=True, text=True, timeout=300)


def test_command_line_duplicates_option(repeated: pd.Series, few_sets: Path,
                                        tmp_path: Path) -> None:
    source, out = tmp_path / "repeated.rnk", tmp_path / "out.tsv"
    source.write_text("".join(f"{g}\t{s!r}\n" for g, s in repeated.items()), encoding="utf-8")
    proc = run_cli("gsea", source, few_sets, "-o", out, "--seed", 1)
    assert proc.returncode == 1 and not out.exists()
    first = repeated.index[0]
    assert proc.stderr == (
        f"varenkopy: error: {source}: 3 gene names occur more than once ({first!r}, "
        f"{repeated.index[100]!r}, {repeated.index[-4]!r}); keep one score per gene, or pass "
        f"--duplicates max_abs, mean or first\n")
    proc = run_cli("gsea", source, few_sets, "-o", out, "--seed", 1, "--duplicates", "max_abs",
                   "--n-perm-simple", 200)
    assert proc.returncode == 0, proc.stderr
    expected = varenkopy.gsea(varenkopy.read_ranking(source, duplicates="max_abs"), few_sets,
                              seed=1, n_perm_simple=200)
    got = pd.read_csv(out, sep="\t", keep_default_na=False, converters={"es": float})
    assert got["pathway"].tolist() == expected["pathway"].tolist()
    assert got["es"].tolist() == expected["es"].tolist()


def test_docstring_example_runs() -> None:
    finder = doctest.DocTestFinder()
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", varenkopy.VarenkoWarning)
        for test in finder.find(_impl, "ranking_from_table", globs={}):
            runner.run(test)
    results = runner.summarize(verbose=False)
    assert results.failed == 0 and results.attempted >= 4
