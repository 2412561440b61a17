"""Rows of the rare sign on a strongly one-sided ranking: their p-values against
brute force, and their calibration on null gene sets.

The ranking is the signed -log10(p) TCGA ranking of bench/skewed_bench.py. A
negative-ES row of a size whose random sets score below zero a few times in a
thousand gets its p-value as the multilevel estimate of P(ES <= es, ES < 0)
divided by the sign fraction P(ES < 0). Run on its own, such a row is

- "empty" for run_gsea_py when the simple stage's permutations hold fewer than
  10 negative scores (gsea() then fills it from permutations of its size),
- "kept" when they hold 10 or more: run_gsea_py divides by the fraction
  counted there, and gsea() takes the fraction from permutations of its size
  instead when fewer than 50 were counted.

Accuracy: each set on its own, seeds 1..--seeds, against brute force
(--draws random sets of its size from the tail stage's sampler, counted
directly); the mean of log2(p / brute force) with its standard error, and the
share of seeds off by more than twice the row's log2err (brute force's own
error added).

Calibration (--null-seeds > 0): gene sets of the sizes above, drawn at random
among those whose ES is negative (what the set is under permuted gene labels,
given the sign), run with seeds 1..--null-seeds; among the rows run_gsea_py
keeps with a fraction from few negative scores, the share with p < 0.05 for
run_gsea_py and for gsea() (5% when the p-values are right) with a Wilson
95% interval.

Usage: python bench/sign_fraction_bench.py [--seeds N] [--draws N] [--null-seeds N]
       [--null-sets N] [--data DIR]
Skips when the data folder (default ../shared/data/) lacks the files.
"""
from __future__ import annotations

import argparse
import math
import statistics
import sys
import time
from pathlib import Path

import numpy as np
from skewed_bench import DATA, GMT_NAME, RNK_NAME, skewed_ranks

from varenkopy import _core

SETS = ("LU_EZH2_TARGETS_UP", "WAMUNYOKOLI_OVARIAN_CANCER_LMP_UP")
OPTIONS = {"minSize": 15, "maxSize": 500}
CHUNK = 1 << 20


def brute_force(ranks: dict[str, float], size: int, es: float, draws: int,
                seed: int) -> tuple[float, float]:
    """P(ES <= es | ES < 0) over `draws` random sets and its log2 standard error."""
    same = beyond = 0
    for start in range(0, draws, CHUNK):
        x = np.frombuffer(_core.random_set_scores(ranks, size, min(CHUNK, draws - start),
                                                  seed + start), dtype=np.float64)
        same += int(np.count_nonzero(x <= 0.0))
        beyond += int(np.count_nonzero(x <= es))
    return beyond / same, math.sqrt(1.0 / beyond - 1.0 / same) / math.log(2)


def one_row(ranks: dict[str, float], sets: list[tuple[str, list[str]]], seed: int,
            fill: bool) -> list[dict[str, object]]:
    rows, _, _ = _core.run_gsea_sets(ranks, sets, seed=seed, fill_empty=fill, **OPTIONS)
    return rows


def summary(label: str, values: list[tuple[float, float]], truth: float, truth_err: float) -> str:
    """values: (p, log2err) pairs."""
    if not values:
        return f"  {label:44s} no rows"
    logs = [math.log2(p / truth) for p, _ in values]
    mean = statistics.fmean(logs)
    se = statistics.stdev(logs) / math.sqrt(len(logs)) if len(logs) > 1 else math.nan
    off = sum(abs(v) > 2.0 * math.hypot(e, truth_err) for v, (_, e) in zip(logs, values, strict=True))
    gm = truth * 2.0 ** mean
    return (f"  {label:44s} {len(values):3d} rows: geometric mean {gm:9.3g}, log2 bias "
            f"{mean:+.2f} +- {se:.2f}, off by > 2 log2err: {off / len(values):4.0%}, "
            f"median log2err {statistics.median(e for _, e in values):.2f}")


def accuracy(ranks: dict[str, float], by_name: dict[str, list[str]], seeds: int, draws: int) -> None:
    for name in SETS:
        genes = by_name[name]
        sets = [(name, genes)]
        start = time.process_time()
        kept_old: list[tuple[float, float]] = []
        kept_new: list[tuple[float, float]] = []
        filled: list[tuple[float, float]] = []
        every: list[tuple[float, float]] = []
        es = size = None
        for seed in range(1, seeds + 1):
            old = one_row(ranks, sets, seed, fill=False)[0]
            new = one_row(ranks, sets, seed, fill=True)[0]
            es, size = float(new["es"]), int(new["size"])  # type: ignore[arg-type, call-overload]
            pair = (float(new["pval"]), float(new["log2err"]))  # type: ignore[arg-type]
            every.append(pair)
            if math.isnan(float(old["pval"])):  # type: ignore[arg-type]
                filled.append(pair)
            else:
                kept_old.append((float(old["pval"]), float(old["log2err"])))  # type: ignore[arg-type]
                kept_new.append(pair)
        runs = time.process_time() - start
        assert es is not None and size is not None
        start = time.process_time()
        truth, truth_err = brute_force(ranks, size, es, draws, 7919 + size)
        print(f"{name} ({size} genes, ES {es:.3f}): brute force p {truth:.3g} "
              f"(log2 standard error {truth_err:.2f}, {draws} random sets, "
              f"{time.process_time() - start:.0f} s); {seeds} seeds in {runs:.0f} s")
        print(summary("kept rows, simple-stage fraction (before)", kept_old, truth, truth_err))
        print(summary("kept rows, fraction re-estimated (after)", kept_new, truth, truth_err))
        print(summary("empty rows filled by the tail stage", filled, truth, truth_err))
        print(summary("every seed, after", every, truth, truth_err), flush=True)


