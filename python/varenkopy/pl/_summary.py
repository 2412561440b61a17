"""Plots of many gene sets at once from analysis results: NES bars, a dot plot
of pathways x signatures and a heatmap of leading-edge genes.

Colours: adjusted p-values use ``cividis`` (perceptually uniform and made to
read the same with the common colour-vision deficiencies; its dark end marks
the smallest, most significant values); NES uses ``coolwarm``, a diverging
map whose two arms rise in lightness alike and whose centre is a light grey
rather than white, so sets with an NES near 0 stay visible on a white
background; blue against red stays distinct for red-green deficiencies.
"""
from __future__ import annotations

import math
from typing import TYPE_CHECKING, Any

import numpy as np
import pandas as pd

from varenkopy._inputs import GeneSetsLike, gene_sets_to_pairs, type_name
from varenkopy.pl._common import (
    MAX_ROWS,
    NAME_TEXT,
    cap_rows,
    check_axes,
    check_results,
    check_top,
    container_width,
    display_name,
    drawing,
    figure_of,
    neg_log10,
    new_figure,
    overflow,
    require_matplotlib,
    row_pitch,
    save_format,
    set_labels,
)

if TYPE_CHECKING:
    from matplotlib.axes import Axes

PADJ_CMAP = "cividis"
NES_CMAP = "coolwarm"
# Font size of gene set names, relative to rcParams["font.size"].
_NAME_SIZE = "small"
# Marker areas (points^2) of the dot plot: the smallest dot and the largest.
_DOT_MIN, _DOT_MAX = 4.0, 110.0


def _drawable(results: pd.DataFrame) -> pd.DataFrame:
    """Rows with an NES and an adjusted p-value, by adjusted p-value (then p-value)."""
    keep = results[results["nes"].notna() & results["padj"].notna()]
    order = ["padj", "pval"] if "pval" in keep.columns else ["padj"]
    return keep.sort_values(order, kind="mergesort")


def _figure_width(ax: Axes | None, figsize: tuple[float, float] | None, default: float) -> float:
    if ax is not None:
        return container_width(check_axes(ax))
    return figsize[0] if figsize is not None else default


def _axes_for(ax: Axes | None, figsize: tuple[float, float]) -> tuple[Axes, bool]:
    if ax is None:
        return new_figure(figsize).add_subplot(), True
    return check_axes(ax), False


def _label_rows(ax: Axes, positions: Any, labels: list[str], prefix: str) -> None:
    ax.set_yticks(positions, labels, fontsize=_NAME_SIZE, linespacing=1.0, **NAME_TEXT)
    if prefix:
        # Written once for all rows, not cut away unsaid: level, as the head
        # of the column of names, right above them (a text of the axes, so
        # the layout makes room for all of it).
        ax.annotate(f"{prefix}\N{HORIZONTAL ELLIPSIS}", (0.0, 1.0), xycoords="axes fraction",
                    xytext=(-4.0, 4.0), textcoords="offset points", ha="right", va="bottom",
                    fontsize=_NAME_SIZE, gid="prefix", **NAME_TEXT)


def _padj_floor(values: np.ndarray[Any, Any]) -> float:
    positive = values[values > 0]
    return float(positive.min()) if positive.size else 1e-300


