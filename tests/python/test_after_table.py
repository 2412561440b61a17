"""Leading-edge matrix, set overlap and the collapse of redundant sets."""
from __future__ import annotations

import math
import re
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import varenkopy

# Rows as gsea() returns them, enough for the functions that read results only.
_ROWS = [
    ("A", 1e-8, 2.5, 1e-6, ["g1", "g2", "g3"]),
    ("B", 1e-8, -3.0, 1e-6, ["g3", "g4"]),
    ("C", 1e-3, 1.5, 0.01, ["g1", "g3", "g5", "g6"]),
    ("D", 0.2, 1.1, 0.3, ["g7"]),
]


def _results() -> pd.DataFrame:
    frame = pd.DataFrame(_ROWS, columns=["pathway", "pval", "nes", "padj", "leading_edge"])
    frame["size"], frame["es"], frame["log2err"] = 10, frame["nes"] / 4, 0.5
    return frame


def test_leading_edge_matrix_orders_sets_by_strength_and_genes_by_sharing() -> None:
    le = varenkopy.leading_edge_matrix(_results())
    # B ties A on p-value and wins on |NES|; D is not significant.
    assert list(le.columns) == ["B", "A", "C"]
    assert list(le.index) == ["g3", "g1", "g4", "g2", "g5", "g6"]
    assert le.dtypes.unique().tolist() == [np.dtype(bool)]
    for name, _, _, _, edge in _ROWS[:3]:
        assert set(le.index[le[name]]) == set(edge)
    assert list(varenkopy.leading_edge_matrix(_results(), top=1).columns) == ["B"]
    assert list(varenkopy.leading_edge_matrix(_results(), padj=0.001).columns) == ["B", "A"]


@pytest.mark.parametrize("on, metric, expected", [
    ("leading_edge", "jaccard", {("A", "B"): 1 / 4, ("A", "C"): 2 / 5, ("B", "D"): 0.0}),
    ("leading_edge", "overlap", {("A", "B"): 1 / 2, ("A", "C"): 2 / 3, ("C", "C"): 1.0}),
    ("members", "jaccard", {("A", "B"): 2 / 3, ("A", "C"): 1 / 4, ("D", "D"): 1.0}),
    ("members", "overlap", {("A", "B"): 1.0, ("B", "C"): 1 / 2}),
], ids=lambda v: str(v) if isinstance(v, str) else "")
def test_set_overlap(on: str, metric: str, expected: dict[tuple[str, str], float]) -> None:
    members = {"A": ["g1", "g2", "g3"], "B": ["g1", "g3"], "C": ["g3", "g9"],
               "D": ["g7"]}
    table = varenkopy.set_overlap(_results(), members, on=on, metric=metric)
    assert list(table.index) == list(table.columns) == ["A", "B", "C", "D"]
    np.testing.assert_array_equal(table.to_numpy(), table.to_numpy().T)
    for (a, b), value in expected.items():
        assert table.loc[a, b] == pytest.approx(value)


