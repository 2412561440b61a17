"""The package's Python code stays clean under ruff and mypy (strict), with the
settings of pyproject.toml. Skipped where the tools are not installed (the
extra interpreters of the test command install only what the package needs)."""
import importlib.util
import pathlib
import subprocess
import sys

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]


@pytest.mark.parametrize("tool,args", [
    ("ruff", ["check", "python/varenkopy", "bench", "examples"]),
    ("mypy", []),
])
def test_clean(tool, args):
    if importlib.util.find_spec(tool) is None:
        pytest.skip(f"{tool} is not installed")
    done = subprocess.run([sys.executable, "-m", tool, *args], cwd=ROOT,
                          capture_output=True, text=True, timeout=600)
    assert done.returncode == 0, done.stdout + done.stderr
