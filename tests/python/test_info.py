"""``varenkopy info`` and varenkopy.info(): the facts a bug report needs."""
from __future__ import annotations

import copy
import platform
import re
import subprocess
import sys
from collections.abc import Callable
from pathlib import Path

import pytest

import varenkopy
from varenkopy._info import info_text
from varenkopy.cli import main

DEPENDENCIES = ["oneTBB", "Boost", "libpng", "FreeType", "zlib"]


def _python_m(capsys: pytest.CaptureFixture[str]) -> tuple[int, str]:
    proc = subprocess.run([sys.executable, "-m", "varenkopy", "info"], capture_output=True,
                          text=True, timeout=120)
    assert proc.stderr == ""
    return proc.returncode, proc.stdout


def _main(capsys: pytest.CaptureFixture[str]) -> tuple[int, str]:
    status = main(["info"])
    return status, capsys.readouterr().out


@pytest.mark.parametrize("run", [_python_m, _main], ids=["python -m varenkopy", "cli.main"])
def test_info_command_prints_every_fact(run: Callable[[pytest.CaptureFixture[str]], tuple[int, str]],
                                        capsys: pytest.CaptureFixture[str]) -> None:
    status, out = run(capsys)
    assert status == 0
    details = varenkopy.info()
    for line in (f"varenkopy  {varenkopy.__version__} at ",
                 f"Python     {platform.python_version()} ({platform.python_implementation()}) at ",
                 "packages   numpy ", f"kernels    {details['kernels']} ", "threads    "):
        assert re.search("^" + re.escape(line), out, re.MULTILINE), (line, out)
    for name in DEPENDENCIES:
        dep = details["dependencies"][name]
        row = rf"^{name} +{re.escape(dep['compiled'])} +\S+ +{dep['origin']}$"
        assert re.search(row, out, re.MULTILINE), (name, out)


def test_dependency_versions_kernels_and_origins() -> None:
    details = varenkopy.info()
    assert list(details["dependencies"]) == DEPENDENCIES
    for name, dep in details["dependencies"].items():
        assert re.fullmatch(r"\d+\.\d+\.\d+", dep["compiled"]), (name, dep)
        assert dep["origin"] in ("bundled", "system"), (name, dep)
        if name == "Boost":
            assert dep["runtime"] is None   # used from its headers alone
        else:
            # The library running is the one the module was compiled against.
            assert dep["runtime"].split(".")[:2] == dep["compiled"].split(".")[:2], (name, dep)
    cpuinfo = Path("/proc/cpuinfo")
    if platform.machine() == "x86_64" and cpuinfo.exists():
        flags = set(re.search(r"^flags\s*:(.*)$", cpuinfo.read_text(), re.MULTILINE)[1].split())
        has = {"avx512f", "avx512bw"} <= flags
        assert details["kernels"] == ("AVX-512" if has else "portable")
    else:
        assert details["kernels"] == "portable"


def test_threads_are_the_worker_pool_s_once_an_analysis_made_it() -> None:
    script = (
        "import varenkopy\n"
        "before = varenkopy.info()\n"
        "varenkopy.gsea(varenkopy.datasets.example_ranking(), varenkopy.datasets.hallmark(),\n"
        "               seed=1, n_perm_simple=100, threads=3)\n"
        "after = varenkopy.info()\n"
        "print(before['threads'] >= 1, before['pool_created'], after['threads'],\n"
        "      after['pool_created'])\n"
    )
    proc = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True,
                          timeout=300)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.split() == ["True", "False", "3", "True"]


@pytest.mark.parametrize(("change", "expected"), [
    (lambda d: d["extras"].update(dask=None), r"extras .*dask absent"),
    (lambda d: d["dependencies"]["zlib"].update(runtime=None), r"^zlib +\S+ +\? +"),
    (lambda d: d["dependencies"]["Boost"].update(origin="bundled"),
     r"^Boost +\S+ +\(header-only\) +bundled$"),
    (lambda d: d.update(kernels="portable"), r"^kernels +portable \(no AVX-512"),
    (lambda d: d.update(threads=7, pool_created=True), r"^threads +7 \(this process's worker pool\)$"),
    (lambda d: d["platform"].update(libc=None), r"^platform +[^,]+, [^,]+$"),
], ids=["absent extra", "no run-time version", "header-only", "portable", "pool", "no glibc"])
def test_text_says_what_is_absent_or_unknown(change: Callable[[dict[str, object]], None],
                                            expected: str) -> None:
    details = copy.deepcopy(varenkopy.info())
    change(details)
    assert re.search(expected, info_text(details), re.MULTILINE), info_text(details)
