"""Whole runs of run_gsea_py against the generated reference rows: names,
sizes and leading edges equal, scores and p-values bit-identical, log2err
within a relative 1e-11 (it goes through the trigamma function)."""
from __future__ import annotations

import hashlib
import json
import math
import os
import subprocess
import sys
from pathlib import Path

import pytest

import varenkopy

GOLDEN = Path(__file__).resolve().parents[1] / "data" / "golden"
ROW_KEYS = {"pathway", "size", "es", "nes", "pval", "padj", "log2err", "leading_edge"}


def decode(value):
    """A reference float ({"hex", "dec"} or "nan"), None, or any other JSON value."""
    if isinstance(value, dict) and "hex" in value:
        x = float.fromhex(value["hex"])
        assert x == float(value["dec"]) or math.isnan(x), value
        return x
    if value == "nan":
        return math.nan
    return value


def load_cases(name: str) -> list[dict]:
    return json.loads((GOLDEN / name).read_text(encoding="utf-8"))["cases"]


def same_bits(a, b) -> bool:
    if a is None or b is None:
        return a is None and b is None
    return math.copysign(1.0, a) == math.copysign(1.0, b) and (a == b or (math.isnan(a) and math.isnan(b)))


def close_log2err(actual, expected) -> bool:
    if actual is None or expected is None:
        return actual is None and expected is None
    if math.isnan(expected) or math.isnan(actual):
        return math.isnan(expected) and math.isnan(actual)
    return abs(actual - expected) <= 1e-11 * abs(expected)


def run_case(case: dict, tmp_path: Path) -> list[dict]:
    ranks = {gene: decode(score) for gene, score in case["ranking"]}
    gmt = tmp_path / "case.gmt"
    gmt.write_bytes(case["gmt"].encode("utf-8"))
    kwargs = {key: decode(value) for key, value in case["kwargs"].items()}
    return varenkopy.run_gsea_py(ranks, str(gmt), **kwargs)


def check_rows(actual: list[dict], expected: list[dict]) -> None:
    assert [r["pathway"] for r in actual] == [r["pathway"] for r in expected]
    for got, want in zip(actual, expected):
        name = want["pathway"]
        assert set(got) == ROW_KEYS, name
        assert got["size"] == want["size"], name
        assert got["leading_edge"] == want["leading_edge"], name
        for key in ("es", "nes", "pval", "padj"):
            assert same_bits(got[key], decode(want[key])), (name, key, got[key], want[key])
        assert close_log2err(got["log2err"], decode(want["log2err"])), (name, got["log2err"], want["log2err"])


@pytest.mark.parametrize("case", load_cases("pipeline_rows.json"), ids=lambda c: c["id"])
def test_pipeline_rows(case, tmp_path):
    check_rows(run_case(case, tmp_path), case["rows"])


@pytest.mark.parametrize("case", load_cases("mended_rows.json"), ids=lambda c: c["id"])
def test_mended_rows(case, tmp_path):
    check_rows(run_case(case, tmp_path), case["rows"])


def rows_digest(rows: list[dict]) -> str:
    """SHA-256 of every field of the rows, floats by their exact bits."""
    def exact(x):
        return None if x is None else x.hex()
    h = hashlib.sha256()
    for r in rows:
        h.update(repr([r["pathway"], r["size"], exact(r["es"]), exact(r["nes"]), exact(r["pval"]),
                       exact(r["padj"]), exact(r["log2err"]), r["leading_edge"]]).encode())
    return h.hexdigest()


def test_bundled_ranking_rows_are_unchanged(example_ranks, example_gmt):
    # The default run on the bundled data, every field to the bit.
    rows = varenkopy.run_gsea_py(example_ranks, str(example_gmt), seed=1)
    assert rows_digest(rows) == "99a6b8772a5d565977a42285c237ed2154b37ac3e273077dfdb1adc3c5e94675"


CHILD = """
import sys, tempfile
from pathlib import Path
sys.path.insert(0, sys.argv[1])
import varenkopy
import test_golden_rows as g
tmp = Path(tempfile.mkdtemp())
(tmp / "pool.gmt").write_text("P\\t\\tA\\tB\\n", encoding="utf-8")
varenkopy.run_gsea_py({"A": 1.0, "B": 0.5, "C": -1.0}, str(tmp / "pool.gmt"), nproc=int(sys.argv[2]))
for case in g.load_cases("pipeline_rows.json"):
    g.check_rows(g.run_case(case, tmp), case["rows"])
print("ok")
"""


@pytest.mark.parametrize("nproc", [1, 3])
def test_rows_do_not_depend_on_the_pool_size(nproc):
    # A fresh interpreter whose pool is created with nproc threads first.
    env = {k: v for k, v in os.environ.items() if not k.startswith("VARENKO_")}
    env["PYTHONPATH"] = str(Path(varenkopy.__file__).parent)
    out = subprocess.run(
        [sys.executable, "-c", CHILD, str(Path(__file__).parent), str(nproc)],
        capture_output=True, text=True, env=env, timeout=300,
    )
    assert out.returncode == 0, out.stderr
    assert out.stdout.strip() == "ok"
