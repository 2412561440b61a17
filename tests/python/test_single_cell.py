"""rankings_from_anndata on AnnData objects built here, with rank_genes_groups
results laid out as scanpy stores them (one structured-array field per group)."""
from __future__ import annotations

import re
import subprocess
import sys

import numpy as np
import pandas as pd
import pytest

import varenkopy

ad = pytest.importorskip("anndata")

N_GENES = 6000
GENES = [f"G{i}" for i in range(N_GENES)]


def recarray(columns: dict[str, np.ndarray]) -> np.recarray:
    return np.rec.fromarrays(list(columns.values()), names=list(columns))


def make_adata(per_group: dict[str, tuple[list[str], np.ndarray]], key: str = "rank_genes_groups",
               n_vars: int = N_GENES):
    """An AnnData object with a rank_genes_groups result under `key`: per
    group, its genes (best first) and their scores."""
    adata = ad.AnnData(obs=pd.DataFrame(index=["c0", "c1"]), var=pd.DataFrame(index=GENES[:n_vars]))
    names = recarray({g: np.array(genes, dtype=object) for g, (genes, _) in per_group.items()})
    scores = recarray({g: np.asarray(s, dtype=np.float32) for g, (_, s) in per_group.items()})
    lfc = recarray({g: np.asarray(s, dtype=np.float32) / 2 for g, (_, s) in per_group.items()})
    pvals = recarray({g: np.full(len(s), 0.5) for g, (_, s) in per_group.items()})
    adata.uns[key] = {"params": {"groupby": "leiden", "reference": "rest", "method": "t-test"},
                      "names": names, "scores": scores, "logfoldchanges": lfc, "pvals": pvals}
    return adata


def full_groups(rng: np.random.Generator, groups: list[str]) -> dict[str, tuple[list[str], np.ndarray]]:
    """Every gene ranked in every group, best first, as scanpy orders them."""
    out = {}
    for group in groups:
        scores = np.linspace(3, -3, N_GENES, dtype=np.float32)  # distinct, none zero
        out[group] = ([GENES[i] for i in rng.permutation(N_GENES)], scores)
    return out


def test_every_group_becomes_a_column_of_its_own_scores():
    per_group = full_groups(np.random.default_rng(1), ["0", "1", "10"])
    frame = varenkopy.rankings_from_anndata(make_adata(per_group))
    assert list(frame.columns) == ["0", "1", "10"] and frame.index.name == "gene"
    assert sorted(frame.index) == sorted(GENES) and frame.dtypes.eq(np.float64).all()
    for group, (genes, scores) in per_group.items():
        assert frame[group].loc[genes].tolist() == scores.astype(np.float64).tolist()


def test_groups_score_and_key_choose_what_is_read():
    per_group = full_groups(np.random.default_rng(2), ["a", "b", "c"])
    adata = make_adata(per_group, key="wilcoxon")
    frame = varenkopy.rankings_from_anndata(adata, key="wilcoxon", score="logfoldchanges",
                                            groups=["c", "a"])
    assert list(frame.columns) == ["c", "a"]
    genes, scores = per_group["c"]
    assert frame["c"].loc[genes].tolist() == (scores / 2).astype(np.float64).tolist()


def test_genes_missing_from_a_group_are_missing_cells_that_gsea_many_drops(small_gmt):
    rng = np.random.default_rng(3)
    # Each group's best 5500 genes (rank_genes_groups with n_genes=5500).
    per_group = {g: (genes[:5500], s[:5500]) for g, (genes, s) in full_groups(rng, ["x", "y"]).items()}
    frame = varenkopy.rankings_from_anndata(make_adata(per_group))
    genes = per_group["y"][0]
    assert len(frame) == len(set(per_group["x"][0]) | set(genes))
    assert frame.notna().sum().tolist() == [5500, 5500]
    assert frame.loc[sorted(set(GENES) - set(genes) & set(frame.index)), "y"].isna().all()
    sets = {"S1": genes[:30], "S2": sorted(set(GENES) - set(genes))[:40]}
    with pytest.warns(varenkopy.VarenkoWarning, match="signature 'y': 1 of 2 gene sets were left out"):
        res = varenkopy.gsea_many(frame, sets, seed=4, n_perm_simple=100, min_size=1)
    with pytest.warns(varenkopy.VarenkoWarning, match="1 of 2 gene sets were left out"):
        alone = varenkopy.gsea(frame["y"].dropna(), sets, seed=varenkopy.signature_seed(4, 1),
                               n_perm_simple=100, min_size=1)
    rows = res[res["signature"] == "y"].drop(columns="signature").reset_index(drop=True)
    pd.testing.assert_frame_equal(rows, alone)
    # S2 lies wholly among the genes group y did not rank.
    assert list(alone["pathway"]) == ["S1"]


