"""The package's warning category and logger."""
from __future__ import annotations

import logging
import warnings

logger = logging.getLogger("varenkopy")
# A library leaves the choice of handlers to the application.
logger.addHandler(logging.NullHandler())


class VarenkoWarning(UserWarning):
    """Warnings about the input or the results of an analysis."""


def warn(message: str, stacklevel: int = 3) -> None:
    """Issues `message` as a :class:`VarenkoWarning` and logs it to ``varenkopy``.

    Parameters
    ----------
    message : str
        The warning text.
    stacklevel : int
        Passed to :func:`warnings.warn`; the default points at the caller of
        the public function that called this one.
    """
    warnings.warn(message, VarenkoWarning, stacklevel=stacklevel + 1)
    logger.warning(message)