@pytest.mark.parametrize("call, error, message", [
    (lambda r: varenkopy.leading_edge_matrix(r.to_dict()), TypeError,
     "argument 'results': expected a DataFrame from varenkopy.gsea, got dict"),
    (lambda r: varenkopy.leading_edge_matrix(r.drop(columns="padj")), ValueError,
     "argument 'results': missing column(s) padj"),
    (lambda r: varenkopy.leading_edge_matrix(r, padj=2), ValueError,
     "argument 'padj': expected a number in [0, 1], got 2"),
    (lambda r: varenkopy.leading_edge_matrix(r, top=-1), ValueError,
     "argument 'top': must not be negative"),
    (lambda r: varenkopy.leading_edge_matrix(pd.concat([r, r])), ValueError,
     "argument 'results': gene set 'A' occurs more than once"),
    (lambda r: varenkopy.leading_edge_matrix(r.assign(signature=["s1", "s2", "s1", "s2"])),
     ValueError, "argument 'results': rows of several signatures"),
    (lambda r: varenkopy.set_overlap(r, on="genes"), ValueError,
     "argument 'on': expected one of leading_edge, members, got 'genes'"),
    (lambda r: varenkopy.set_overlap(r, metric="dice"), ValueError,
     "argument 'metric': expected one of jaccard, overlap, got 'dice'"),
    (lambda r: varenkopy.set_overlap(r, on="members"), ValueError,
     "argument 'gene_sets': needed for on='members'"),
    (lambda r: varenkopy.set_overlap(r, {"A": ["g1"]}, on="members"), ValueError,
     "argument 'gene_sets': no gene set named 'B' (a set of the results)"),
    (lambda r: varenkopy.collapse_redundant(r, {"g1": 1.0, "g2": 0.0}, {}), ValueError,
     "argument 'gene_sets': no gene set named 'B' (a significant set of the results)"),
    (lambda r: varenkopy.collapse_redundant(r, {"g1": 1.0}, {}, min_overlap=-0.1),
     ValueError, "argument 'min_overlap': expected a number in [0, 1], got -0.1"),
    (lambda r: varenkopy.collapse_redundant(r, {"g1": 1.0}, {}, seed=2**64), ValueError,
     "argument 'seed': expected an integer in [0, 2**64)"),
    (lambda r: varenkopy.collapse_redundant(r, {"g1": 1.0}, {}, eps=-1e-3), ValueError,
     "argument 'eps': expected a number in [0, 1], got -0.001"),
    (lambda r: varenkopy.collapse_redundant(r, {"g1": 1.0}, {}, progress="yes"), TypeError,
     "argument 'progress': expected bool or None, got str"),
])
def test_bad_arguments(call: object, error: type[Exception], message: str) -> None:
    with pytest.raises(error, match=re.escape(message)):
        call(_results())  # type: ignore[operator]


# A planted ranking: TOP holds the 20 best genes; ECHO is 16 of them plus 4
# from the middle, so it is enriched only through TOP's genes; OWN shares 8
# genes with TOP and has 12 more right below TOP's, so it stays enriched once
# TOP's genes are gone; DOWN sits at the bottom and overlaps nothing; NOISE
# is spread evenly over the ranking.
_GENES = [f"G{i}" for i in range(300)]
_PLANTED = {
    "TOP": _GENES[:20],
    "ECHO": _GENES[:16] + _GENES[150:154],
    "OWN": _GENES[12:20] + _GENES[20:32],
    "DOWN": _GENES[-20:],
    "NOISE": _GENES[7::15],
}


@pytest.fixture(scope="module")
def planted() -> tuple[dict[str, float], pd.DataFrame]:
    ranks = {g: 300.0 - i for i, g in enumerate(_GENES)}
    ranks.update({g: -float(i) for i, g in enumerate(_GENES[150:], start=1)})
    results = varenkopy.gsea(ranks, _PLANTED, seed=7, min_size=5)
    return ranks, results


def test_collapse_finds_the_planted_echo(planted: tuple[dict[str, float], pd.DataFrame],
                                        capsys: pytest.CaptureFixture[str]) -> None:
    ranks, results = planted
    out = varenkopy.collapse_redundant(results, ranks, _PLANTED, progress=True)
    assert "collapsing" in capsys.readouterr().err
    rows = out.set_index("pathway")
    assert rows.loc[["TOP", "OWN", "DOWN"], "independent"].tolist() == [True, True, True]
    assert rows.loc["ECHO", "independent"] == False  # noqa: E712
    assert rows.loc["ECHO", "parent"] == "TOP" and rows.loc["ECHO", "conditional_pval"] > 0.05
    assert not rows.loc["ECHO", "conditional_pval_at_eps"]
    # OWN is refined only down to padj / 2: its p-value is that bound, and said so.
    assert rows.loc["OWN", ["conditional_pval", "conditional_pval_at_eps"]].tolist() == [
        0.025, True]
    assert out.attrs["collapse_options"]["eps"] == 0.025
    fine = varenkopy.collapse_redundant(results, ranks, _PLANTED, eps=1e-12, progress=False)
    assert capsys.readouterr().err == ""
    own = fine.set_index("pathway").loc["OWN"]
    assert own[["conditional_pval", "conditional_pval_at_eps"]].tolist() == [1e-12, True]
    assert rows.loc["NOISE", "independent"] is pd.NA and rows.loc["NOISE", "parent"] is None
    # The input is left alone; the frame keeps its seed and records the collapse's.
    assert "independent" not in results.columns
    assert out.attrs["seed"] == results.attrs["seed"] == out.attrs["collapse_seed"]
    assert out.attrs["collapse_options"]["analyses"] == 1
    assert out[list(results.columns)].equals(results)


