"""Installing as a user on a machine without the compiled libraries: inside a
mount namespace where the system's oneTBB, Boost, libpng and FreeType (headers,
CMake files, pkg-config files, shared libraries) are hidden, an unprivileged
user installs the sdist (a build from source) and the wheel of
scripts/build-wheel.sh into fresh virtual environments. Each runs the README's
quick start, a run whose results are compared to the bit and a native PNG plot
compared to the pixel with those of the build under test.

Needs root (for the namespace and the mounts), unshare and setpriv, and an
interpreter the unprivileged user may run that has Python's headers."""
from __future__ import annotations

import json
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
from collections.abc import Iterator
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
NOBODY = 65534

# The Debian packages whose files are hidden (those installed are looked up).
HIDDEN_PACKAGES = ("libtbb-dev", "libtbb12", "libtbbmalloc2", "libtbbbind-2-5", "libboost1.74-dev",
                   "libboost-dev", "libpng-dev", "libpng16-16", "libfreetype-dev", "libfreetype6")

# Run in each environment: the bundled run with a seed, every value written
# exactly (floats as hex), and the enrichment plot of its first row.
PROBE = r"""
import json, math, sys
import varenkopy
from varenkopy import _core
out = sys.argv[1]
ranks = varenkopy.datasets.example_ranking()
gene_sets = varenkopy.datasets.hallmark()
res = varenkopy.gsea(ranks, gene_sets, seed=42)
def exact(v):
    if isinstance(v, float):
        return v.hex()
    if isinstance(v, (list, tuple)) or hasattr(v, "tolist"):
        return [exact(x) for x in list(v)]
    return repr(v)
rows = [[exact(v) for v in row] for row in res.itertuples(index=False)]
top = res["pathway"].iloc[0]
_core.write_enrichment_plot_png_py({str(k): float(v) for k, v in ranks.items()}, list(gene_sets[top]),
                                   out + ".png", pathway_name=top)
with open(out + ".json", "w", encoding="utf-8") as fh:
    json.dump({"columns": list(res.columns), "rows": rows, "module": _core.__file__}, fh)
"""


def _can_isolate() -> str | None:
    """Why the test cannot run here, or None."""
    if sys.platform != "linux" or os.geteuid() != 0:
        return "needs root on Linux (a mount namespace and bind mounts)"
    for tool in ("unshare", "setpriv", "mount", "dpkg-query"):
        if shutil.which(tool) is None:
            return f"needs {tool}"
    try:
        subprocess.run(["unshare", "-m", "true"], check=True, capture_output=True, timeout=60)
    except (subprocess.SubprocessError, OSError) as exc:
        return f"unshare -m does not work here: {exc}"
    return None


def _as_nobody(args: list[str]) -> list[str]:
    return ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", *args]


def _user_python() -> tuple[str, str | None] | None:
    """(interpreter, closed folder) for the unprivileged user: this
    interpreter's base installation, with its headers and venv, and the folder
    above it that others may not enter (root's home, for pyenv), if any: the
    namespace then exposes the installation at its own path."""
    version = f"{sys.version_info.major}.{sys.version_info.minor}"
    python = str(Path(sys.base_prefix) / "bin" / f"python{version}")
    check = ("import os, sys, sysconfig, venv, ensurepip; "
             "sys.exit(not os.path.exists(os.path.join(sysconfig.get_paths()['include'], 'Python.h')))")
    if not os.path.exists(python) or subprocess.run([python, "-c", check], capture_output=True,
                                                     timeout=60).returncode != 0:
        return None
    closed = [d for d in reversed(Path(sys.base_prefix).parents) if not os.stat(d).st_mode & 0o001]
    return python, (str(closed[0]) if closed else None)


