"""Cost of the pandas layer: gsea() against run_gsea_py on the same inputs.

Alternates the two entries (same seed, same options) and reports the median
wall time of each and the overhead in percent. Runs on the bundled data and,
when present, on the large collection in ../shared/data/ (skipped otherwise).

Usage: python bench/pandas_overhead.py [--repeats N]
"""
from __future__ import annotations

import argparse
import statistics
import time
import warnings
from pathlib import Path

import varenkopy

ROOT = Path(__file__).resolve().parents[1]
BUNDLED = (ROOT / "examples/data/tcga_ov_mesenchymal_vs_immunoreactive.rnk",
           ROOT / "examples/data/h.all.v7.1.symbols.gmt")
LARGE_DIR = ROOT.parent / "shared" / "data"


def measure(rnk: Path, gmt: Path, repeats: int) -> tuple[float, float]:
    ranking = varenkopy.read_ranking(rnk)
    ranks = ranking.to_dict()
    old: list[float] = []
    new: list[float] = []
    for _ in range(repeats):
        start = time.perf_counter()
        varenkopy.run_gsea_py(ranks, str(gmt), seed=1, minSize=15, maxSize=500)
        old.append(time.perf_counter() - start)
        start = time.perf_counter()
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            varenkopy.gsea(ranking, gmt, seed=1, progress=False)
        new.append(time.perf_counter() - start)
    return statistics.median(old), statistics.median(new)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()
    cases = [("bundled", *BUNDLED)]
    large_gmt = sorted(LARGE_DIR.glob("*.gmt")) if LARGE_DIR.is_dir() else []
    large_rnk = sorted(LARGE_DIR.glob("*.rnk")) if LARGE_DIR.is_dir() else []
    if large_gmt:
        cases.append(("large", large_rnk[0] if large_rnk else BUNDLED[0], large_gmt[0]))
    else:
        print("large collection: skipped (no GMT file in ../shared/data/)")
    for name, rnk, gmt in cases:
        old, new = measure(rnk, gmt, args.repeats)
        print(f"{name}: run_gsea_py {old:.3f} s, gsea {new:.3f} s, "
              f"overhead {100.0 * (new - old) / old:+.1f}%")


if __name__ == "__main__":
    main()
