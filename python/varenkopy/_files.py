"""The one rule by which the package writes and reads its files.

Everything the package writes (result tables, plots, reports) goes through
:func:`write_bytes` or :func:`write_text`, and everything it reads as text
goes through :func:`open_text`, so that all files are treated alike.
"""
from __future__ import annotations

import os


def write_bytes(path: str | os.PathLike[str], data: bytes) -> None:
    """Writes `data` to `path` by the package's file rule."""
    with open(path, "wb") as fh:
        fh.write(data)


def write_text(path: str | os.PathLike[str], text: str) -> None:
    """Writes `text` as UTF-8 to `path` by the package's file rule."""
    write_bytes(path, text.encode("utf-8"))
