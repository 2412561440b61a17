"""What a bug report needs: versions, platform, how the core was built."""
from __future__ import annotations

import platform
import sys
from importlib import metadata
from pathlib import Path
from typing import Any, TextIO

from varenkopy import _core

# Packages varenkopy needs, then optional ones that change what works:
# matplotlib (`pl` and reports), dask (clusters), anndata (single-cell
# objects) and jinja2 (HTML templating, which pandas' styled tables need).
_REQUIRED = ("numpy", "pandas", "tqdm")
_EXTRAS = ("matplotlib", "dask", "anndata", "jinja2")
# Compiled dependencies used from their headers alone: no library to ask for
# its version at run time.
_HEADER_ONLY = frozenset({"Boost"})


def _version_of(distribution: str) -> str | None:
    """The installed version of `distribution`, None when it is absent; read
    from its metadata, so nothing is imported."""
    try:
        return metadata.version(distribution)
    except metadata.PackageNotFoundError:
        return None


def _libc() -> str | None:
    name, version = platform.libc_ver()
    return f"{name} {version}" if name and version else None


def info() -> dict[str, Any]:
    """What a bug report needs to know about this installation.

    The same facts ``varenkopy info`` prints (see :func:`show_info`): the
    versions of varenkopy, Python and the packages it uses, the platform, how
    the compiled core was built and which of its code paths this machine runs.

    Returns
    -------
    dict
        With the keys:

        - ``"varenkopy"``: ``version`` and ``location`` (the package's folder).
        - ``"python"``: ``version``, ``implementation`` and ``executable``.
        - ``"platform"``: ``os``, ``machine`` and ``libc`` (None outside glibc).
        - ``"packages"`` and ``"extras"``: the versions of numpy, pandas and
          tqdm, and of matplotlib, dask, anndata and jinja2 (None when absent).
        - ``"compiler"``: the compiler that built the core.
        - ``"dependencies"``: per compiled library, ``compiled`` (the version
          the core was compiled against), ``runtime`` (the version running;
          None where the library cannot say) and ``origin`` (``"bundled"``:
          built from the sources that come with varenkopy; ``"system"``:
          taken from the build machine; ``"unknown"``: the build did not say).
        - ``"kernels"``: ``"AVX-512"`` or ``"portable"``, the integer kernels
          of the multilevel sampler this processor runs (both give the same
          results).
        - ``"threads"``: the number of worker threads an analysis uses
          unless ``threads=`` says otherwise, and ``"pool_created"``: True
          once an analysis of this process has made the worker pool, whose
          size then stays.

    See Also
    --------
    show_info : Prints the same as readable text.

    Examples
    --------
    >>> import varenkopy
    >>> details = varenkopy.info()
    >>> details["varenkopy"]["version"] == varenkopy.__version__
    True
    >>> sorted(details["dependencies"])
    ['Boost', 'FreeType', 'libpng', 'oneTBB', 'zlib']
    >>> details["threads"] >= 1
    True
    """
    core = _core.build_info()
    pool = core["pool_threads"]
    return {
        "varenkopy": {"version": _core.__version__, "location": str(Path(__file__).parent)},
        "python": {"version": platform.python_version(),
                   "implementation": platform.python_implementation(),
                   "executable": sys.executable},
        "platform": {"os": f"{platform.system()} {platform.release()}".strip(),
                     "machine": platform.machine(), "libc": _libc()},
        "packages": {name: _version_of(name) for name in _REQUIRED},
        "extras": {name: _version_of(name) for name in _EXTRAS},
        "compiler": core["compiler"],
        "dependencies": core["dependencies"],
        "kernels": core["kernels"],
        # Once an analysis has made the process's worker pool, its size is
        # what every later analysis uses.
        "threads": pool if pool is not None else core["default_threads"],
        "pool_created": pool is not None,
    }


def _versions(found: dict[str, str | None]) -> str:
    return ", ".join(f"{name} {version or 'absent'}" for name, version in found.items())


def info_text(details: dict[str, Any]) -> str:
    """`details` (as :func:`info` gives them) as aligned lines of text."""
    py = details["python"]
    where = details["platform"]
    machine = ", ".join(v for v in (where["os"], where["machine"], where["libc"]) if v)
    threads = (f"{details['threads']} (this process's worker pool)" if details["pool_created"]
               else f"{details['threads']} (one per processor available; "
                    "set with threads= or --threads)")
    kernels = details["kernels"]
    kernels += (" (chosen at run time; the portable ones give the same results)"
                if kernels == "AVX-512" else " (no AVX-512 on this processor)")
    lines = [
        ("varenkopy", f"{details['varenkopy']['version']} at {details['varenkopy']['location']}"),
        ("Python", f"{py['version']} ({py['implementation']}) at {py['executable']}"),
        ("platform", machine),
        ("packages", _versions(details["packages"])),
        ("extras", _versions(details["extras"])),
        ("compiler", details["compiler"] or "unknown"),
        ("kernels", kernels),
        ("threads", threads),
    ]
    text = [f"{key:<10} {value}" for key, value in lines]
    rows = [("compiled dependency", "compiled", "running", "origin")]
    for name, dep in details["dependencies"].items():
        running = dep["runtime"] or ("(header-only)" if name in _HEADER_ONLY else "?")
        rows.append((name, dep["compiled"] or "?", running, dep["origin"]))
    widths = [max(len(row[i]) for row in rows) for i in range(3)]
    text.append("")
    text += [f"{a:<{widths[0]}}  {b:<{widths[1]}}  {c:<{widths[2]}}  {d}".rstrip()
             for a, b, c, d in rows]
    return "\n".join(text) + "\n"


def show_info(file: TextIO | None = None) -> None:
    """Prints what a bug report needs about this installation.

    Versions of varenkopy, Python, numpy, pandas, tqdm and the optional
    extras, the platform, the compiler and each compiled dependency (the
    version compiled against, the one running, and whether it was built from
    the sources shipped with varenkopy or taken from the build machine), the
    enrichment kernels this processor runs and the number of worker threads.
    ``varenkopy info`` on the command line prints the same; paste it into
    a bug report.

    Parameters
    ----------
    file : file-like, optional
        Where to print; standard output by default.

    See Also
    --------
    info : The same facts as a dict.

    Examples
    --------
    >>> import io
    >>> import varenkopy
    >>> out = io.StringIO()
    >>> varenkopy.show_info(file=out)
    >>> out.getvalue().splitlines()[0].startswith("varenkopy  " + varenkopy.__version__)
    True
    """
    print(info_text(info()), end="", file=sys.stdout if file is None else file)