@pytest.mark.parametrize("n_ranked", [100, 2000])
def test_a_truncated_universe_warns_and_says_how_to_rank_all_genes(n_ranked):
    per_group = full_groups(np.random.default_rng(5), ["0", "1"])
    per_group = {g: (genes[:n_ranked], s[:n_ranked]) for g, (genes, s) in per_group.items()}
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        frame = varenkopy.rankings_from_anndata(make_adata(per_group))
    assert len(record) == 1 and record[0].filename == __file__
    text = str(record[0].message)
    assert f"only {n_ranked} genes (adata has {N_GENES})" in text
    assert "truncated gene universe is biased" in text and "n_genes=adata.n_vars" in text
    assert frame.notna().sum().tolist() == [n_ranked, n_ranked]


def test_highly_variable_genes_only_warn_even_when_every_gene_is_ranked():
    hvg = GENES[:2000]
    rng = np.random.default_rng(6)
    per_group = {"0": (hvg, np.sort(rng.normal(size=2000))[::-1])}
    with pytest.warns(varenkopy.VarenkoWarning, match=re.escape(
            "adata holds only 2000 genes and the rankings in adata.uns['rank_genes_groups'] "
            "hold all of them: the data set itself is small")):
        varenkopy.rankings_from_anndata(make_adata(per_group, n_vars=2000))


def frame_result(names: dict[object, list[object]], scores: dict[object, list[object]],
                 duplicate: bool = False):
    """An AnnData object whose result holds DataFrames (one column per group)."""
    adata = make_adata(full_groups(np.random.default_rng(9), ["0"]))
    tables = [pd.DataFrame(names), scores if isinstance(scores, np.ndarray) else pd.DataFrame(scores)]
    if duplicate:
        tables = [pd.concat([t, t], axis=1) for t in tables]
    adata.uns["rank_genes_groups"].update(names=tables[0], scores=tables[1])
    return adata


GENES3 = ["A", "B", "C"]
MALFORMED = [
    ("datetime", {"g": GENES3}, {"g": pd.to_datetime(["2024-01-01"] * 3)}, False, TypeError,
     "adata.uns['rank_genes_groups']['scores'] of group 'g' holds values that are not real "
     "numbers (dtype datetime64[ns])"),
    ("timedelta", {"g": GENES3}, {"g": pd.to_timedelta([1, 2, 3], unit="s")}, False, TypeError,
     "holds values that are not real numbers (dtype timedelta64[ns])"),
    ("complex", {"g": GENES3}, {"g": [1j, 2.0, 3.0]}, False, TypeError,
     "holds values that are not real numbers (dtype complex128)"),
    ("boolean", {"g": GENES3}, {"g": [True, False, True]}, False, TypeError,
     "holds values that are not real numbers (dtype bool)"),
    ("boolean-objects", {"g": GENES3}, {"g": pd.Series([np.bool_(True), 1.0, 2.0], dtype=object)},
     False, TypeError, "holds values that are not real numbers (bool)"),
    ("group-missing-from-scores", {"g1": GENES3, "g2": GENES3}, {"g1": [1.0, 2.0, 3.0]}, False,
     ValueError, "adata.uns['rank_genes_groups']['scores'] has no group 'g2', which 'names' "
     "has (its groups are ['g1']); the result is incomplete"),
    ("scores-shorter-than-names", {"g": GENES3}, recarray({"g": np.array([1.0, 2.0])}), False,
     ValueError, "adata.uns['rank_genes_groups']['scores'] of group 'g' holds 2 values for the "
     "3 genes of 'names'"),
    ("repeated-group", {"g": GENES3}, {"g": [1.0, 2.0, 3.0]}, True, ValueError,
     "adata.uns['rank_genes_groups']['names'] has group 'g' more than once"),
]