def test_collapse_is_reproducible_from_its_seed(
        planted: tuple[dict[str, float], pd.DataFrame]) -> None:
    ranks, results = planted
    runs = [varenkopy.collapse_redundant(results, ranks, _PLANTED, seed=s, min_overlap=0.0)
            for s in (3, 3, 4)]
    pd.testing.assert_frame_equal(runs[0], runs[1])
    assert not np.array_equal(runs[0]["conditional_pval"].to_numpy(),
                              runs[2]["conditional_pval"].to_numpy(), equal_nan=True)
    # A threshold above every overlap tests nothing: all significant sets stand.
    none = varenkopy.collapse_redundant(results, ranks, _PLANTED, min_overlap=1.0)
    assert none["independent"].dropna().all() and none.attrs["collapse_options"]["analyses"] == 0


@pytest.mark.parametrize("k, n, t", [
    (0, 71, 0.05), (0, 73, 0.05), (3, 200, 0.05), (25, 200, 0.05),
    (800, 20_000, 0.05), (1_150, 20_000, 0.05), (9, 10, 0.5), (0, 1, 0.3)])
def test_binomial_tails_of_the_sequential_test(k: int, n: int, t: float) -> None:
    from varenkopy._leading_edge import _binomial_tail, _settled_counts
    # Every term of the distribution, summed directly.
    pmf = [math.exp(math.lgamma(n + 1) - math.lgamma(j + 1) - math.lgamma(n - j + 1)
                    + j * math.log(t) + (n - j) * math.log1p(-t)) for j in range(n + 1)]
    lower_tail, upper_tail = math.fsum(pmf[:k + 1]), math.fsum(pmf[k:])
    for lower, tail in ((True, lower_tail), (False, upper_tail)):
        got = _binomial_tail(k, n, t, lower)
        # The far tail exactly; the near one only as a bound at least a half.
        assert got == pytest.approx(tail, rel=1e-9) or (got == 1.0 and tail > 0.4)
    assert _settled_counts(k, n, t) == (lower_tail <= 0.025 or upper_tail <= 0.025)


def test_repeated_draws_count_like_the_analysis(
        planted: tuple[dict[str, float], pd.DataFrame]) -> None:
    from varenkopy._analysis import analyse_pairs
    from varenkopy._leading_edge import _more_extreme
    ranks, _ = planted
    pairs = [(name, genes) for name, genes in _PLANTED.items() if name in ("ECHO", "DOWN", "NOISE")]
    rows = analyse_pairs(ranks, pairs, n_perm_simple=20_000, min_size=1, mode="simple",
                         seed=5, tallies=True)
    # The counts are those the p-values were estimated from.
    assert ((rows["n_more_extreme"] + 1) / (rows["n_same_sign"] + 1)).equals(rows["pval"])
    for row in rows.itertuples():
        drawn = np.frombuffer(varenkopy._core.random_set_scores(ranks, row.size, 20_000, 9))
        k, z = _more_extreme(drawn, row.es, "std")
        assert abs(z - row.n_same_sign) < 5 * math.sqrt(20_000 / 4)
        p = (k + 1) / (z + 1)
        assert abs(p - row.pval) < 5 * math.sqrt(row.pval / z) + 1e-3


