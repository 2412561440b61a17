"""The package's warning category and logger."""
from __future__ import annotations

import logging
import os
import sys
import warnings

logger = logging.getLogger("varenkopy")
# A library leaves the choice of handlers to the application.
logger.addHandler(logging.NullHandler())

# Files in this folder (and below it) are the package's own frames.
_PACKAGE_DIR = os.path.dirname(os.path.abspath(__file__)) + os.sep


class VarenkoWarning(UserWarning):
    """Warnings about the input or the results of an analysis."""


def caller_stacklevel() -> int:
    """The `stacklevel` that makes :func:`warnings.warn`, called by the function
    that calls this one, point at the first frame outside the package.

    Counting frames instead of writing a number at each call keeps every
    warning at the caller's line however deep in the package it is issued.
    When every frame is the package's (``python -m varenkopy``), the outermost
    one is used.
    """
    frame = sys._getframe(2)  # the caller of the function that calls this one
    level = 2
    while frame.f_back is not None and frame.f_code.co_filename.startswith(_PACKAGE_DIR):
        frame = frame.f_back
        level += 1
    return level


def warn(message: str, stacklevel: int | None = None) -> None:
    """Issues `message` as a :class:`VarenkoWarning` and logs it to ``varenkopy``.

    The warning points at the line of the caller's code that called into the
    package (the first frame outside it).

    Parameters
    ----------
    message : str
        The warning text.
    stacklevel : int, optional
        Ignored: kept so that older calls that pass a count still work; the
        frame is always found by walking out of the package.
    """
    del stacklevel
    warnings.warn(message, VarenkoWarning, stacklevel=caller_stacklevel())
    logger.warning(message)
