"""Cost of collapse_redundant on the TCGA ovarian ranking against the C2
collection: the analysis, then the collapse, with the counts of significant
and independent sets, and the size of the report written from them.

Reads ../shared/data/ (relative to the repository) and skips when it is absent.
Run: python3 bench/collapse_bench.py [--report DIR] [--min-overlap 0.1]
"""
from __future__ import annotations

import argparse
import sys
import tempfile
import time
from pathlib import Path

import varenkopy

DATA = Path(__file__).resolve().parents[1].parent / "shared" / "data"


def folder_size(path: Path) -> int:
    return sum(f.stat().st_size for f in path.rglob("*") if f.is_file())


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--min-overlap", type=float, default=0.1)
    parser.add_argument("--report", metavar="DIR", default=None,
                        help="also write the report into DIR (default: a temporary folder)")
    parser.add_argument("--no-report", action="store_true")
    parser.add_argument("--data", type=Path, default=DATA,
                        help="folder of the shared data")
    args = parser.parse_args()
    ranking_path = args.data / "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
    gmt_path = args.data / "c2.all.v7.1.symbols.gmt"
    if not ranking_path.exists() or not gmt_path.exists():
        print(f"skipped: {ranking_path.name} or {gmt_path.name} not found in {args.data}")
        return 0
    gene_sets = varenkopy.read_gmt(gmt_path)
    ranking = varenkopy.read_ranking(ranking_path)

    start = time.perf_counter()
    results = varenkopy.gsea(ranking, gene_sets, seed=args.seed)
    analysis = time.perf_counter() - start
    start, cpu = time.perf_counter(), time.process_time()
    collapsed = varenkopy.collapse_redundant(results, ranking, gene_sets,
                                             min_overlap=args.min_overlap)
    collapse, collapse_cpu = time.perf_counter() - start, time.process_time() - cpu
    significant = int(collapsed["independent"].notna().sum())
    independent = int((collapsed["independent"] == True).sum())  # noqa: E712
    analyses = collapsed.attrs["collapse_options"]["analyses"]
    print(f"C2 x TCGA: {len(results)} sets analysed in {analysis:.1f} s; "
          f"{significant} with padj < 0.05, {independent} independent after collapsing "
          f"(min_overlap {args.min_overlap}); collapse {collapse:.1f} s ({collapse_cpu:.1f} s of "
          f"processor time) in {analyses} conditional analyses")
    if args.no_report:
        return 0
    with tempfile.TemporaryDirectory() as tmp:
        out = Path(args.report) if args.report else Path(tmp) / "report"
        start = time.perf_counter()
        varenkopy.write_report(collapsed, ranking, gene_sets, out, top=20)
        took = time.perf_counter() - start
        files = sum(1 for f in out.rglob("*") if f.is_file())
        print(f"report: {folder_size(out) / 1e6:.1f} MB in {files} files, written in "
              f"{took:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
