"""What the matplotlib plots share: the optional import, saving through the
package's file rule, result rows and their labels, and names that fit.

Nothing here imports matplotlib at module level: ``import varenkopy`` must
work (and stay fast) without it.
"""
from __future__ import annotations

import io
import itertools
import math
import os
from collections.abc import Iterator
from contextlib import contextmanager
from typing import TYPE_CHECKING, Any

import numpy as np
import pandas as pd

from varenkopy._files import write_bytes
from varenkopy._inputs import as_path, type_name
from varenkopy._pvalues import DEFAULT_EPS as DEFAULT_EPS
from varenkopy._pvalues import at_floor as at_floor
from varenkopy._pvalues import format_p as format_p
from varenkopy._pvalues import number as number

if TYPE_CHECKING:
    from matplotlib.axes import Axes
    from matplotlib.figure import Figure

INSTALL_HINT = 'pip install "varenkopy[plot]"'
SAVE_FORMATS = ("png", "svg", "pdf")
ELLIPSIS = "\N{HORIZONTAL ELLIPSIS}"
MINUS = "\N{MINUS SIGN}"


def require_matplotlib() -> None:
    """Raises ImportError naming the extra when matplotlib (3.6 or newer) is missing."""
    try:
        import matplotlib
    except ImportError:
        raise ImportError(f"varenkopy.pl needs matplotlib: {INSTALL_HINT}") from None
    major, minor = (int(part) for part in matplotlib.__version__.split(".")[:2])
    if (major, minor) < (3, 6):
        raise ImportError(f"varenkopy.pl needs matplotlib 3.6 or newer, found "
                          f"{matplotlib.__version__}: {INSTALL_HINT}")


def save_format(save: object) -> tuple[str, str] | None:
    """The path and format (from its suffix) of a ``save=`` argument, checked
    before anything is drawn; None when nothing is to be saved."""
    if save is None:
        return None
    path = as_path(save, "save")
    suffix = os.path.splitext(path)[1].lower().lstrip(".")
    if suffix not in SAVE_FORMATS:
        raise ValueError(f"argument 'save': the file name must end in .png, .svg or .pdf "
                         f"(the suffix chooses the format), got {path!r}")
    return path, suffix


def new_figure(figsize: tuple[float, float]) -> Figure:
    """A new pyplot figure with constrained layout, so labels never overlap."""
    import matplotlib.pyplot as plt

    return plt.figure(figsize=figsize, layout="constrained")


@contextmanager
def drawing(fig: Figure, created: bool, target: tuple[str, str] | None, dpi: float | None
            ) -> Iterator[None]:
    """Runs the drawing, then saves `fig` to `target` when given.

    A figure this call created is closed when it was saved, and also when
    the drawing failed, so no half-drawn figure stays open.
    """
    import matplotlib.pyplot as plt

    try:
        yield
        if target is not None:
            path, fmt = target
            buffer = io.BytesIO()
            fig.savefig(buffer, format=fmt, dpi="figure" if dpi is None else dpi)
            write_bytes(path, buffer.getvalue())
    except BaseException:
        if created:
            plt.close(fig)
        raise
    if created and target is not None:
        plt.close(fig)


def figure_of(ax: Axes) -> Figure:
    """The top-level Figure that `ax` is drawn on."""
    fig = ax.get_figure(root=True) if _has_root_kw() else ax.get_figure()
    if fig is None:  # pragma: no cover - an Axes always belongs to a figure
        raise ValueError("argument 'ax': the Axes belongs to no figure")
    return fig  # type: ignore[return-value]


def _has_root_kw() -> bool:
    import matplotlib

    major, minor = (int(part) for part in matplotlib.__version__.split(".")[:2])
    return (major, minor) >= (3, 10)


def check_axes(ax: object, name: str = "ax") -> Axes:
    """`ax` if it is a matplotlib Axes, else TypeError naming the argument."""
    from matplotlib.axes import Axes

    if not isinstance(ax, Axes):
        raise TypeError(f"argument '{name}': expected a matplotlib Axes, got {type_name(ax)}")
    return ax


