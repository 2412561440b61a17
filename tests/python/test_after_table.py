"""Leading-edge matrix, set overlap and the collapse of redundant sets."""
from __future__ import annotations

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
