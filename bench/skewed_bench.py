"""A strongly one-sided ranking against the large collection: cost of the tail
stage and a brute-force check of the rows it fills.

The ranking is the TCGA ranking of ../shared/data/ read as z-scores and turned
into signed -log10 two-sided p-values (one side reaches about 288, the other
about 75), the collection C2. The analysis runs alternately without the tail
stage (the rows run_gsea_py gives; the rest stay empty) and with it (what
gsea() does), same seed and options, and the median processor times (all
threads) and wall times are compared. With --collection large the gene sets
are unions of consecutive C2 sets of 200 to 500 genes instead. Rows whose
sign fraction the stage re-estimates (their p-value and log2err change, the
rest stays) are counted apart. Then every filled row is checked against brute force: `--draws` random gene
sets of its size, counted directly (P(ES <= es | ES < 0) and the NES from the
mean of the negative scores). Where brute force sees at least 10 scores at or
beyond the ES the two p-values are compared on the log2 scale against the
row's log2err; where it sees fewer, it only bounds the p-value from above
(95% upper bound) and the check is that the row's p-value lies below it.

Usage: python bench/skewed_bench.py [--repeats N] [--draws N] [--seed S] [--data DIR]
       [--collection c2|large]
Skips when the data folder (default ../shared/data/) lacks the files.
"""
from __future__ import annotations

import argparse
import math
import statistics
import sys
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np

from varenkopy import _core

ROOT = Path(__file__).resolve().parents[1]
DATA = ROOT.parent / "shared" / "data"
RNK_NAME = "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
GMT_NAME = "c2.all.v7.1.symbols.gmt"
OPTIONS = {"minSize": 15, "maxSize": 500}


def signed_log10p(z: float) -> float:
    """-log10 of the two-sided normal p-value of z, with the sign of z; an
    asymptotic expansion of erfc where it would underflow."""
    x = abs(z) / math.sqrt(2.0)
    p = math.erfc(x)
    if p > 0.0:
        value = -math.log10(p)
    else:  # erfc(x) ~ exp(-x^2) / (x sqrt(pi)) * (1 - 1 / (2 x^2))
        value = (x * x + math.log(x * math.sqrt(math.pi)) - math.log1p(-0.5 / (x * x))) / math.log(10)
    return math.copysign(value, z)


def skewed_ranks(path: Path) -> dict[str, float]:
    ranks: dict[str, float] = {}
    with path.open(encoding="utf-8") as fh:
        for line in fh:
            gene, score = line.rstrip("\n").split("\t")[:2]
            ranks[gene] = signed_log10p(float(score))
    return ranks


def run(ranks: dict[str, float], sets: list[tuple[str, list[str]]], seed: int,
        fill: bool) -> tuple[float, float, list[dict[str, object]]]:
    """Wall and processor seconds (every thread of the process) and the rows."""
    start, cpu = time.perf_counter(), time.process_time()
    rows, _, _ = _core.run_gsea_sets(ranks, sets, seed=seed, fill_empty=fill, **OPTIONS)
    return time.perf_counter() - start, time.process_time() - cpu, rows


def large_sets(ranks: dict[str, float], sets: list[tuple[str, list[str]]]
               ) -> list[tuple[str, list[str]]]:
    """Unions of consecutive gene sets (in file order) of 200 to 500 ranked genes."""
    out: list[tuple[str, list[str]]] = []
    genes: dict[str, None] = {}
    for _, members in sets:
        genes.update(dict.fromkeys(g for g in members if g in ranks))
        if len(genes) > 500:
            genes = dict.fromkeys(g for g in members if g in ranks)
        if 200 <= len(genes) <= 500:
            out.append((f"UNION_{len(out) + 1}", list(genes)))
            genes = {}
    return out


def upper_bound(k: int, z: int) -> float:
    """A 95% upper bound of a proportion seen k times in z (k small): the
    Poisson bound (k + 1 + 1.645 sqrt(k + 1)) / z, conservative enough here."""
    return (k + 1 + 1.645 * math.sqrt(k + 1)) / max(z, 1)