def barplot(
    results: pd.DataFrame,
    *,
    top: int = 20,
    ax: Axes | None = None,
    cmap: Any = PADJ_CMAP,
    name_width: float = 0.55,
    strip_prefix: bool = True,
    figsize: tuple[float, float] | None = None,
    save: str | Any = None,
    dpi: float | None = None,
) -> Axes:
    """Draws the NES of the top gene sets as horizontal bars coloured by adjusted p-value.

    Parameters
    ----------
    results : DataFrame
        A :func:`varenkopy.gsea` frame; rows without NES or adjusted p-value
        are left out.
    top : int, default 20
        Number of sets drawn: those with the smallest adjusted p-values;
        at most 100 (a larger `top` draws 100 and warns).
    ax : Axes, optional
        Draw on this Axes; by default on a new figure.
    cmap : str or Colormap, default "cividis"
        Colour map of the adjusted p-value (log scale, dark = small).
    name_width : float, default 0.55
        Share of the figure's width given to a set's name; longer names are
        wrapped onto up to three lines, then shortened with an ellipsis.
    strip_prefix : bool, default True
        Leave out a prefix all names share (such as ``HALLMARK_``) and write
        it once as the axis label.
    figsize : (float, float), optional
        Size in inches of a new figure; by default 3.5 wide (one journal
        column) and tall enough for the rows.
    save : str or os.PathLike, optional
        Also write the figure to this file (.png, .svg or .pdf); a figure
        made by this call is then closed, unless a notebook's inline
        backend is to show it.
    dpi : float, optional
        Resolution of a saved PNG, by default 300; SVG and PDF are vector.

    Returns
    -------
    Axes
        The Axes drawn on; the bars are its first container.

    Examples
    --------
    >>> ax = pl.barplot(res, top=15, save="nes.svg")
    """
    require_matplotlib()
    from matplotlib.colors import LogNorm

    frame = _drawable(check_results(results)).head(check_top(top))
    frame = frame.head(cap_rows(len(frame)))
    if "signature" in frame.columns and frame["signature"].nunique() > 1:
        raise ValueError("argument 'results': rows of several signatures; use dotplot(), or "
                         "select one signature's rows")
    target = save_format(save)
    frame = frame.iloc[::-1]  # most significant on top
    labels, prefix, lines = set_labels([str(n) for n in frame["pathway"]],
                                       _figure_width(ax, figsize, 3.5) * name_width, _NAME_SIZE,
                                       strip_prefix)
    if figsize is None:
        figsize = (3.5, 1.3 + row_pitch(_NAME_SIZE, lines) * max(len(frame), 3))
    ax, created = _axes_for(ax, figsize)
    with drawing(figure_of(ax), created, target, dpi):
        padj = frame["padj"].to_numpy(dtype=np.float64)
        floor = _padj_floor(padj)
        low = min(floor, 0.05)
        norm = LogNorm(vmin=low, vmax=max(1.0, low * 10))
        colours = _colormap(cmap)(norm(np.clip(padj, floor, 1.0)))
        y = np.arange(len(frame))
        ax.barh(y, frame["nes"].to_numpy(dtype=np.float64), color=colours, height=0.75)
        ax.axvline(0.0, color=_ink(), linewidth=0.6)
        _label_rows(ax, y, labels, prefix)
        ax.set_ylim(-0.6, len(frame) - 0.4)
        ax.set_xlabel("NES")
        _padj_colorbar(ax, norm, cmap)
    return ax


def _ink() -> Any:
    import matplotlib as mpl

    return mpl.rcParams["text.color"]


def _colormap(cmap: Any) -> Any:
    import matplotlib as mpl

    return mpl.colormaps[cmap] if isinstance(cmap, str) else cmap


def _padj_colorbar(ax: Axes, norm: Any, cmap: Any) -> None:
    from matplotlib.cm import ScalarMappable

    # Above the bars, so the names and the bars keep the width.
    mappable = ScalarMappable(norm=norm, cmap=_colormap(cmap))
    bar = figure_of(ax).colorbar(mappable, ax=ax, location="top", shrink=0.9, aspect=25,
                                 pad=0.01)
    bar.set_label("adj. p", fontsize="small")
    bar.ax.tick_params(labelsize="x-small")


