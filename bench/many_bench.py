"""Many signatures at once: cost per signature as the count grows, in this
process and on a local Dask cluster of two single-threaded worker processes.

Signatures are the bundled ranking plus Gaussian noise (half its standard
deviation), every other one negated, so each has real enrichment to refine.
For each collection the signatures run in consecutive batches (for example
10, then 40 more, then 50 more, for counts 10, 50 and 100): the seconds per
signature of each batch and the resident memory after it show whether the
cost grows with the count. The cluster's first batch must give the same
frame as the in-process run (checked). The distributed overhead is the
cluster's seconds per signature over the in-process ones, minus one.

Usage: python bench/many_bench.py [--counts 10,50,100] [--large-counts 5,10,20]
                                  [--no-large] [--no-cluster] [--n-perm-simple N]

The large collection (C2) is read from ../shared/data/ and skipped when absent.
Not part of the test command; the machines are noisy, so compare within one run.
"""
from __future__ import annotations

import argparse
import sys
import time
import warnings
from pathlib import Path
from typing import Any

import numpy as np
import pandas as pd

import varenkopy

ROOT = Path(__file__).resolve().parents[1]
DATA = ROOT / "examples" / "data"
SHARED = ROOT.parent / "shared" / "data"


def make_signatures(ranking: pd.Series, count: int) -> pd.DataFrame:
    rng = np.random.default_rng(2024)
    scale = 0.5 * float(ranking.std())
    columns = {}
    for i in range(count):
        noisy = ranking.to_numpy() + rng.normal(0.0, scale, size=len(ranking))
        columns[f"sig{i:04d}"] = -noisy if i % 2 else noisy
    return pd.DataFrame(columns, index=ranking.index)


def rss_mib() -> tuple[float, float]:
    """Current and peak resident memory of this process, in MiB."""
    fields = {}
    with open("/proc/self/status", encoding="ascii") as fh:
        for line in fh:
            key, _, value = line.partition(":")
            fields[key] = value
    return int(fields["VmRSS"].split()[0]) / 1024, int(fields["VmHWM"].split()[0]) / 1024


def _one_thread_pool() -> None:
    """A first, tiny analysis that sizes this process's worker pool to one thread."""
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        varenkopy.gsea({"A": 1.0, "B": 0.0}, {"s": ["A"]}, min_size=1, n_perm_simple=10,
                       threads=1, progress=False)


def _run_batches(matrix: pd.DataFrame, gmt: Path, counts: list[int], label: str,
                 options: dict[str, Any], client: Any | None = None
                 ) -> tuple[list[float], pd.DataFrame]:
    """Runs the signatures in batches ending at each count; prints a line per batch."""
    per_signature: list[float] = []
    first: pd.DataFrame | None = None
    start = 0
    for count in counts:
        batch = matrix.iloc[:, start:count]
        began = time.perf_counter()
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")  # the same size warnings for every signature
            res = varenkopy.gsea_many(batch, gmt, client=client, progress=False, **options)
        seconds = time.perf_counter() - began
        per_signature.append(seconds / batch.shape[1])
        if first is None:
            first = res
        here_now, here_peak = rss_mib()
        memory = f"client RSS {here_now:7.1f} MiB (peak {here_peak:7.1f})"
        if client is not None:
            workers = client.run(rss_mib)
            memory += "; workers " + ", ".join(
                f"{now:.0f} (peak {peak:.0f})" for now, peak in workers.values()) + " MiB"
        print(f"  {label:<10} signatures {start + 1:>4}-{count:<4} "
              f"{per_signature[-1]:8.3f} s/signature  {memory}", flush=True)
        start = count
    assert first is not None
    return per_signature, first


def bench_collection(name: str, gmt: Path, ranking: pd.Series, counts: list[int],
                     cluster: bool, n_perm_simple: int) -> None:
    matrix = make_signatures(ranking, counts[-1])
    options = {"seed": 7, "n_perm_simple": n_perm_simple}
    print(f"\n{name}: {counts[-1]} signatures x {gmt.name}, {len(ranking)} genes", flush=True)
    here, here_first = _run_batches(matrix, gmt, counts, "in-process", options)
    total_here = sum(p * (b - a) for p, a, b in zip(here, [0, *counts], counts, strict=False))
    print(f"  in-process total {total_here:.1f} s, {total_here / counts[-1]:.3f} s/signature")
    if not cluster:
        return
    try:
        from dask.distributed import Client, LocalCluster
    except ImportError:
        print("  cluster skipped: Dask is not installed (pip install 'varenkopy[dask]')")
        return
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as local, Client(local) as client:
        client.run(_one_thread_pool)
        # Each worker's pool now has one thread: two workers use the two cores.
        there, there_first = _run_batches(matrix, gmt, counts, "cluster", options, client)
    pd.testing.assert_frame_equal(there_first, here_first, check_exact=True)
    total_there = sum(p * (b - a) for p, a, b in zip(there, [0, *counts], counts, strict=False))
    print(f"  cluster    total {total_there:.1f} s, {total_there / counts[-1]:.3f} s/signature")
    print(f"  distributed overhead per signature: {100 * (total_there / total_here - 1):+.1f}% "
          "(cluster of 2 single-threaded workers vs one process with 2 threads)")


def _counts(text: str) -> list[int]:
    values = [int(v) for v in text.split(",")]
    if any(b <= a for a, b in zip([0, *values], values, strict=False)):
        raise argparse.ArgumentTypeError("counts must be increasing positive integers")
    return values


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--counts", type=_counts, default=_counts("10,50,100"),
                        help="signature counts of the Hallmark case")
    parser.add_argument("--large-counts", type=_counts, default=_counts("5,10,20"),
                        help="signature counts of the large-collection case")
    parser.add_argument("--no-large", action="store_true", help="skip the large collection")
    parser.add_argument("--no-cluster", action="store_true", help="in-process runs only")
    parser.add_argument("--n-perm-simple", type=int, default=1000)
    args = parser.parse_args()

    ranking = varenkopy.read_ranking(DATA / "tcga_ov_mesenchymal_vs_immunoreactive.rnk")
    bench_collection("Hallmark", DATA / "h.all.v7.1.symbols.gmt", ranking, args.counts,
                     not args.no_cluster, args.n_perm_simple)
    if args.no_large:
        return 0
    c2 = SHARED / "c2.all.v7.1.symbols.gmt"
    if not c2.exists():
        print(f"\nlarge collection not found at {c2}: that case is skipped", file=sys.stderr)
        return 0
    bench_collection("C2", c2, ranking, args.large_counts, not args.no_cluster,
                     args.n_perm_simple)
    return 0


if __name__ == "__main__":
    sys.exit(main())
