"""End-to-end timing of run_gsea_py with per-stage times.

Runs the bundled example (TCGA ovarian ranking, Hallmark gene sets) in fresh
interpreters with VARENKO_STAGE_TIMING set, repeats each run and prints the
median seconds of every stage. With --large it also runs the C2 collection
from the shared data folder when that folder is present.

Usage: PYTHONPATH=<build>/python python bench/end_to_end.py [--repeat N] [--large] [--nproc N]
"""
from __future__ import annotations

import argparse
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

import varenkopy

ROOT = Path(__file__).resolve().parents[1]
EXAMPLE = ROOT / "examples" / "data"
SHARED = ROOT.parent / "shared" / "data"

STAGES = ["setup", "pathway_preprocessing", "simple_stage", "simple_postprocessing",
          "multilevel_refinement", "finalize_results", "total"]

CHILD = """
import sys, varenkopy
ranks = {}
for line in open(sys.argv[1], encoding="utf-8"):
    if line.strip():
        gene, score = line.rstrip("\\n").split("\\t")[:2]
        ranks[gene] = float(score)
rows = varenkopy.run_gsea_py(ranks, sys.argv[2], seed=42, nproc=int(sys.argv[3]))
refined = sum(1 for r in rows if r["pval"] == r["pval"] and r["pval"] < 1.0 / 1001)
print(len(rows), refined)
"""


def run_once(rnk: Path, gmt: Path, nproc: int) -> tuple[dict[str, float], str]:
    env = dict(os.environ)
    env["VARENKO_STAGE_TIMING"] = ""
    env.pop("VARENKO_FAST_NONEXACT_SIMPLE", None)
    env["PYTHONPATH"] = str(Path(varenkopy.__file__).parent)
    out = subprocess.run([sys.executable, "-c", CHILD, str(rnk), str(gmt), str(nproc)],
                         capture_output=True, text=True, env=env, check=True)
    times = {}
    for line in out.stderr.splitlines():
        tag, stage, seconds = line.split("\t")
        assert tag == "VARENKO_STAGE", line
        times[stage] = float(seconds)
    return times, out.stdout.strip()


def bench(label: str, rnk: Path, gmt: Path, repeat: int, nproc: int) -> None:
    runs = []
    summary = ""
    wall = time.monotonic()
    for _ in range(repeat):
        times, summary = run_once(rnk, gmt, nproc)
        runs.append(times)
    wall = (time.monotonic() - wall) / repeat
    rows, refined = summary.split()
    print(f"\n{label}: {rows} rows, {refined} refined below 1/1001; "
          f"median of {repeat} run(s), nproc={nproc or 'default'}, {wall:.2f} s per process")
    print(f"  {'stage':<24}{'seconds':>12}")
    for stage in STAGES:
        values = [t[stage] for t in runs if stage in t]
        if values:
            print(f"  {stage:<24}{statistics.median(values):>12.6f}")


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--nproc", type=int, default=0, help="worker threads (0: one per processor)")
    parser.add_argument("--large", action="store_true", help="also run the C2 collection")
    args = parser.parse_args()

    bench("Hallmark x TCGA-OV (bundled)", EXAMPLE / "tcga_ov_mesenchymal_vs_immunoreactive.rnk",
          EXAMPLE / "h.all.v7.1.symbols.gmt", args.repeat, args.nproc)
    if args.large:
        c2 = SHARED / "c2.all.v7.1.symbols.gmt"
        rnk = SHARED / "mov10_oe_vs_control_hek293.rnk"
        if c2.exists() and rnk.exists():
            bench("C2 x MOV10 (shared data)", rnk, c2, 1, args.nproc)
        else:
            print(f"\nshared data not found under {SHARED}: large run skipped")


if __name__ == "__main__":
    main()