def brute_force(ranks: dict[str, float], size: int, draws: int, seed: int) -> np.ndarray:
    return np.frombuffer(_core.random_set_scores(ranks, size, draws, seed), dtype=np.float64)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeats", type=int, default=2)
    parser.add_argument("--draws", type=int, default=1_000_000)
    parser.add_argument("--seed", type=int, default=42)
    parser.add_argument("--data", type=Path, default=DATA, help="folder of the data files")
    parser.add_argument("--collection", choices=("c2", "large"), default="c2")
    args = parser.parse_args()
    rnk, gmt = args.data / RNK_NAME, args.data / GMT_NAME
    if not (rnk.is_file() and gmt.is_file()):
        print(f"skipped: {RNK_NAME} or {GMT_NAME} missing from {args.data}")
        return 0
    ranks = skewed_ranks(rnk)
    scores = list(ranks.values())
    print(f"ranking: {len(ranks)} genes, scores from {min(scores):.1f} to {max(scores):.1f}")
    sets = _core.read_gmt(str(gmt))
    if args.collection == "large":
        sets = large_sets(ranks, sets)
        print(f"collection: {len(sets)} unions of C2 sets, 200 to 500 genes")

    before: list[tuple[float, float]] = []
    after: list[tuple[float, float]] = []
    rows_before: list[dict[str, object]] = []
    rows_after: list[dict[str, object]] = []
    for _ in range(args.repeats):
        wall, cpu, rows_before = run(ranks, sets, args.seed, fill=False)
        before.append((wall, cpu))
        wall, cpu, rows_after = run(ranks, sets, args.seed, fill=True)
        after.append((wall, cpu))
    for i, kind in ((1, "processor"), (0, "wall")):
        old, new = statistics.median(t[i] for t in before), statistics.median(t[i] for t in after)
        print(f"{kind} time (median of {args.repeats}, alternating): without tail stage "
              f"{old:.1f} s, with it {new:.1f} s, ratio {new / old:.2f} "
              f"(each: {', '.join(f'{a[i]:.1f}/{b[i]:.1f}' for a, b in zip(before, after, strict=True))})")

    by_name = {r["pathway"]: r for r in rows_after}
    empty = [r for r in rows_before if math.isnan(float(r["pval"]))]  # type: ignore[arg-type]
    kept = [r for r in rows_before if not math.isnan(float(r["pval"]))]  # type: ignore[arg-type]
    changed = [r for r in kept if any(r[key] != by_name[r["pathway"]][key]  # type: ignore[index]
                                      for key in ("es", "nes", "pval", "log2err", "leading_edge"))]
    resampled = [r for r in changed if all(r[key] == by_name[r["pathway"]][key]  # type: ignore[index]
                                           for key in ("es", "nes", "leading_edge"))]
    filled = [by_name[r["pathway"]] for r in empty]  # type: ignore[index]
    still = [r["pathway"] for r in filled if math.isnan(float(r["pval"]))]  # type: ignore[arg-type]
    print(f"{len(rows_after)} gene sets; {len(empty)} empty without the tail stage, "
          f"{len(empty) - len(still)} filled, {len(still)} still empty {still}; sign fraction "
          f"re-estimated: {len(resampled)}; other rows that changed: {len(changed) - len(resampled)}")
    for r in resampled:
        new_row = by_name[r["pathway"]]  # type: ignore[index]
        print(f"  re-estimated {str(r['pathway'])[:48]:48s} {r['size']:4d} p {float(r['pval']):9.3g} "  # type: ignore[arg-type]
              f"-> {float(new_row['pval']):9.3g}, log2err {float(r['log2err']):.2f} "  # type: ignore[arg-type]
              f"-> {float(new_row['log2err']):.2f}")  # type: ignore[arg-type]
    values = [float(r["pval"]) for r in filled if not math.isnan(float(r["pval"]))]  # type: ignore[arg-type]
    if values:
        print(f"p-values of the filled rows: {min(values):.3g} to {max(values):.3g}; "
              f"at eps: {sum(bool(r['pval_at_eps']) for r in filled)}")
    if args.draws <= 0 or not filled:
        return 0

    sizes = sorted({int(r["size"]) for r in filled})  # type: ignore[call-overload]
    print(f"brute force: {args.draws} random sets for each of {len(sizes)} sizes ...", flush=True)
    start = time.perf_counter()
    with ThreadPoolExecutor(max_workers=2) as pool:
        null = dict(zip(sizes, pool.map(lambda s: brute_force(ranks, s, args.draws, 7919 + s), sizes),
                        strict=True))
    print(f"brute force took {time.perf_counter() - start:.0f} s")
    compared = within1 = within2 = bounded = bound_ok = 0
    print(f"{'gene set':48s} {'size':>4s} {'ES':>7s} {'NES':>6s} {'NES bf':>6s} {'p-value':>9s} "
          f"{'log2err':>7s} {'p bf':>9s} {'k':>5s} {'z':>5s}  check")
    for r in sorted(filled, key=lambda r: float(r["pval"])):  # type: ignore[arg-type]
        x = null[int(r["size"])]  # type: ignore[call-overload]
        es, p, err = float(r["es"]), float(r["pval"]), r["log2err"]  # type: ignore[arg-type]
        same = x[x <= 0.0] if es < 0 else x[x >= 0.0]
        z = len(same)
        k = int((same <= es).sum()) if es < 0 else int((same >= es).sum())
        nes_bf = es / abs(same.mean()) if z else math.nan
        if k >= 10:
            p_bf = (k + 1) / (z + 1)
            bf_err = math.sqrt(1.0 / (k + 1) - 1.0 / (z + 1)) / math.log(2)
            total = math.hypot(float(err) if err is not None else 0.0, bf_err)
            diff = abs(math.log2(p) - math.log2(p_bf))
            compared += 1
            within1 += diff <= total
            within2 += diff <= 2 * total
            check = f"|log2 ratio| {diff:.2f} vs {total:.2f}"
            shown = f"{p_bf:9.3g}"
        else:
            bound = upper_bound(k, z)
            bounded += 1
            bound_ok += p <= bound
            check = f"bound {bound:.3g}: {'ok' if p <= bound else 'ABOVE'}"
            shown = f"<{bound:8.2g}"
        print(f"{str(r['pathway'])[:48]:48s} {r['size']:4d} {es:7.3f} {float(r['nes']):6.2f} "  # type: ignore[arg-type]
              f"{nes_bf:6.2f} {p:9.3g} {float(err) if err is not None else math.nan:7.2f} "
              f"{shown} {k:5d} {z:5d}  {check}")
    print(f"compared with brute force: {compared} (within 1 combined log2err: {within1}, "
          f"within 2: {within2}); beyond brute force (bounded): {bounded}, below the bound: {bound_ok}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
