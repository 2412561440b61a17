"""The package installed as a user installs it: the wheel of
scripts/build-wheel.sh (the session's built_wheel fixture), installed into a
fresh virtual environment (without this environment's packages; numpy, pandas
and tqdm come from the package index as for a user), runs the README's first
Python block verbatim from an empty folder, and
`varenkopy info`."""
from __future__ import annotations

import os
import subprocess
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def run(args: list[str], **kwargs: object) -> subprocess.CompletedProcess[str]:
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "PYTHONHOME")}
    proc = subprocess.run(args, capture_output=True, text=True, env=env, **kwargs)  # type: ignore[call-overload]
    assert proc.returncode == 0, f"{args}\n{proc.stdout}\n{proc.stderr}"
    return proc


def test_readme_quick_start_runs_in_a_fresh_environment(tmp_path, built_wheel):
    wheel = built_wheel
    shipped = set(zipfile.ZipFile(wheel).namelist())
    # The module carries its compiled dependencies: auditwheel put no shared
    # library beside it.
    assert not [n for n in shipped if n.startswith("varenkopy.libs/")], sorted(shipped)
    for name in ("h.all.v7.1.symbols.gmt", "tcga_ov_mesenchymal_vs_immunoreactive.rnk", "README.md"):
        assert f"varenkopy/data/{name}" in shipped

    # A new environment without this one's packages; this interpreter's pip
    # installs into it, which saves setting up a pip of its own.
    venv = tmp_path / "venv"
    run([sys.executable, "-m", "venv", "--without-pip", str(venv)], timeout=300)
    python = venv / "bin" / "python"
    run([sys.executable, "-m", "pip", "--python", str(python), "install", "-q", str(wheel)], timeout=900)
    done = run([str(python), "-c", "import numpy, pandas, tqdm, varenkopy; print(varenkopy.__file__)"],
               cwd=tmp_path)
    assert done.stdout.startswith(str(venv)), done.stdout

    readme = (ROOT / "README.md").read_text(encoding="utf-8")
    snippet = readme.split("```python\n", 1)[1].split("```", 1)[0]
    empty = tmp_path / "empty"
    empty.mkdir()
    proc = run([str(python), "-c", snippet], cwd=empty, timeout=300)
    assert proc.stdout.startswith("HALLMARK_"), proc.stdout
    # The command the wheel installs runs, and its core finds every library.
    info = run([str(venv / "bin" / "varenkopy"), "info"], cwd=empty, timeout=120)
    assert f"at {venv}" in info.stdout and "zlib " in info.stdout, info.stdout