def _pip_environment() -> dict[str, str]:
    """This user's pip settings (index, certificates) as PIP_* variables, for
    a user who cannot read root's configuration files."""
    env = {k: v for k, v in os.environ.items() if k.startswith("PIP_")}
    proc = subprocess.run([sys.executable, "-m", "pip", "config", "list"], capture_output=True, text=True,
                          timeout=120)
    for line in proc.stdout.splitlines():
        key, _, value = line.partition("=")
        name = "PIP_" + key.split(".", 1)[-1].upper().replace("-", "_")
        env.setdefault(name, value.strip().strip("'\""))
    return env


def _hidden_paths() -> tuple[list[str], list[str]]:
    """(folders to cover with an empty tmpfs, files to cover with an empty file)
    for the installed packages of HIDDEN_PACKAGES."""
    listed = subprocess.run(["dpkg-query", "-W", "-f", "${Package}\n", *HIDDEN_PACKAGES],
                            capture_output=True, text=True).stdout.split()
    if not listed:
        return [], []
    files = subprocess.run(["dpkg-query", "-L", *listed], capture_output=True, text=True).stdout.split("\n")
    folders: set[str] = set()
    singles: set[str] = set()
    for path in filter(None, files):
        parts = Path(path).parts
        if path.startswith("/usr/share/") or not os.path.lexists(path):
            continue
        if parts[:3] == ("/", "usr", "include") and len(parts) > 4:
            folders.add(str(Path(*parts[:4])))                 # /usr/include/boost, ...
        elif "cmake" in parts and parts.index("cmake") + 2 < len(parts):
            folders.add(str(Path(*parts[:parts.index("cmake") + 2])))   # .../cmake/TBB
        elif not os.path.isdir(path):
            singles.add(path)
    return sorted(folders), sorted(singles)