def dotplot(
    results: pd.DataFrame,
    *,
    x: str = "signature",
    top: int = 10,
    ax: Axes | None = None,
    cmap: Any = NES_CMAP,
    name_width: float = 0.45,
    strip_prefix: bool = True,
    figsize: tuple[float, float] | None = None,
    save: str | Any = None,
    dpi: float | None = None,
) -> Axes:
    """Draws gene sets as dots: area = -log10 adjusted p-value, colour or place = NES.

    For :func:`varenkopy.gsea_many` results the columns are the signatures
    (column `x`, which labels the axis), the rows the union of each
    signature's `top` sets and the colour the NES; for one
    :func:`varenkopy.gsea` frame (no column `x`) the dots lie at their NES.
    Rows are ordered by mean NES, so sets going up and down group. The axes
    leave room for the largest dot.

    Parameters
    ----------
    results : DataFrame
        Results with ``pathway``, ``nes`` and ``padj`` columns (and `x`).
    x : str, default "signature"
        The column whose values are the dot plot's columns.
    top : int, default 10
        Sets with the smallest adjusted p-values taken from each signature;
        at most 100 rows in all are drawn (with a warning when there are more).
    ax : Axes, optional
        Draw on this Axes; by default on a new figure.
    cmap : str or Colormap, default "coolwarm"
        Diverging colour map of the NES, centred on 0 with equal reach both
        ways, for several signatures; one frame's dots have one colour, as
        their place on the x-axis is the NES.
    name_width : float, default 0.45
        Share of the figure's width given to a set's name (wrapped onto up to
        three lines, then shortened with an ellipsis).
    strip_prefix : bool, default True
        Leave out a prefix all names share and write it once as the axis label.
    figsize : (float, float), optional
        Size in inches of a new figure; by default from the numbers of rows
        and columns (4 wide for one frame; no colour bar there, as the
        x-axis shows the NES).
    save : str or os.PathLike, optional
        Also write the figure to this file (.png, .svg or .pdf); a figure
        made by this call is then closed, unless a notebook's inline
        backend is to show it.
    dpi : float, optional
        Resolution of a saved PNG, by default 300; SVG and PDF are vector.

    Returns
    -------
    Axes
        The Axes drawn on; the dots are its first collection, their areas
        ``_DOT_MIN + (_DOT_MAX - _DOT_MIN) * v / max(v)`` for v = -log10 padj.

    Examples
    --------
    >>> ax = pl.dotplot(many, top=5)
    """
    require_matplotlib()
    from matplotlib.colors import Normalize

    frame = _drawable(check_results(results))
    top = check_top(top)
    if not isinstance(x, str):
        raise TypeError(f"argument 'x': expected str, got {type_name(x)}")
    many = x in frame.columns
    if many:
        chosen = frame.groupby(x, sort=False).head(top)
        keep = frame[frame["pathway"].isin(set(chosen["pathway"]))]
        columns = list(pd.unique(results[x]))
    else:
        keep = frame.head(top)
        columns = []
    if keep.empty:
        raise ValueError("argument 'results': no row has an NES and an adjusted p-value")
    if keep["pathway"].nunique() > MAX_ROWS:
        # The sets of the smallest adjusted p-values in any signature (the
        # frame is in that order) stay.
        kept = list(pd.unique(keep["pathway"]))[:cap_rows(keep["pathway"].nunique())]
        keep = keep[keep["pathway"].isin(set(kept))]
    order = keep.groupby("pathway", sort=False)["nes"].mean().sort_values(kind="mergesort")
    rows = list(order.index)
    target = save_format(save)
    default_width = 4.0 if not many else min(max(2.6 + 0.3 * len(columns), 3.5), 7.2)
    labels, prefix, lines = set_labels(rows, _figure_width(ax, figsize, default_width) * name_width,
                                       _NAME_SIZE, strip_prefix)
    if figsize is None:
        figsize = (default_width, 1.6 + row_pitch(_NAME_SIZE, lines) * max(len(rows), 3))
    ax, created = _axes_for(ax, figsize)
    with drawing(figure_of(ax), created, target, dpi):
        row_of = {name: i for i, name in enumerate(rows)}
        y = keep["pathway"].map(row_of).to_numpy(dtype=np.float64)
        nes = keep["nes"].to_numpy(dtype=np.float64)
        padj = keep["padj"].to_numpy(dtype=np.float64)
        strength = neg_log10(padj, _padj_floor(padj))
        top_strength = max(float(strength.max()), 1.0)
        sizes = _DOT_MIN + (_DOT_MAX - _DOT_MIN) * strength / top_strength
        reach = max(float(np.abs(nes).max()), 1.0)
        norm = Normalize(vmin=-reach, vmax=reach)
        if many:
            col_of = {name: i for i, name in enumerate(columns)}
            xs = keep[x].map(col_of).to_numpy(dtype=np.float64)
            dots = ax.scatter(xs, y, s=sizes, c=nes, cmap=_colormap(cmap), norm=norm,
                              edgecolors=_ink(), linewidths=0.3, zorder=3)
        else:
            # The x axis is the NES: colouring by it too would say nothing more.
            xs = nes
            dots = ax.scatter(xs, y, s=sizes, color=_first_colour(), edgecolors=_ink(),
                              linewidths=0.3, zorder=3)
        _label_rows(ax, np.arange(len(rows)), labels, prefix)
        if many:
            ax.set_xticks(np.arange(len(columns)), [display_name(c, 40) for c in columns],
                          rotation=45, ha="right", rotation_mode="anchor", fontsize="small",
                          **NAME_TEXT)
            ax.set_xlabel(display_name(x, 40), fontsize="small", **NAME_TEXT)
        else:
            ax.axvline(0.0, color=_ink(), linewidth=0.6, zorder=1)
            ax.set_xlabel("NES")
        ax.grid(True, linewidth=0.4, alpha=0.35, zorder=0)
        ax.set_axisbelow(True)
        if many:
            fig = figure_of(ax)
            bar = fig.colorbar(dots, ax=ax, shrink=min(0.6, 2.0 / fig.get_figheight() + 0.2),
                               aspect=12, pad=0.02, location="right")
            bar.set_label("NES", fontsize="small")
            bar.ax.tick_params(labelsize="x-small")
        _size_legend(ax, top_strength, beside=not many)
        span_x = (0.0, len(columns) - 1.0) if many else (min(float(nes.min()), 0.0),
                                                          max(float(nes.max()), 0.0))
        _room_for_dots(ax, span_x, (0.0, len(rows) - 1.0), float(sizes.max()),
                       0.6 if many else 0.0)
    return ax


