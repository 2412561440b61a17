"""VARENKO_STAGE_TIMING: one line per stage on standard error, in stage order,
only the stages that ran, and nothing at all without the variable. Each case
runs in a fresh interpreter so the environment of this process is untouched."""
from __future__ import annotations

import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import varenkopy

LINE = re.compile(r"^VARENKO_STAGE\t([a-z_]+)\t(\d+\.\d{6})$")

SCRIPT = """
import sys, varenkopy
ranks = {f"G{i}": float(30 - i) for i in range(40)}
kwargs = eval(sys.argv[2])
rows = varenkopy.run_gsea_py(ranks, sys.argv[1], seed=4, **kwargs)
print(len(rows))
"""


def timed_run(gmt: Path, kwargs: dict, timing: bool) -> tuple[int, str]:
    env = {k: v for k, v in os.environ.items() if not k.startswith("VARENKO_")}
    env["PYTHONPATH"] = str(Path(varenkopy.__file__).parent)
    if timing:
        env["VARENKO_STAGE_TIMING"] = ""
    out = subprocess.run(
        [sys.executable, "-c", SCRIPT, str(gmt), repr(kwargs)],
        capture_output=True, text=True, env=env, timeout=120,
    )
    assert out.returncode == 0, out.stderr
    return int(out.stdout), out.stderr


@pytest.fixture
def gmt(tmp_path):
    path = tmp_path / "t.gmt"
    path.write_text("TOP\t\tG0\tG1\tG2\tG3\tG4\nMID\t\tG15\tG17\tG21\n", encoding="utf-8")
    return path


@pytest.mark.parametrize(
    "kwargs,stages",
    [
        ({"mode": "simple", "nPermSimple": 200},
         ["setup", "pathway_preprocessing", "simple_stage", "simple_postprocessing",
          "finalize_results", "total"]),
        ({"nPermSimple": 200, "sampleSize": 11},
         ["setup", "pathway_preprocessing", "simple_stage", "simple_postprocessing",
          "multilevel_refinement", "finalize_results", "total"]),
        ({"mode": "simple", "nPermSimple": 0},
         ["setup", "pathway_preprocessing", "simple_postprocessing", "finalize_results", "total"]),
        ({"minSize": 10},
         ["setup", "pathway_preprocessing", "simple_postprocessing", "finalize_results", "total"]),
    ],
    ids=["simple", "quorin", "no-permutations", "no-kept-pathway"],
)
def test_lines_name_the_stages_that_ran(gmt, kwargs, stages):
    _, err = timed_run(gmt, kwargs, timing=True)
    lines = err.splitlines()
    matches = [LINE.match(line) for line in lines]
    assert all(matches), err
    assert [m.group(1) for m in matches] == stages
    seconds = [float(m.group(2)) for m in matches]
    assert seconds[-1] >= max(seconds[:-1])


def test_nothing_is_written_without_the_variable(gmt):
    rows, err = timed_run(gmt, {"nPermSimple": 200}, timing=False)
    assert rows == 2
    assert err == ""