def fit_name(name: str, width: int, max_lines: int = 2) -> str:
    """`name` broken into lines of at most `width` characters, after ``_``,
    ``-``, ``/`` or a space where possible; what does not fit in `max_lines`
    ends in an ellipsis, so a shortened name is always marked as such.

    Examples
    --------
    >>> fit_name("HALLMARK_EPITHELIAL_MESENCHYMAL_TRANSITION", 24)
    'HALLMARK_EPITHELIAL_\\nMESENCHYMAL_TRANSITION'
    """
    width = max(int(width), 4)
    tokens: list[str] = []
    current = ""
    for char in name:
        current += char
        if char in "_-/ ":
            tokens.append(current)
            current = ""
    if current:
        tokens.append(current)
    lines: list[str] = []
    line = ""
    for token in tokens:
        while len(token) > width:  # a part longer than a line is broken inside it
            if line:
                lines.append(line)
                line = ""
            lines.append(token[:width])
            token = token[width:]
        if len(line) + len(token.rstrip()) > width:
            lines.append(line)
            line = token
        else:
            line += token
    if line:
        lines.append(line)
    lines = [part.rstrip() for part in lines if part.strip()]
    if len(lines) > max_lines:
        last = lines[max_lines - 1]
        lines = [*lines[:max_lines - 1], last[:width - 1].rstrip("_-/ ") + ELLIPSIS]
    return "\n".join(lines)


def chars_per_line(ax: Axes, fraction: float, size: Any, sample: str = "") -> int:
    """How many characters of font size `size` fit in `fraction` of the width
    of `ax`'s figure (measured on `sample`, as for :func:`chars_in`)."""
    return chars_in(container_width(ax) * fraction, size, sample[:2000])


def container_width(ax: Axes) -> float:
    """Width in inches of the figure or subfigure that holds `ax`."""
    root = figure_of(ax)
    holder = ax.get_figure(root=False) if _has_root_kw() else ax.get_figure()
    if holder is None or holder is root:
        return float(root.get_figwidth())
    return float(holder.bbox.width / root.dpi)


def chars_in(inches: float, size: Any, sample: str = "") -> int:
    """How many characters of font size `size` fit in `inches`, measured in
    the current font on `sample` (the names to be fitted) when given."""
    from matplotlib.font_manager import FontProperties

    prop = FontProperties(size=size)
    points = prop.get_size_in_points()
    em = 0.66  # capitals of the usual sans-serif fonts, when there is nothing to measure
    if sample:
        from matplotlib.textpath import TextToPath

        width = TextToPath().get_text_width_height_descent(sample, prop, ismath=False)[0]
        em = width / points / len(sample)
    return max(int(inches * 72.0 / (em * points)), 8)


def shared_prefix(names: list[str]) -> str:
    """The prefix up to an underscore that every name shares (such as
    ``HALLMARK_``), when there are several names and each keeps some text."""
    if len(names) < 2:
        return ""
    first, last = min(names), max(names)
    length = 0
    while length < min(len(first), len(last)) and first[length] == last[length]:
        length += 1
    prefix = first[:length]
    cut = prefix.rfind("_") + 1
    if cut < 3 or any(len(n) <= cut for n in names):
        return ""
    return prefix[:cut]


def set_labels(names: list[str], inches: float, size: Any, strip_prefix: bool
               ) -> tuple[list[str], str, float]:
    """Labels of gene set names for an axis: a prefix shared by all (returned
    apart, for the axis label) left out when `strip_prefix`, the rest wrapped
    to `inches` in at most three lines. Returns the labels, the prefix and
    the lines a row needs: the most that two neighbouring labels share
    between them, as each may reach half-way to the next row."""
    prefix = shared_prefix(names) if strip_prefix else ""
    rest = [n[len(prefix):] for n in names]
    width = chars_in(inches, size, "".join(rest)[:2000])
    labels = [fit_name(n, width, max_lines=3) for n in rest]
    counts = [label.count("\n") + 1 for label in labels]
    pairs = [(a + b) / 2 for a, b in itertools.pairwise(counts)]
    return labels, prefix, max(pairs or counts or [1])