def _room_for_dots(ax: Axes, xs: tuple[float, float], ys: tuple[float, float],
                   area: float, least_x: float) -> None:
    """Axis limits that keep dots of marker area `area` (points^2) centred
    anywhere in `xs` x `ys` inside the axes: the margin is the largest
    dot's radius in data units, at least 0.6 of a row (and `least_x` on x). Measured
    after a layout, and once more after it, as the limits move the labels."""
    fig = figure_of(ax)
    radius = (math.sqrt(area) / 2.0 + 1.0) * fig.dpi / 72.0  # pixels, with the edge line
    for _ in range(2):
        fig.draw_without_rendering()
        for (low, high), pixels, setter, least in ((xs, ax.bbox.width, ax.set_xlim, least_x),
                                                   (ys, ax.bbox.height, ax.set_ylim, 0.6)):
            inner = max(high - low, 0.0)
            share = min(2.0 * radius / pixels, 0.9) if pixels > 0 else 0.5
            pad = max(inner * share / (1.0 - share) / 2.0, least, 0.05)
            setter(low - pad, high + pad)


def _size_legend(ax: Axes, top_strength: float, beside: bool) -> None:
    """Three reference dots for -log10 adjusted p-values: right of the panel
    when it is `beside`, else in a row above it (the colour bar is right)."""
    from matplotlib.lines import Line2D

    steps = sorted({max(1, round(top_strength * f)) for f in (0.25, 0.5, 1.0)})
    handles = []
    for value in steps:
        area = _DOT_MIN + (_DOT_MAX - _DOT_MIN) * min(value / top_strength, 1.0)
        handles.append(Line2D([], [], linestyle="none", marker="o", markersize=math.sqrt(area),
                              markerfacecolor="none", markeredgecolor=_ink(),
                              markeredgewidth=0.6, label=f"{value:g}"))
    ax.legend(handles=handles, loc="upper left" if beside else "lower left",
              bbox_to_anchor=(1.03, 1.0) if beside else (0.0, 1.01),
              ncols=1 if beside else len(handles), frameon=False, fontsize="x-small", borderaxespad=0.0,
              handletextpad=0.3, columnspacing=1.0,
              title="\N{MINUS SIGN}log\N{SUBSCRIPT ONE}\N{SUBSCRIPT ZERO} adj. p",
              title_fontsize="x-small", alignment="left")


