"""Shared fixtures of the Python tests: locations of the bundled data, a
small GMT file written per test and the wheel of scripts/build-wheel.sh."""
from __future__ import annotations

import os
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
EXAMPLE_DATA = ROOT / "examples" / "data"
TEST_DATA = ROOT / "tests" / "data"


@pytest.fixture(scope="session")
def example_gmt() -> Path:
    """The bundled Hallmark gene set collection."""
    return EXAMPLE_DATA / "h.all.v7.1.symbols.gmt"


@pytest.fixture(scope="session")
def example_ranks() -> dict[str, float]:
    """The bundled ranking (gene -> score), in file order."""
    ranks: dict[str, float] = {}
    with (EXAMPLE_DATA / "tcga_ov_mesenchymal_vs_immunoreactive.rnk").open(encoding="utf-8") as fh:
        for line in fh:
            if line.strip():
                gene, score = line.rstrip("\n").split("\t")[:2]
                ranks[gene] = float(score)
    return ranks


@pytest.fixture(scope="session")
def golden_dir() -> Path:
    """Directory of the generated reference runs."""
    return TEST_DATA / "golden"


@pytest.fixture
def small_gmt(tmp_path: Path) -> Path:
    """A three-line GMT file over genes G0..G19."""
    path = tmp_path / "small.gmt"
    path.write_text(
        "TOP\tplanted\tG0\tG1\tG2\tG3\n"
        "MID\t\tG8\tG9\tG10\tG12\n"
        "BOTTOM\tx\tG16\tG17\tG18\tG19\n",
        encoding="utf-8",
    )
    return path


@pytest.fixture
def small_ranks() -> dict[str, float]:
    """Twenty genes with distinct scores from 10 down to -9."""
    return {f"G{i}": float(10 - i) for i in range(20)}


@pytest.fixture(scope="session")
def built_wheel() -> Path:
    """The self-contained wheel scripts/build-wheel.sh writes to dist/, built
    once per session for this interpreter (the CMake folder under build/ is
    shared with scripts/build.sh, so after it only the packing is new work)."""
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "PYTHONHOME")}
    proc = subprocess.run(["scripts/build-wheel.sh"], cwd=ROOT, capture_output=True, text=True, timeout=3600,
                          env={**env, "PYTHON": sys.executable})
    assert proc.returncode == 0, f"{proc.stdout[-4000:]}\n{proc.stderr[-4000:]}"
    wheel = ROOT / proc.stdout.strip().splitlines()[-1]
    assert wheel.is_file() and "manylinux" in wheel.name, proc.stdout
    return wheel