def test_collapse_on_bundled_data_names_stronger_independent_parents(
        example_ranks: dict[str, float], example_gmt: Path) -> None:
    results = varenkopy.gsea(example_ranks, example_gmt, seed=42)
    out = varenkopy.collapse_redundant(results, example_ranks, example_gmt)
    significant = out[out["independent"].notna()]
    assert len(significant) == int((results["padj"] < 0.05).sum())
    # The verdicts of the guide. Fatty acid metabolism's p-value given oxidative
    # phosphorylation (0.053 from two million permutations) is near padj: only
    # the repeated runs of that test settle it.
    explained = significant[significant["independent"] == False]  # noqa: E712
    assert dict(zip(explained["pathway"], explained["parent"], strict=True)) == {
        "HALLMARK_COAGULATION": "HALLMARK_EPITHELIAL_MESENCHYMAL_TRANSITION",
        "HALLMARK_IL6_JAK_STAT3_SIGNALING": "HALLMARK_INTERFERON_GAMMA_RESPONSE",
        "HALLMARK_FATTY_ACID_METABOLISM": "HALLMARK_OXIDATIVE_PHOSPHORYLATION",
        "HALLMARK_NOTCH_SIGNALING": "HALLMARK_WNT_BETA_CATENIN_SIGNALING"}
    options = out.attrs["collapse_options"]
    assert options["runs"] > options["analyses"]
    position = {name: i for i, name in enumerate(out["pathway"])}
    for row in significant[significant["independent"] == False].itertuples():  # noqa: E712
        parent = out.iloc[position[row.parent]]
        assert parent["independent"] == True  # noqa: E712
        assert (parent["pval"], -abs(parent["nes"])) <= (row.pval, -abs(row.nes))


# Names that a results file must carry through: missing-value spellings,
# separators of both formats, quotes, a list's brackets, line breaks.
_AWKWARD_GENES = ["NA", "a,b", "[x", 'q"uote', "\u00fc", " sp", "TRUE", "1"] + _GENES[:60]
_AWKWARD_SETS = {"NA": _AWKWARD_GENES[:20], "tab\tname": _AWKWARD_GENES[:10] + _AWKWARD_GENES[40:50],
                 "new\nline": _AWKWARD_GENES[30:50], 'quo"te,c': _AWKWARD_GENES[::3],
                 "True": _AWKWARD_GENES[1::2], "[1]": _AWKWARD_GENES[5:25]}


@pytest.fixture(scope="module")
def awkward() -> dict[str, pd.DataFrame]:
    ranks = {g: float(len(_AWKWARD_GENES) - i) for i, g in enumerate(_AWKWARD_GENES)}
    options = dict(seed=3, min_size=5, n_perm_simple=100)
    with pytest.warns(varenkopy.VarenkoWarning):
        gsea = varenkopy.gsea(ranks, _AWKWARD_SETS, **options)  # type: ignore[arg-type]
        many = varenkopy.gsea_many({"s,1": ranks, "NA": {g: -s for g, s in ranks.items()}},
                                   _AWKWARD_SETS, **options)  # type: ignore[arg-type]
    # The set named "NA" explains another, so a parent reads "NA" too.
    collapsed = varenkopy.collapse_redundant(gsea, ranks, _AWKWARD_SETS, padj=0.5)
    assert "NA" in collapsed["parent"].tolist()
    return {"gsea": gsea, "gsea_many": many, "collapse": collapsed}


def _write(frame: pd.DataFrame, path: Path, how: str) -> None:
    from varenkopy import cli

    if how == "command-line":
        cli.write_tsv(frame, str(path))
    elif how == "to_csv":
        frame.to_csv(path)
    elif how == "to_csv-tab-no-index":
        frame.to_csv(path, sep="\t", index=False)
    else:
        frame.to_csv(path, compression="gzip")


@pytest.mark.parametrize("how", ["command-line", "to_csv", "to_csv-tab-no-index", "to_csv-gzip"])
@pytest.mark.parametrize("which", ["gsea", "gsea_many", "collapse"])
def test_read_results_gives_back_the_frame(awkward: dict[str, pd.DataFrame], which: str, how: str,
                                           tmp_path: Path) -> None:
    frame = awkward[which]
    path = tmp_path / "results.tsv"
    _write(frame, path, how)
    back = varenkopy.read_results(path)
    pd.testing.assert_frame_equal(back, frame, check_exact=True)
    # Only the command line records attrs; to_csv writes none.
    assert back.attrs == (frame.attrs if how == "command-line" else {})


