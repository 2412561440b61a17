"""Strongly one-sided rankings: gene sets whose ES sign the random sets of their
size almost never reach still get a p-value and an NES from gsea(), the rows
run_gsea_py fills stay as they are, and p-values at the floor say so."""
from __future__ import annotations

import math
import os
import subprocess
import sys
import textwrap
import warnings
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import varenkopy
from varenkopy import _core

# Random gene sets of 80 and 100 genes score below 0 about 7 and 3 times in
# 1,000 on this ranking: the simple stage's 1,000 permutations leave the
# sets of these sizes spread over the lower half without a p-value.
N_GENES = 2000
SKEWED_SETS = {"NEG_100": (N_GENES - 1000, N_GENES, 10), "NEG_80": (N_GENES - 800, N_GENES, 10),
               "NEG_50": (N_GENES - 1000, N_GENES, 20),
               "TOP_100": (0, 100), "MIDDLE_60": (900, 960), "SPREAD_40": (0, N_GENES, 50)}
FILLED = {"NEG_100", "NEG_80"}
# 50 genes score below 0 a few dozen times in 1,000: run_gsea_py keeps the row
# with the fraction counted there, gsea() counts it again on its own draws.
RESAMPLED = {"NEG_50"}


def skewed_ranking() -> pd.Series:
    """Signed -log10 two-sided p-values of normal scores whose positive side is
    stretched twofold: the top reaches about 8.6, the bottom about -2.9."""
    z = np.random.default_rng(7).normal(size=N_GENES)
    z[z > 0] *= 2.0
    p = np.array([math.erfc(abs(v) / math.sqrt(2.0)) for v in z])
    scores = np.sort(np.sign(z) * -np.log10(p))[::-1]
    return pd.Series(scores, index=[f"G{i}" for i in range(N_GENES)])


def skewed_sets() -> dict[str, list[str]]:
    return {name: [f"G{i}" for i in range(*span)] for name, span in SKEWED_SETS.items()}


@pytest.fixture(scope="module")
def skewed() -> tuple[pd.Series, dict[str, list[str]]]:
    return skewed_ranking(), skewed_sets()


def specified_rows(ranking: pd.Series, sets: dict[str, list[str]], tmp_path: Path,
                   **options: object) -> dict[str, dict[str, object]]:
    gmt = tmp_path / "sets.gmt"
    gmt.write_text("".join(f"{k}\t\t" + "\t".join(v) + "\n" for k, v in sets.items()),
                   encoding="utf-8")
    rows = varenkopy.run_gsea_py(ranking.to_dict(), str(gmt), minSize=15, maxSize=500, **options)
    return {str(r["pathway"]): r for r in rows}


def same(a: object, b: object) -> bool:
    if isinstance(a, float) and isinstance(b, float) and math.isnan(a) and math.isnan(b):
        return True
    return a == b


def test_every_row_gets_numbers_and_filled_rows_stay_bit_identical(skewed, tmp_path):
    ranking, sets = skewed
    specified = specified_rows(ranking, sets, tmp_path, seed=42)
    empty = {k for k, r in specified.items() if math.isnan(float(r["pval"]))}
    assert empty == FILLED  # the case this behaviour is for

    with warnings.catch_warnings(record=True) as record:
        warnings.simplefilter("always")
        frame = varenkopy.gsea(ranking, sets, seed=42, progress=False)
    assert [str(w.message) for w in record] == []
    assert not frame[["nes", "pval", "padj"]].isna().any().any()
    assert (frame["log2err"].isna() == frame["pval_at_eps"]).all()
    for row in frame.to_dict("records"):
        old = specified[row["pathway"]]
        if row["pathway"] in empty:
            assert row["nes"] < -1.0 and 0.0 < row["pval"] < 1e-3 and row["log2err"] > 0.0
            continue
        if row["pathway"] in RESAMPLED:
            for key in ("es", "nes", "leading_edge"):
                assert row[key] == old[key], (row, key)
            assert row["pval"] != old["pval"] and row["log2err"] > old["log2err"], (row, old)
            assert abs(math.log2(row["pval"] / old["pval"])) < 2.0
            continue
        for key in ("size", "es", "nes", "pval", "log2err", "leading_edge"):
            assert same(row[key], old[key] if old[key] is not None else math.nan), (row, key)
    # padj adjusts every p-value together.
    pvals = frame["pval"].to_numpy()
    order = np.argsort(pvals, kind="stable")
    bh = np.minimum.accumulate((pvals[order] * len(pvals) / np.arange(1, len(pvals) + 1))[::-1])[::-1]
    assert np.allclose(frame["padj"].to_numpy()[order], np.minimum(bh, 1.0), rtol=1e-15)


