"""Cost of collapse_redundant on the TCGA ovarian ranking against the C2
collection (or Hallmark): the analysis, then the collapse, each with its
processor time, the counts of significant and independent sets, and the size
of the report written from them.

--save FILE writes the verdicts (pathway, independent, parent,
conditional_pval) as a TSV; --compare FILE lists every set whose verdict or
parent differs from such a file, with its conditional p-value in both, e.g.
to compare two versions of the package:

    PYTHONPATH=old/python python3 bench/collapse_bench.py --no-report --save old.tsv
    PYTHONPATH=new/python python3 bench/collapse_bench.py --no-report --compare old.tsv

Reads ../shared/data/ (relative to the repository) and skips when it is absent.
Run: python3 bench/collapse_bench.py [--collection c2|hallmark] [--report DIR]
[--min-overlap 0.1] [--save FILE] [--compare FILE]
"""
from __future__ import annotations

import argparse
import sys
import tempfile
import time
from pathlib import Path

import pandas as pd

import varenkopy

DATA = Path(__file__).resolve().parents[1].parent / "shared" / "data"


def folder_size(path: Path) -> int:
    return sum(f.stat().st_size for f in path.rglob("*") if f.is_file())


def print_changes(before: pd.DataFrame, after: pd.DataFrame) -> None:
    """Lists the sets whose verdict or parent differs between two runs."""
    both = before.astype({"parent": str}).merge(
        after.astype({"independent": bool, "parent": str}), on="pathway", how="outer",
        suffixes=("_before", "_after"), indicator=True)
    both["parent_before"] = both["parent_before"].replace({"": "None", "nan": "None"})
    changed = both[(both["_merge"] != "both")
                   | (both["independent_before"].astype(str)
                      != both["independent_after"].astype(str))
                   | (both["parent_before"] != both["parent_after"])]
    print(f"{len(changed)} of {len(both)} significant sets changed verdict or parent")
    for row in changed.itertuples():
        print(f"  {row.pathway}: independent {row.independent_before} -> "
              f"{row.independent_after}, parent {row.parent_before} -> {row.parent_after}, "
              f"conditional p {row.conditional_pval_before:.4g} -> "
              f"{row.conditional_pval_after:.4g}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--min-overlap", type=float, default=0.1)
    parser.add_argument("--report", metavar="DIR", default=None,
                        help="also write the report into DIR (default: a temporary folder)")
    parser.add_argument("--no-report", action="store_true")
    parser.add_argument("--data", type=Path, default=DATA,
                        help="folder of the shared data")
    parser.add_argument("--collection", choices=("c2", "hallmark"), default="c2")
    parser.add_argument("--save", type=Path, metavar="FILE",
                        help="write the verdicts to FILE (TSV)")
    parser.add_argument("--compare", type=Path, metavar="FILE",
                        help="list the verdicts that differ from those saved in FILE")
    args = parser.parse_args()
    ranking_path = args.data / "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
    gmt_path = args.data / ("c2.all.v7.1.symbols.gmt" if args.collection == "c2"
                            else "h.all.v7.1.symbols.gmt")
    if not ranking_path.exists() or not gmt_path.exists():
        print(f"skipped: {ranking_path.name} or {gmt_path.name} not found in {args.data}")
        return 0
    gene_sets = varenkopy.read_gmt(gmt_path)
    ranking = varenkopy.read_ranking(ranking_path)

    start, cpu = time.perf_counter(), time.process_time()
    results = varenkopy.gsea(ranking, gene_sets, seed=args.seed, progress=False)
    analysis, analysis_cpu = time.perf_counter() - start, time.process_time() - cpu
    start, cpu = time.perf_counter(), time.process_time()
    collapsed = varenkopy.collapse_redundant(results, ranking, gene_sets,
                                             min_overlap=args.min_overlap)
    collapse, collapse_cpu = time.perf_counter() - start, time.process_time() - cpu
    significant = int(collapsed["independent"].notna().sum())
    independent = int((collapsed["independent"] == True).sum())  # noqa: E712
    options = collapsed.attrs["collapse_options"]
    runs = f" ({options['runs']} runs)" if "runs" in options else ""
    print(f"{args.collection} x TCGA: {len(results)} sets analysed in {analysis:.1f} s "
          f"({analysis_cpu:.1f} s of processor time); {significant} with padj < 0.05, "
          f"{independent} independent after collapsing (min_overlap {args.min_overlap}); "
          f"collapse {collapse:.1f} s ({collapse_cpu:.1f} s of processor time, "
          f"{collapse_cpu / analysis_cpu:.1f}x the analysis) in {options['analyses']} "
          f"conditional analyses{runs}")
    verdicts = collapsed.loc[collapsed["independent"].notna(),
                             ["pathway", "independent", "parent", "conditional_pval"]]
    if args.save:
        verdicts.to_csv(args.save, sep="\t", index=False)
    if args.compare:
        print_changes(pd.read_csv(args.compare, sep="\t", keep_default_na=False,
                                  na_values={"conditional_pval": [""]}), verdicts)
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