def test_attrs_of_a_table_rewritten_since_are_not_used(awkward: dict[str, pd.DataFrame],
                                                       tmp_path: Path) -> None:
    from varenkopy import cli

    path = tmp_path / "results.tsv"
    cli.write_tsv(awkward["gsea"], str(path))
    cli.write_tsv(awkward["gsea"].head(2), str(path) + ".new")
    (tmp_path / "results.tsv.new").replace(path)
    with pytest.warns(varenkopy.VarenkoWarning, match="of another version of .*rewritten since"):
        assert varenkopy.read_results(path).attrs == {}


@pytest.mark.parametrize("text, message", [
    ("gene\tscore\nA\t1.0\n", "not a results table of varenkopy.gsea: no column 'pathway'"),
    ("pathway,es,nes,pval,padj,leading_edge\nS,0.5,x,0.1,0.2,A\n",
     "column 'nes', row 1: 'x' is not a number"),
    ("pathway,size,es,nes,pval,padj,leading_edge\nS,1.5,0.5,1,0.1,0.2,A\n",
     "column 'size', row 1: '1.5' is not a whole number"),
    ("pathway\tes\tnes\tpval\tpadj\tpval_at_eps\tleading_edge\nS\t1\t1\t1\t1\tNA\tA\n",
     "column 'pval_at_eps', row 1: 'NA' is not True or False"),
    ("", "empty; expected a results table"),
])
def test_read_results_names_the_file_column_and_row(text: str, message: str,
                                                    tmp_path: Path) -> None:
    path = tmp_path / "bad.csv"
    path.write_text(text, encoding="utf-8")
    with pytest.raises(ValueError, match=re.escape(f"{path}: {message}")):
        varenkopy.read_results(path)


def _entries() -> list[tuple[str, object]]:
    """Every function that takes a results frame, called on one."""
    def report(r: pd.DataFrame, tmp: Path) -> object:
        return varenkopy.write_report(r, {"g1": 1.0}, {"A": ["g1"]}, tmp / "report")

    return [
        ("leading_edge_matrix", lambda r, tmp: varenkopy.leading_edge_matrix(r)),
        ("set_overlap", lambda r, tmp: varenkopy.set_overlap(r)),
        ("collapse_redundant", lambda r, tmp: varenkopy.collapse_redundant(r, {"g1": 1.0}, {})),
        ("write_report", report),
        ("pl.barplot", lambda r, tmp: varenkopy.pl.barplot(r)),
        ("pl.dotplot", lambda r, tmp: varenkopy.pl.dotplot(r)),
        ("pl.leading_edge_heatmap", lambda r, tmp: varenkopy.pl.leading_edge_heatmap(r)),
        ("pl.enrichment", lambda r, tmp: varenkopy.pl.enrichment({"g1": 1.0}, ["g1"], "A",
                                                                result=r)),
    ]


@pytest.mark.parametrize("damage", ["text-leading-edges", "independent-with-nan"])
@pytest.mark.parametrize("name, call", _entries(), ids=[n for n, _ in _entries()])
def test_results_read_as_text_are_refused_naming_read_results(
        name: str, call: object, damage: str, tmp_path: Path) -> None:
    if name.startswith(("pl.", "write_report")):
        pytest.importorskip("matplotlib")
    path = tmp_path / "results.csv"
    frame = _results().assign(independent=pd.array([True, False, True, pd.NA], dtype="boolean"),
                              pval_at_eps=False)
    frame.to_csv(path, index=False)
    read = pd.read_csv(path)
    if damage == "independent-with-nan":
        read["leading_edge"] = frame["leading_edge"]
        column = "independent"
    else:
        column = "leading_edge"
    if name == "pl.enrichment":
        read = read.head(1)
    with pytest.raises(TypeError, match=rf"column '{column}' .*varenkopy\.read_results\(path\)"):
        call(read, tmp_path)  # type: ignore[operator]