def leading_edge_heatmap(
    results: pd.DataFrame,
    gene_sets: GeneSetsLike | None = None,
    *,
    top: int = 20,
    alpha: float = 0.05,
    max_genes: int = 40,
    ax: Axes | None = None,
    name_width: float = 0.4,
    strip_prefix: bool = True,
    figsize: tuple[float, float] | None = None,
    save: str | Any = None,
    dpi: float | None = None,
) -> Axes:
    """Draws which genes are in the leading edges of the significant gene sets.

    Rows are the sets (the `top` with adjusted p-value below `alpha`, most
    significant first), columns the genes of their leading edges: a filled
    cell means the gene is in that set's leading edge, red for a set
    enriched at the top of the ranking (NES > 0), blue at the bottom. Genes shared by the
    most sets come first, and genes with the same sets stand together.

    Parameters
    ----------
    results : DataFrame
        A :func:`varenkopy.gsea` frame (with ``leading_edge`` lists).
    gene_sets : Mapping, DataFrame or path, optional
        The analysis' gene sets; when given, a set's name not in them is an
        error (the results belong to another collection).
    top : int, default 20
        Largest number of sets drawn; at most 100 (a larger `top` draws
        100 and warns).
    alpha : float, default 0.05
        Sets with an adjusted p-value below this are drawn.
    max_genes : int, default 40
        Largest number of gene columns: the genes in several sets first,
        then each set's most leading genes in turn, so every set shows some;
        the axis label says how many genes there are in all.
    ax : Axes, optional
        Draw on this Axes; by default on a new figure.
    name_width : float, default 0.4
        Share of the figure's width given to a set's name (wrapped onto up to
        three lines, then shortened with an ellipsis).
    strip_prefix : bool, default True
        Leave out a prefix all names share and write it once as the axis label.
    figsize : (float, float), optional
        Size in inches of a new figure; by default from the numbers of sets
        and genes.
    save : str or os.PathLike, optional
        Also write the figure to this file (.png, .svg or .pdf); a figure
        made by this call is then closed, unless a notebook's inline
        backend is to show it.
    dpi : float, optional
        Resolution of a saved PNG, by default 300; SVG and PDF are vector.

    Returns
    -------
    Axes
        The Axes drawn on; the cells are its first collection (a QuadMesh
        of sets x genes: 0 outside a leading edge, else 1 for NES > 0 and
        -1 for NES < 0), the gene names its x tick labels.

    Examples
    --------
    >>> ax = pl.leading_edge_heatmap(res, datasets.hallmark(), top=10)
    """
    require_matplotlib()
    from matplotlib.colors import ListedColormap, to_rgba

    frame = check_results(results)
    if "leading_edge" not in frame.columns:
        raise ValueError("argument 'results': missing column 'leading_edge'")
    if isinstance(alpha, bool) or not isinstance(alpha, (int, float)):
        raise TypeError(f"argument 'alpha': expected float, got {type_name(alpha)}")
    max_genes = check_top(max_genes)
    sets = _drawable(frame)
    sets = sets[sets["padj"] < alpha].head(check_top(top))
    sets = sets.head(cap_rows(len(sets)))
    if sets.empty:
        raise ValueError(f"argument 'results': no gene set has an adjusted p-value below {alpha}")
    if gene_sets is not None:
        known = {name for name, _ in gene_sets_to_pairs(gene_sets, "gene_sets")}
        absent = [n for n in sets["pathway"] if n not in known]
        if absent:
            raise KeyError(f"gene sets not in gene_sets: {', '.join(map(repr, absent[:5]))}")
    names = [str(n) for n in sets["pathway"]]
    edges = [list(e) if isinstance(e, (list, tuple, np.ndarray)) else [] for e in sets["leading_edge"]]
    genes = list(dict.fromkeys(g for edge in edges for g in edge))
    if not genes:
        raise ValueError("argument 'results': the significant sets have empty leading edges")
    member = np.zeros((len(names), len(genes)), dtype=np.int8)
    column = {g: j for j, g in enumerate(genes)}
    for i, edge in enumerate(edges):
        member[i, [column[g] for g in edge]] = 1
    # Each set's direction: its cells are +1 when it is enriched at the top
    # of the ranking (NES > 0), -1 at the bottom.
    direction = np.where(sets["nes"].to_numpy(dtype=np.float64) < 0, -1, 1).astype(np.int8)
    chosen = _pick_genes(member, edges, genes, max_genes)
    # Genes in most sets first; equal counts by their pattern of sets, so
    # genes with the same sets stand together; then by first appearance.
    counts = member.sum(axis=0)
    order = sorted(chosen, key=lambda j: (-int(counts[j]), tuple(-member[:, j]), j))
    total = len(genes)
    member = member[:, order]
    genes = [genes[j] for j in order]

    target = save_format(save)
    default_width = min(max(2.0 + 0.11 * len(genes), 3.5), 7.2)
    labels, prefix, lines = set_labels(names, _figure_width(ax, figsize, default_width) * name_width,
                                       _NAME_SIZE, strip_prefix)
    # Gene names run down below the cells: a long one (an Ensembl ID with a
    # version, a hostile string) is shortened with a visible ellipsis, and
    # the figure grows by the longest shown name.
    shown_genes = [display_name(g, _GENE_CHARS) for g in genes]
    if figsize is None:
        longest = max(len(g) for g in shown_genes)
        figsize = (default_width, 1.0 + 0.065 * longest + row_pitch(_NAME_SIZE, lines) * len(names))
    ax, created = _axes_for(ax, figsize)
    with drawing(figure_of(ax), created, target, dpi):
        background = to_rgba(ax.get_facecolor())
        up, down = _direction_colours()
        colours = ListedColormap([down, background, up])
        grid = ax.get_facecolor()
        ax.pcolormesh(member * direction[:, None], cmap=colours, vmin=-1, vmax=1,
                      edgecolors=[_mix(grid)], linewidth=0.4)
        _label_rows(ax, np.arange(len(names)) + 0.5, labels, prefix)
        ax.set_xticks(np.arange(len(genes)) + 0.5, shown_genes, rotation=90, fontsize="x-small",
                      **NAME_TEXT)
        _direction_legend(ax, up, down, sorted(set(direction.tolist()), reverse=True))
        ax.set_xlim(0, len(genes))
        ax.set_ylim(len(names), 0)  # first set on top
        ax.tick_params(length=0)
        for side in ax.spines.values():
            side.set_visible(False)
        shown = (f"\n({len(genes)} of {total}: shared, then most leading)"
                 if total > len(genes) else f" ({total})")
        # Right-aligned: under a narrow panel it reaches left, below the names.
        ax.set_xlabel(f"Leading-edge genes{shown}", fontsize="small", loc="right")
    return ax


