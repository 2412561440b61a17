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
import unicodedata
from collections.abc import Callable, Iterator
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
from varenkopy._results import check_result_cells
from varenkopy._warnings import warn

if TYPE_CHECKING:
    from matplotlib.artist import Artist
    from matplotlib.axes import Axes
    from matplotlib.figure import Figure

INSTALL_HINT = 'pip install "varenkopy[plot]"'
SAVE_FORMATS = ("png", "svg", "pdf")
ELLIPSIS = "\N{HORIZONTAL ELLIPSIS}"
MINUS = "\N{MINUS SIGN}"
# Resolution of a saved PNG when the call gives none: print quality, and
# sharp on high-density screens. Vector formats keep matplotlib's defaults.
PNG_DPI = 300
# Most rows (gene sets) one summary plot draws: more make a figure no one
# can read, and one that takes minutes to render.
MAX_ROWS = 100
# Names are cut to this many characters (with an ellipsis) before they are
# wrapped: nothing longer fits on a figure, and measuring stays quick.
_NAME_CHARS = 300
# Text properties of every name drawn: names are text, never markup, so a
# "$" is a dollar sign whatever the style sheet says about TeX.
NAME_TEXT: dict[str, Any] = {"parse_math": False, "usetex": False}
# Unicode categories drawn as escapes: controls, format characters (zero
# width, bidirectional overrides), surrogates, private use, unassigned, and
# line and paragraph separators. Drawn as is they are invisible, reorder
# the text around them, or cannot be drawn at all.
_INVISIBLE = frozenset({"Cc", "Cf", "Cs", "Co", "Cn", "Zl", "Zp"})


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


def display_name(name: object, limit: int = _NAME_CHARS) -> str:
    """`name` as it is drawn: characters that would be invisible or change
    the text around them written as escapes (``\\x00``, ``\\u200b``), an
    empty name as ``""``, and at most `limit` characters, the last an ellipsis.

    Examples
    --------
    >>> display_name("\\u202eABC")
    '\\\\u202eABC'
    >>> display_name("A" * 500)[-3:]
    'AA\u2026'
    """
    text = str(name)
    if len(text) > 4 * limit:  # no need to look at what is cut anyway
        text = text[:4 * limit]
    parts = []
    for char in text:
        if unicodedata.category(char) in _INVISIBLE:
            code = ord(char)
            parts.append(f"\\x{code:02x}" if code < 0x100 else
                         f"\\u{code:04x}" if code < 0x10000 else f"\\U{code:08x}")
        else:
            parts.append(char)
    shown = "".join(parts) if parts else '""'
    if len(shown) > limit or len(text) < len(str(name)):
        shown = shown[:limit - 1] + ELLIPSIS
    return shown


def new_figure(figsize: tuple[float, float]) -> Figure:
    """A new pyplot figure with constrained layout, so labels never overlap."""
    import matplotlib.pyplot as plt

    return plt.figure(figsize=figsize, layout="constrained")


@contextmanager
def drawing(fig: Figure, created: bool, target: tuple[str, str] | None, dpi: float | None
            ) -> Iterator[None]:
    """Runs the drawing, then saves `fig` to `target` when given.

    A PNG is written at `dpi`, by default :data:`PNG_DPI`; SVG and PDF at
    the figure's own. A figure this call created is closed when it was
    saved, so a script that draws many leaves none open, except where a
    notebook shows the figures of a cell after it ran (the inline backend):
    closing it there would hide it. A half-drawn figure is always closed.
    """
    import matplotlib.pyplot as plt

    try:
        yield
        if target is not None:
            path, fmt = target
            buffer = io.BytesIO()
            if dpi is None:
                dpi = PNG_DPI if fmt == "png" else None
            fig.savefig(buffer, format=fmt, dpi="figure" if dpi is None else dpi)
            write_bytes(path, buffer.getvalue())
    except BaseException:
        if created:
            plt.close(fig)
        raise
    if created and target is not None and not notebook_shows_figures():
        plt.close(fig)


def notebook_shows_figures() -> bool:
    """True when the pyplot backend is one of a notebook's, which shows the
    figures left open when a cell has run (inline, ipympl, nbAgg)."""
    import matplotlib

    backend = str(matplotlib.get_backend()).lower()
    return any(key in backend for key in ("inline", "ipympl", "widget", "nbagg"))


def overflow(fig: Figure, artist: Artist) -> float:
    """How far, in pixels, `artist` reaches out of figure `fig` on the left
    or right after a layout of the figure (0 when it is inside)."""
    fig.draw_without_rendering()
    box = artist.get_window_extent()
    return float(max(fig.bbox.x0 - box.x0, box.x1 - fig.bbox.x1, 0.0))


def fit_width(fig: Figure, artist: Callable[[], Artist], refit: Callable[[float], None],
              tries: int = 4) -> None:
    """Narrows a text until it fits the figure's width: while the artist that
    `artist` returns reaches out, `refit` is called with the share of its
    width that fits, to wrap it anew. Each layout moves the axes a little,
    so this is repeated a few times."""
    for _ in range(tries):
        current = artist()
        out = overflow(fig, current)
        if out <= 0.0:
            return
        width = current.get_window_extent().width
        refit(max((width - 2.0 * out) / width, 0.1) * 0.97 if width > 0 else 0.5)


def cap_rows(count: int, what: str = "argument 'top'") -> int:
    """`count` rows, or :data:`MAX_ROWS` with a warning when there are more."""
    if count <= MAX_ROWS:
        return count
    warn(f"{what}: {count} gene sets make a plot no one can read; drawing the first "
         f"{MAX_ROWS} (draw several plots, or use the results table, for more)")
    return MAX_ROWS


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
        if width > 0:  # a sample of zero-width characters measures nothing
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
    """Labels of gene set names for an axis (as :func:`display_name` draws
    them): a prefix shared by all (returned
    apart, for the axis label) left out when `strip_prefix`, the rest wrapped
    to `inches` in at most three lines. Returns the labels, the prefix and
    the lines a row needs: the most that two neighbouring labels share
    between them, as each may reach half-way to the next row."""
    shown = [display_name(n) for n in names]
    prefix = shared_prefix(shown) if strip_prefix else ""
    rest = [n[len(prefix):] for n in shown]
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
    if isinstance(result, (pd.Series, pd.DataFrame)):
        check_result_cells(result, "result")
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
    check_result_cells(results, name)
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