def scores_of(ranks: dict[str, float], positions: np.ndarray) -> np.ndarray:
    """Enrichment scores of gene sets given as sorted rank positions (one per row)."""
    weights = np.abs(np.sort(np.fromiter(ranks.values(), dtype=np.float64))[::-1])
    n, k = len(weights), positions.shape[1]
    w = weights[positions]
    nr = w.sum(axis=1, keepdims=True)
    top = np.cumsum(w, axis=1) / nr - (positions - np.arange(k)) / (n - k)
    pos = top.max(axis=1)
    neg = (top - w / nr).min(axis=1)
    return np.where(pos > -neg, pos, neg)


def negative_null_sets(ranks: dict[str, float], size: int, count: int,
                       rng: np.random.Generator) -> list[list[str]]:
    """`count` uniformly random gene sets of `size` among those whose ES is negative."""
    names = [g for g, _ in sorted(ranks.items(), key=lambda kv: -kv[1])]
    found: list[np.ndarray] = []
    while sum(len(f) for f in found) < count:
        keys = rng.random((2000, len(names)), dtype=np.float32)
        positions = np.sort(np.argpartition(keys, size, axis=1)[:, :size], axis=1)
        found.append(positions[scores_of(ranks, positions) < 0.0])
    chosen = np.concatenate(found)[:count]
    return [[names[p] for p in row] for row in chosen]


def wilson(hits: int, total: int) -> str:
    if total == 0:
        return "no rows"
    p, z = hits / total, 1.96
    centre = (p + z * z / (2 * total)) / (1 + z * z / total)
    half = z * math.sqrt(p * (1 - p) / total + z * z / (4 * total * total)) / (1 + z * z / total)
    return f"{p:5.1%} (95% CI {centre - half:.1%} to {centre + half:.1%}; {hits} of {total})"


def calibration(ranks: dict[str, float], sizes: list[int], null_seeds: int, per_size: int) -> None:
    rng = np.random.default_rng(20261208)
    start = time.process_time()
    old_hits = new_hits = kept = filled_hits = filled = 0
    for seed in range(1, null_seeds + 1):
        sets = [(f"NULL_{size}_{j}", genes) for size in sizes
                for j, genes in enumerate(negative_null_sets(ranks, size, per_size, rng))]
        old = {r["pathway"]: r for r in one_row(ranks, sets, seed, fill=False)}
        for r in one_row(ranks, sets, seed, fill=True):
            before = old[r["pathway"]]
            if float(r["es"]) >= 0.0:  # type: ignore[arg-type]
                continue
            p_old, p_new = float(before["pval"]), float(r["pval"])  # type: ignore[arg-type]
            if math.isnan(p_old):
                filled += 1
                filled_hits += p_new < 0.05
            elif p_old != p_new:  # a kept row whose fraction was re-estimated
                kept += 1
                old_hits += p_old < 0.05
                new_hits += p_new < 0.05
    print(f"calibration: {len(sizes)} sizes x {per_size} null sets of negative ES, "
          f"{null_seeds} seeds ({time.process_time() - start:.0f} s)")
    print(f"  re-estimated rows, p < 0.05 before: {wilson(old_hits, kept)}")
    print(f"  re-estimated rows, p < 0.05 after:  {wilson(new_hits, kept)}")
    print(f"  rows filled by the tail stage, p < 0.05: {wilson(filled_hits, filled)}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seeds", type=int, default=40)
    parser.add_argument("--draws", type=int, default=1 << 24)
    parser.add_argument("--null-seeds", type=int, default=40)
    parser.add_argument("--null-sets", type=int, default=10, help="null sets per size and seed")
    parser.add_argument("--sizes", type=str, default="130,150,170,200,230,249",
                        help="sizes of the null sets, comma-separated")
    parser.add_argument("--data", type=Path, default=DATA, help="folder of the data files")
    args = parser.parse_args()
    rnk, gmt = args.data / RNK_NAME, args.data / GMT_NAME
    if not (rnk.is_file() and gmt.is_file()):
        print(f"skipped: {RNK_NAME} or {GMT_NAME} missing from {args.data}")
        return 0
    ranks = skewed_ranks(rnk)
    by_name = dict(_core.read_gmt(str(gmt)))
    if args.seeds > 0:
        accuracy(ranks, by_name, args.seeds, args.draws)
    if args.null_seeds > 0:
        sizes = [int(s) for s in args.sizes.split(",") if s]
        calibration(ranks, sizes, args.null_seeds, args.null_sets)
    return 0


if __name__ == "__main__":
    sys.exit(main())