# The longest gene name written in full under the heatmap.
_GENE_CHARS = 18


def _pick_genes(member: np.ndarray[Any, Any], edges: list[list[str]], genes: list[str],
                limit: int) -> list[int]:
    """Columns to draw: every gene when they fit; else the genes in several
    sets (most shared first), then each set's most leading genes in turn."""
    if len(genes) <= limit:
        return list(range(len(genes)))
    column = {g: j for j, g in enumerate(genes)}
    counts = member.sum(axis=0)
    shared = sorted((j for j in range(len(genes)) if counts[j] > 1),
                    key=lambda j: (-int(counts[j]), j))
    chosen = shared[:limit // 2]
    taken = set(chosen)
    queues = [[column[g] for g in edge] for edge in edges]
    while len(chosen) < limit and any(queues):
        for queue in queues:
            while queue and queue[0] in taken:
                queue.pop(0)
            if queue and len(chosen) < limit:
                taken.add(queue[0])
                chosen.append(queue.pop(0))
    return chosen


def _direction_colours() -> tuple[Any, Any]:
    """Cell colours of sets enriched at the top (NES > 0) and at the bottom:
    the two arms of the NES colour map, as in the dot plot."""
    cmap = _colormap(NES_CMAP)
    return cmap(0.9), cmap(0.1)


def _direction_legend(ax: Axes, up: Any, down: Any, directions: list[int]) -> None:
    """A key of the cells' colours above the heatmap's first gene columns."""
    from matplotlib.patches import Patch

    text = {1: "NES > 0 (up)", -1: "NES < 0 (down)"}
    handles = [Patch(facecolor=up if d > 0 else down, label=text[d]) for d in directions]
    for columns in (len(handles), 1):  # one above the other when a row is too wide
        key = ax.legend(handles=handles, loc="lower left", bbox_to_anchor=(0.0, 1.0),
                        ncols=columns, frameon=False, fontsize="x-small", borderaxespad=0.3,
                        handlelength=1.0, handleheight=1.0, columnspacing=1.2)
        if columns == 1 or overflow(figure_of(ax), key) <= 0.0:
            break


def _first_colour() -> Any:
    import matplotlib as mpl

    return mpl.rcParams["axes.prop_cycle"].by_key().get("color", ["C0"])[0]


def _mix(facecolor: Any) -> tuple[float, float, float, float]:
    """A cell border a little darker (or lighter) than the background."""
    from matplotlib.colors import to_rgba

    r, g, b, _ = to_rgba(facecolor)
    shift = -0.12 if (r + g + b) / 3 > 0.5 else 0.12
    return (min(max(r + shift, 0), 1), min(max(g + shift, 0), 1), min(max(b + shift, 0), 1), 1.0)