@pytest.fixture(scope="module")
def isolated_run(built_wheel: Path) -> Iterator[Path]:
    """Runs both installs in the namespace; yields the folder of their outputs."""
    if os.environ.get("VARENKO_ISOLATED_INSTALL") == "0":
        # The test command checks the isolated install once, with its main
        # interpreter; the other interpreters' runs would only rebuild it.
        pytest.skip("VARENKO_ISOLATED_INSTALL=0")
    reason = _can_isolate()
    if reason is not None:
        pytest.skip(reason)
    found = _user_python()
    if found is None:
        pytest.skip("this interpreter's installation has no headers or no venv module")
    python, closed = found
    folders, singles = _hidden_paths()
    if not folders and not singles:
        pytest.skip("none of the system's oneTBB, Boost, libpng or FreeType packages is installed")

    work = Path(tempfile.mkdtemp(prefix="varenkopy-isolated-"))
    try:
        made = subprocess.run(
            [sys.executable, "-c", "import sys; from scikit_build_core.build import build_sdist; "
             "print(build_sdist(sys.argv[1]))", str(work)],
            cwd=ROOT, capture_output=True, text=True, check=True, timeout=600)
        sdist = work / made.stdout.split()[-1]
        shutil.copy(built_wheel, work)
        (work / "probe.py").write_text(PROBE, encoding="utf-8")
        readme = (ROOT / "README.md").read_text(encoding="utf-8")
        (work / "quick_start.py").write_text(readme.split("```python\n", 1)[1].split("```", 1)[0],
                                             encoding="utf-8")
        (work / "empty").write_bytes(b"")
        (work / "home").mkdir()
        q = shlex.quote
        user_env = {"HOME": str(work / "home"), "PATH": "/usr/local/bin:/usr/bin:/bin",
                    "LANG": "C.UTF-8", "PIP_NO_CACHE_DIR": "1", **_pip_environment()}
        user = [f"cd {q(str(work))}",
                # The hidden libraries are out of the compiler's reach.
                "for h in boost/version.hpp png.h ft2build.h oneapi/tbb/version.h; do "
                "if echo \"#include <$h>\" | c++ -I/usr/include/freetype2 -x c++ -fsyntax-only - "
                "2>/dev/null; then echo \"$h is not hidden\" >&2; exit 1; fi; done"]
        for name, package in (("sdist", sdist), ("wheel", work / built_wheel.name)):
            venv = work / f"venv-{name}"
            user += [f"{q(python)} -m venv {q(str(venv))}",
                     f"{q(str(venv / 'bin' / 'python'))} -m pip install -q {q(str(package))}",
                     f"mkdir {name}-run && cd {name}-run",
                     f"{q(str(venv / 'bin' / 'python'))} ../quick_start.py > ../{name}-quick-start.txt",
                     f"{q(str(venv / 'bin' / 'python'))} ../probe.py ../{name}",
                     "cd .."]
        (work / "user.sh").write_text("set -eux\n" + "\n".join(user) + "\n", encoding="utf-8")
        # Files first: some are links into the folders covered next.
        mounts = [f"mount --bind {q(str(work / 'empty'))} {q(f)}" for f in singles]
        mounts += [f"mount -t tmpfs -o size=1k,mode=755 varenko-hidden {q(d)}" for d in folders]
        if closed is not None:
            # The interpreter's folder is kept aside, an empty tmpfs covers the
            # closed folder it is in (none of the user's business), and the
            # interpreter's folder comes back at its own path.
            expose = sys.base_prefix
            (work / "interpreter").mkdir()
            mounts += [f"mount --bind {q(expose)} {q(str(work / 'interpreter'))}",
                       f"mount -t tmpfs -o size=1m,mode=755 varenko-home {q(closed)}",
                       f"mkdir -p {q(expose)}",
                       f"mount --bind {q(str(work / 'interpreter'))} {q(expose)}"]
        env_args = " ".join(q(f"{k}={v}") for k, v in user_env.items())
        runner = ["set -eu", "umask 022", *mounts,
                  f"exec setpriv --reuid={NOBODY} --regid={NOBODY} --clear-groups "
                  f"env -i {env_args} sh {q(str(work / 'user.sh'))}"]
        (work / "namespace.sh").write_text("\n".join(runner) + "\n", encoding="utf-8")
        subprocess.run(["chown", "-R", f"{NOBODY}:{NOBODY}", str(work)], check=True)
        proc = subprocess.run(["unshare", "-m", "--propagation", "private", "sh", str(work / "namespace.sh")],
                              capture_output=True, text=True, timeout=3600, cwd="/")
        assert proc.returncode == 0, f"{proc.stdout[-6000:]}\n{proc.stderr[-6000:]}"
        yield work
    finally:
        shutil.rmtree(work, ignore_errors=True)


@pytest.fixture(scope="module")
def reference(isolated_run: Path) -> Path:
    """The probe's outputs with the build under test."""
    out = isolated_run / "reference"
    subprocess.run([sys.executable, str(isolated_run / "probe.py"), str(out)], check=True, cwd=isolated_run,
                   timeout=600)
    return out


def _pixels(path: Path) -> object:
    matplotlib_image = pytest.importorskip("matplotlib.image")
    return matplotlib_image.imread(path, format="png").tolist()


@pytest.mark.parametrize("name", ["sdist", "wheel"])
def test_isolated_install_gives_the_same_bits_and_pixels(isolated_run: Path, reference: Path, name: str):
    quick_start = (isolated_run / f"{name}-quick-start.txt").read_text(encoding="utf-8")
    assert quick_start.startswith("HALLMARK_"), quick_start
    got = json.loads((isolated_run / f"{name}.json").read_text(encoding="utf-8"))
    want = json.loads(reference.with_suffix(".json").read_text(encoding="utf-8"))
    assert got["module"].startswith(str(isolated_run / f"venv-{name}")), got["module"]
    assert (got["columns"], got["rows"]) == (want["columns"], want["rows"])
    png, want_png = (isolated_run / f"{name}.png").read_bytes(), reference.with_suffix(".png").read_bytes()
    if png != want_png:
        assert _pixels(isolated_run / f"{name}.png") == _pixels(reference.with_suffix(".png"))