def row_pitch(size: Any, lines: float) -> float:
    """Inches per row of a plot whose row labels have up to `lines` lines."""
    from matplotlib.font_manager import FontProperties

    points = FontProperties(size=size).get_size_in_points()
    return max(lines * 1.25 * points + 4.0, 14.0) / 72.0


# --- result rows ----------------------------------------------------------------

def result_row(result: object, pathway: str | None) -> pd.Series[Any] | None:
    """The row of `pathway` in a :func:`gsea` frame, or `result` itself when
    it is one row (a Series); None for no result."""
    if result is None:
        return None
    if isinstance(result, pd.Series):
        named = result.get("pathway")
        if pathway is not None and isinstance(named, str) and named != pathway:
            raise ValueError(f"argument 'result': the row is of gene set {named!r}, "
                             f"not {pathway!r}")
        return result
    if isinstance(result, pd.DataFrame):
        if "pathway" not in result.columns:
            raise ValueError("argument 'result': the frame has no 'pathway' column")
        if pathway is None:
            if len(result) != 1:
                raise ValueError("argument 'result': name the gene set to pick its row from "
                                 "a frame of several rows")
            row = result.iloc[0]
        else:
            found = result[result["pathway"] == pathway]
            if found.empty:
                raise KeyError(f"gene set {pathway!r} is not in result")
            if len(found) > 1:
                raise ValueError(f"argument 'result': gene set {pathway!r} has {len(found)} "
                                 "rows (results of several signatures?); pass one row")
            row = found.iloc[0]
        row.attrs.update(result.attrs)
        return row
    raise TypeError(f"argument 'result': expected a DataFrame or a Series (one row), "
                    f"got {type_name(result)}")


def stats_label(row: pd.Series[Any], eps: float | None) -> str:
    """"NES 2.31, p < 1e-50, adj. p 3.4e-9" for a result row."""
    nes = number(row.get("nes"))
    pval = number(row.get("pval"))
    padj = number(row.get("padj"))
    floored = at_floor(row, "pval", eps)
    parts = []
    if not math.isnan(nes):
        parts.append(f"NES {nes:.2f}".replace("-", MINUS))
    if not math.isnan(pval):
        text = format_p(pval, floored)
        parts.append(f"p {text}" if floored else f"p = {text}")
    if not math.isnan(padj):
        # Adjusting a p-value that is only a bound gives a bound: the true
        # adjusted value is at most the one shown.
        relation = "\N{LESS-THAN OR EQUAL TO}" if floored else "="
        parts.append(f"adj. p {relation} {format_p(padj, False)}")
    return ", ".join(parts)


def check_results(results: object, name: str = "results") -> pd.DataFrame:
    """`results` as a frame with the columns the summary plots read."""
    if not isinstance(results, pd.DataFrame):
        raise TypeError(f"argument '{name}': expected a DataFrame from gsea() or gsea_many(), "
                        f"got {type_name(results)}")
    missing = [c for c in ("pathway", "nes", "padj") if c not in results.columns]
    if missing:
        raise ValueError(f"argument '{name}': missing columns {', '.join(map(repr, missing))}")
    return results


def check_top(top: object) -> int:
    if isinstance(top, bool) or not isinstance(top, (int, np.integer)):
        raise TypeError(f"argument 'top': expected int, got {type_name(top)}")
    if top < 1:
        raise ValueError(f"argument 'top': expected at least 1, got {top}")
    return int(top)


def neg_log10(values: np.ndarray[Any, Any], floor: float) -> np.ndarray[Any, Any]:
    """-log10 of p-values, with 0 (or less) read as `floor`."""
    return -np.log10(np.clip(values.astype(np.float64), floor, 1.0))