@pytest.mark.parametrize("mode", ["simple", "multilevel"])
def test_other_modes_fill_the_rows_too(skewed, mode):
    ranking, sets = skewed
    frame = varenkopy.gsea(ranking, sets, seed=5, mode=mode, progress=False)
    assert not frame[["nes", "pval"]].isna().any().any(), frame


def test_filled_rows_follow_the_seed_and_gsea_many_agrees(skewed):
    ranking, sets = skewed
    first = varenkopy.gsea(ranking, sets, seed=42, progress=False)
    again = varenkopy.gsea(ranking, sets, seed=42, progress=False)
    other = varenkopy.gsea(ranking, sets, seed=43, progress=False)
    pd.testing.assert_frame_equal(first, again)
    pval = {name: first.set_index("pathway").loc[name, "pval"] for name in FILLED}
    assert any(pval[name] != other.set_index("pathway").loc[name, "pval"] for name in FILLED)

    many = varenkopy.gsea_many({"s": ranking}, sets, seed=42, progress=False)
    alone = varenkopy.gsea(ranking, sets, seed=varenkopy.signature_seed(42, 0), progress=False)
    pd.testing.assert_frame_equal(many.drop(columns="signature"), alone)


def test_filled_rows_do_not_depend_on_the_thread_count(skewed):
    script = textwrap.dedent(
        """
        import sys, warnings
        sys.path.insert(0, sys.argv[2])
        import varenkopy
        from test_skewed_rankings import skewed_ranking, skewed_sets
        warnings.simplefilter("ignore")
        frame = varenkopy.gsea(skewed_ranking(), skewed_sets(), seed=42, threads=int(sys.argv[1]),
                               progress=False)
        print(frame.drop(columns="leading_edge").to_dict("list"))
        """
    )
    env = {k: v for k, v in os.environ.items() if not k.startswith("VARENKO_")}
    env["PYTHONPATH"] = str(Path(varenkopy.__file__).parent.parent)
    outputs = []
    for threads in (1, 3):
        out = subprocess.run([sys.executable, "-c", script, str(threads), str(Path(__file__).parent)],
                             capture_output=True, text=True, timeout=300, env=env)
        assert out.returncode == 0, out.stderr
        outputs.append(out.stdout)
    assert outputs[0] == outputs[1]


def test_pval_at_eps_marks_p_values_cut_to_the_floor(skewed):
    ranking, sets = skewed
    frame = varenkopy.gsea(ranking, sets, seed=42, eps=1e-12, progress=False)
    assert frame["pval_at_eps"].dtype == bool
    at_floor = frame[frame["pval_at_eps"]]
    assert set(at_floor["pathway"]) >= {"TOP_100"}
    assert (at_floor["pval"] == 1e-12).all() and at_floor["log2err"].isna().all()
    rest = frame[~frame["pval_at_eps"]]
    assert (rest["pval"] > 1e-12).all() and rest["log2err"].notna().all()
    # Without a floor nothing is cut.
    assert not varenkopy.gsea(ranking, sets, seed=42, eps=0.0, progress=False)["pval_at_eps"].any()


