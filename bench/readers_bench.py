"""Time and peak memory of the file readers against pandas.read_csv.

Writes the test files into a temporary folder (a 60,000-gene ranking, a
ranking of a million lines, 16 MiB of one gene repeated, a GMT of about
100 MB and one of 64 MiB of tiny lines), then reads each in a fresh
subprocess per reader and repetition and reports the median wall and
processor time and the peak resident memory (ru_maxrss) of the subprocess
above that of one that only imports the packages. `--compare MODULE` adds another reader
module (a file path) with the same functions, for before/after figures.

Usage: python bench/readers_bench.py [--repeats N] [--compare OLD_READERS.py]
"""
from __future__ import annotations

import argparse
import json
import random
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

# Runs in the subprocess: import everything, note the peak so far, read once.
CHILD = r"""
import json, resource, sys, time, importlib.util
import pandas as pd
import varenkopy
kind, reader, path = sys.argv[1:4]
module = varenkopy._readers
if reader not in ("new", "pandas"):
    spec = importlib.util.spec_from_file_location("other_readers", reader)
    module = importlib.util.module_from_spec(spec)
    sys.path.insert(0, str(__import__("pathlib").Path(reader).parent))
    spec.loader.exec_module(module)
wall, cpu = time.perf_counter(), time.process_time()
if kind == "none":
    result = []
elif reader == "pandas":
    result = pd.read_csv(path, sep="\t", header=None)
elif kind == "gmt":
    result = module.read_gmt_pairs(path)
else:
    result = module.read_ranking(path)
wall, cpu = time.perf_counter() - wall, time.process_time() - cpu
after = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
print(json.dumps({"wall": wall, "cpu": cpu, "peak_mib": after / 1024,
                  "items": len(result)}))
"""


def write_files(folder: Path) -> dict[str, tuple[str, Path]]:
    rng = random.Random(1)
    files: dict[str, tuple[str, Path]] = {}
    path = folder / "genes60k.rnk"
    path.write_text("".join(f"GENE{i}\t{rng.gauss(0, 2)!r}\n" for i in range(60_000)))
    files["ranking, 60,000 genes"] = ("ranking", path)
    path = folder / "million.rnk"
    path.write_text("".join(f"G{i}\t{rng.gauss(0, 2)!r}\n" for i in range(1_000_000)))
    files["ranking, 1,000,000 lines"] = ("ranking", path)
    path = folder / "repeated.rnk"
    line = "GENE\t1.5\n"
    path.write_text(line * ((16 << 20) // len(line)))
    files["ranking, 16 MiB of one gene"] = ("ranking", path)
    path = folder / "large.gmt"
    genes = [f"GENE{i}" for i in range(40_000)]
    with path.open("w") as fh:
        written = 0
        j = 0
        while written < 100_000_000:
            text = f"SET{j}\tdesc\t" + "\t".join(rng.sample(genes, 500)) + "\n"
            fh.write(text)
            written += len(text)
            j += 1
    files["GMT, 100 MB"] = ("gmt", path)
    path = folder / "tiny.gmt"
    with path.open("w") as fh:
        written = j = 0
        while written < (64 << 20):
            text = f"S{j}\t\tG{j % 1000}\n"
            fh.write(text)
            written += len(text)
            j += 1
    files["GMT, 64 MiB of tiny lines"] = ("gmt", path)
    return files


def run(kind: str, reader: str, path: Path) -> dict[str, float]:
    out = subprocess.run([sys.executable, "-c", CHILD, kind, reader, str(path)],
                         capture_output=True, text=True, check=True)
    return json.loads(out.stdout)  # type: ignore[no-any-return]


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--compare", default=None)
    args = parser.parse_args()
    readers = ["pandas", "new"] + ([args.compare] if args.compare else [])
    base = statistics.median(run("none", "new", Path("-"))["peak_mib"] for _ in range(3))
    print(f"peak memory of the subprocess with the packages imported: {base:.0f} MiB")
    with tempfile.TemporaryDirectory() as folder:
        for label, (kind, path) in write_files(Path(folder)).items():
            print(f"{label} ({path.stat().st_size / 2**20:.0f} MiB)")
            for reader in readers:
                if reader == "pandas" and kind == "gmt":
                    continue
                # Alternating repetitions of the readers would share the cache
                # equally; one subprocess per read keeps the peaks apart.
                results = [run(kind, reader, path) for _ in range(args.repeats)]
                name = {"pandas": "pandas.read_csv", "new": "this package"}.get(reader, "compared")
                print(f"  {name:16s} wall {statistics.median(r['wall'] for r in results):7.2f} s"
                      f"  cpu {statistics.median(r['cpu'] for r in results):7.2f} s"
                      f"  peak +{statistics.median(r['peak_mib'] for r in results) - base:7.0f}"
                      " MiB"
                      f"  items {results[0]['items']}")


if __name__ == "__main__":
    main()