@pytest.mark.parametrize("names, scores, duplicate, error, message", [c[1:] for c in MALFORMED],
                         ids=[c[0] for c in MALFORMED])
def test_malformed_results_say_what_is_wrong(names, scores, duplicate, error, message):
    adata = frame_result(names, scores, duplicate)
    with pytest.raises(error, match=re.escape(message)):
        varenkopy.rankings_from_anndata(adata)


def test_integer_group_labels_are_read_as_their_text():
    adata = frame_result({0: GENES3, 1: GENES3}, {0: [3.0, 2.0, 1.0], 1: [1.0, 2.0, 3.0]})
    with pytest.warns(varenkopy.VarenkoWarning, match="hold only 3 genes"):
        frame = varenkopy.rankings_from_anndata(adata, groups=["1"])
    assert list(frame.columns) == ["1"] and frame["1"].tolist() == [1.0, 2.0, 3.0]


@pytest.mark.parametrize(
    ("kwargs", "error", "message"),
    [
        ({"key": "rank_genes"}, KeyError,
         "argument 'key': adata.uns has no 'rank_genes': rank_genes_groups results are under "
         "['rank_genes_groups', 'wilcoxon']"),
        ({"score": "zscores"}, KeyError,
         "argument 'score': adata.uns['rank_genes_groups'] has no 'zscores'; it has "
         "['scores', 'logfoldchanges', 'pvals']"),
        ({"groups": ["0", "7"]}, KeyError,
         "argument 'groups': ['7'] not in adata.uns['rank_genes_groups']; its groups are ['0', '1']"),
        ({"groups": "0"}, TypeError, "argument 'groups': expected a sequence of str, got str"),
        ({"key": "hvg"}, ValueError,
         "adata.uns['hvg'] is not a rank_genes_groups result: it has no 'names'"),
    ],
    ids=["key", "score", "group", "groups-str", "not-a-result"],
)
def test_wrong_keys_name_what_is_there(kwargs, error, message):
    adata = make_adata(full_groups(np.random.default_rng(7), ["0", "1"]))
    adata.uns["wilcoxon"] = adata.uns["rank_genes_groups"]
    adata.uns["hvg"] = {"flavor": "seurat"}
    with pytest.raises(error, match=re.escape(message)):
        varenkopy.rankings_from_anndata(adata, **kwargs)


def test_no_result_at_all_says_to_run_rank_genes_groups_first():
    adata = ad.AnnData(obs=pd.DataFrame(index=["c0"]), var=pd.DataFrame(index=GENES[:3]))
    adata.uns["log1p"] = {"base": None}
    with pytest.raises(KeyError, match=re.escape(
            "adata.uns has no 'rank_genes_groups': no rank_genes_groups result is there "
            "(keys: ['log1p']); run sc.tl.rank_genes_groups first")):
        varenkopy.rankings_from_anndata(adata)


@pytest.mark.parametrize("adata", [{"uns": {}}, pd.DataFrame(), None], ids=["dict", "frame", "none"])
def test_only_anndata_objects_are_accepted(adata):
    with pytest.raises(TypeError, match=r"argument 'adata': expected an AnnData object, got "):
        varenkopy.rankings_from_anndata(adata)


def test_a_gene_twice_in_one_group_is_refused():
    per_group = full_groups(np.random.default_rng(8), ["0"])
    genes, scores = per_group["0"]
    per_group["0"] = ([*genes[:-1], genes[0]], scores)
    with pytest.raises(ValueError, match=re.escape(f"group '0' of adata.uns['rank_genes_groups'] "
                                                   f"holds gene '{genes[0]}' twice")):
        varenkopy.rankings_from_anndata(make_adata(per_group))


def test_import_varenkopy_imports_neither_anndata_nor_scanpy():
    code = ("import sys, varenkopy; varenkopy.rankings_from_anndata; "
            "print(sorted(m for m in ('anndata', 'scanpy') if m in sys.modules))")
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == "[]"