def test_rows_without_numbers_are_named_in_the_warning():
    # Equal scores and genes 0 and 3 of 4: the running sum rises and falls by
    # the same amount, so the ES is exactly 0; 5 permutations are too few for
    # the simple stage, and a score without a sign gets no further ones.
    ranking = pd.Series(1.0, index=["G0", "G1", "G2", "G3"])
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        frame = varenkopy.gsea(ranking, {"ZERO": ["G0", "G3"]}, seed=1, min_size=2,
                               n_perm_simple=5, progress=False)
    assert frame.loc[0, "es"] == 0.0 and math.isnan(frame.loc[0, "pval"])
    named = [w for w in record if "no p-value" in str(w.message)]
    assert [str(w.message) for w in named] == [
        "1 gene sets have no p-value and no NES; ES exactly 0, no sign to compare with: ZERO"]
    assert named[0].filename == __file__


def test_random_set_scores_are_uniform_sets_scored_like_the_analysis():
    # Every 2-subset of 4 genes with unequal weights is equally likely, and
    # each is scored as the analysis scores that set.
    ranking = {"A": 4.0, "B": 3.0, "C": 2.0, "D": -1.0}
    scores = np.frombuffer(_core.random_set_scores(ranking, 2, 60000, 9), dtype=np.float64)
    pairs = [("A", "B"), ("A", "C"), ("A", "D"), ("B", "C"), ("B", "D"), ("C", "D")]
    expected = []
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        for pair in pairs:
            frame = varenkopy.gsea(pd.Series(ranking), {"P": list(pair)}, seed=1, min_size=2,
                                   n_perm_simple=10, mode="simple", progress=False)
            expected.append(frame.loc[0, "es"])
    values, counts = np.unique(np.round(scores, 12), return_counts=True)
    assert sorted(values) == sorted(set(np.round(expected, 12)))
    per_set = {v: sum(round(e, 12) == v for e in expected) for v in values}
    for value, count in zip(values, counts, strict=True):
        share = count / len(scores) / per_set[value]
        assert abs(share - 1 / 6) < 0.01, (value, share)


@pytest.mark.slow
def test_filled_rows_agree_with_brute_force(skewed):
    # Sets spread over the lower part of the ranking whose p-values 10^6 random
    # sets can still count (the multilevel sampler answers both).
    ranking, _ = skewed
    sets = {"W80": [f"G{i}" for i in range(N_GENES - 1600, N_GENES, 20)],
            "W75": [f"G{i}" for i in range(N_GENES - 1650, N_GENES, 22)]}
    # Over several seeds: no seed off by more than 3 log2err, and their mean
    # log2 ratio (a bias) within 3 standard errors.
    frames = [varenkopy.gsea(ranking, sets, seed=seed, progress=False).set_index("pathway")
              for seed in range(1, 9)]
    for name in sets:
        row = frames[0].loc[name]
        null = np.frombuffer(_core.random_set_scores(ranking.to_dict(), int(row["size"]), 10**6, 5),
                             dtype=np.float64)
        negative = null[null <= 0.0]
        k = int((negative <= row["es"]).sum())
        assert k >= 100, (name, k)
        p_bf = (k + 1) / (len(negative) + 1)
        bf_err = math.sqrt(1 / (k + 1) - 1 / (len(negative) + 1)) / math.log(2)
        ratios = [math.log2(f.loc[name, "pval"] / p_bf) for f in frames]
        errors = [math.hypot(f.loc[name, "log2err"], bf_err) for f in frames]
        assert all(abs(r) <= 3 * e for r, e in zip(ratios, errors, strict=True)), (name, ratios, errors)
        assert abs(np.mean(ratios)) <= 3 * np.sqrt(np.mean(np.square(errors)) / len(frames)), (
            name, ratios)
        assert row["nes"] == pytest.approx(row["es"] / abs(negative.mean()), rel=0.05)
