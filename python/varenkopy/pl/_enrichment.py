"""Running enrichment scores on matplotlib: the three-panel enrichment plot of
one gene set and several sets' running scores in one panel.

The curves come from the core (``_core.running_sum``): the same integer
weights, hit positions and walk as the analysis' enrichment score, so a
curve's extreme is exactly the ``es`` of the set's result row.
"""
from __future__ import annotations

import math
from collections.abc import Iterable, Mapping, Sequence
from dataclasses import dataclass
from typing import TYPE_CHECKING, Any

import numpy as np

from varenkopy import _core
from varenkopy._inputs import GeneSetsLike, RankingLike, gene_sets_to_pairs, ranks_dict, type_name
from varenkopy._plots import _lookup
from varenkopy._warnings import warn
from varenkopy.pl._common import (
    NAME_TEXT,
    chars_per_line,
    check_axes,
    display_name,
    drawing,
    figure_of,
    fit_name,
    fit_width,
    new_figure,
    number,
    require_matplotlib,
    result_row,
    save_format,
    stats_label,
)

if TYPE_CHECKING:
    from matplotlib.axes import Axes
    from matplotlib.figure import FigureBase
    from matplotlib.legend import Legend

# The ranked metric is drawn from at most this many points: it never increases,
# so a regular subsample (ends and zero crossing kept) looks the same and keeps
# SVG and PDF files small.
_METRIC_POINTS = 2000


@dataclass
class Curve:
    """A gene set's running sum as the core computes it."""

    x: np.ndarray[Any, Any]        # ranks (0 = before the first gene)
    y: np.ndarray[Any, Any]        # running sum at x
    positions: np.ndarray[Any, Any]  # 1-based ranks of the set's genes
    es: float
    peak: int                      # 1-based rank where es is reached
    leading_edge: list[str]
    scores: np.ndarray[Any, Any]   # the ranked metric, in rank order


def running_curve(ranks: dict[str, float], genes: Sequence[str], score_type: str,
                  gsea_param: float) -> Curve:
    """The running sum of `genes`: a point just before and just after each
    hit's step, joined by straight lines (every miss steps down the same)."""
    raw = _core.running_sum(ranks, list(genes), scoreType=score_type, gseaParam=float(gsea_param))
    hits = np.asarray(raw["positions"], dtype=np.int64)
    top = np.asarray(raw["top"], dtype=np.float64)
    bottom = np.asarray(raw["bottom"], dtype=np.float64)
    scores = np.asarray(raw["scores"], dtype=np.float64)
    n = len(scores)
    miss = 1.0 / (n - len(hits))
    x = np.empty(2 * len(hits) + 2)
    y = np.empty_like(x)
    x[0], y[0] = 0.0, 0.0
    x[1:-1:2], y[1:-1:2] = hits, bottom
    x[2:-1:2], y[2:-1:2] = hits + 1, top
    x[-1], y[-1] = n, top[-1] - (n - 1 - hits[-1]) * miss
    return Curve(x=x, y=y, positions=hits + 1, es=float(raw["es"]), peak=int(raw["peak"]) + 1,
                 leading_edge=list(raw["leading_edge"]), scores=scores)


def _check_score_options(score_type: object, gsea_param: object) -> None:
    if not isinstance(score_type, str):
        raise TypeError(f"argument 'score_type': expected str, got {type_name(score_type)}")
    if isinstance(gsea_param, bool) or not isinstance(gsea_param, (int, float)):
        raise TypeError(f"argument 'gsea_param': expected float, got {type_name(gsea_param)}")


def _three_axes(fig: FigureBase | None, axes: Sequence[Axes] | None,
                figsize: tuple[float, float]) -> tuple[FigureBase, list[Axes], bool]:
    if axes is not None:
        if fig is not None:
            raise TypeError("give either 'fig' or 'axes', not both")
        if isinstance(axes, (str, bytes)) or not isinstance(axes, Sequence) or len(axes) != 3:
            raise TypeError("argument 'axes': expected a sequence of three matplotlib Axes")
        found = [check_axes(a, "axes") for a in axes]
        return figure_of(found[0]), found, False
    created = fig is None
    if fig is None:
        fig = new_figure(figsize)
    else:
        from matplotlib.figure import FigureBase

        if not isinstance(fig, FigureBase):
            raise TypeError(f"argument 'fig': expected a matplotlib Figure or SubFigure, "
                            f"got {type_name(fig)}")
    grid = fig.add_gridspec(3, 1, height_ratios=[3.0, 0.55, 1.45], hspace=0.0)
    top = fig.add_subplot(grid[0])
    middle = fig.add_subplot(grid[1], sharex=top)
    bottom = fig.add_subplot(grid[2], sharex=top)
    return fig, [top, middle, bottom], created


def _metric_points(scores: np.ndarray[Any, Any]) -> tuple[np.ndarray[Any, Any], np.ndarray[Any, Any]]:
    n = len(scores)
    x = np.arange(1, n + 1)
    if n <= _METRIC_POINTS:
        return x, scores
    keep = np.unique(np.concatenate([
        np.linspace(0, n - 1, _METRIC_POINTS).round().astype(np.int64),
        np.clip(np.searchsorted(-scores, 0.0, side="left") + np.array([-1, 0]), 0, n - 1),
    ]))
    return x[keep], scores[keep]


def enrichment(
    ranking: RankingLike,
    pathway: str | Iterable[str],
    gene_sets: GeneSetsLike | None = None,
    *,
    result: Any = None,
    fig: FigureBase | None = None,
    axes: Sequence[Axes] | None = None,
    title: str | None = None,
    score_type: str = "std",
    gsea_param: float = 1.0,
    eps: float | None = None,
    figsize: tuple[float, float] = (3.5, 3.3),
    save: str | Any = None,
    dpi: float | None = None,
) -> FigureBase:
    """Draws the enrichment plot of one gene set: running score, gene positions, ranked metric.

    The top panel shows the running enrichment score with the leading edge
    shaded and the enrichment score dashed, the middle one a tick at the rank
    of each of the set's genes, the bottom one the ranked metric with its
    zero crossing. The curve is the one the analysis computes (the same
    weights as ``es``), so its extreme is the ``es`` of the set's row.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping or path
        As for :func:`varenkopy.gsea`.
    pathway : str or list of str
        The name of a set in `gene_sets`, or the set's genes.
    gene_sets : Mapping, DataFrame or path, optional
        As for :func:`varenkopy.gsea`; needed when `pathway` is a name.
    result : DataFrame or Series, optional
        A :func:`varenkopy.gsea` frame (the set's row is found by name) or one
        row; its NES, p-value and adjusted p-value label the plot. A p-value
        at the analysis' floor (a true ``pval_at_eps`` column, or equal to
        `eps`) is shown as "< 1e-50".
    fig : Figure or SubFigure, optional
        Draw into this (sub)figure; by default a new figure of `figsize`.
    axes : sequence of three Axes, optional
        Draw into these instead (top, middle, bottom).
    title : str, optional
        By default the set's name; long titles are wrapped, or shortened
        with an ellipsis beyond three lines.
    score_type : {"std", "pos", "neg"}, default "std"
    gsea_param : float, default 1.0
        As for the analysis whose row is labelled.
    eps : float, optional
        The analysis' p-value floor; by default ``result.attrs["eps"]`` or 1e-50.
    figsize : (float, float), default (3.5, 3.3)
        Size in inches of a new figure: one column of a journal page.
    save : str or os.PathLike, optional
        Also write the figure to this file; its suffix (.png, .svg, .pdf)
        chooses the format. A figure made by this call is then closed,
        unless a notebook's inline backend is to show it.
    dpi : float, optional
        Resolution of a saved PNG, by default 300; SVG and PDF are vector.

    Returns
    -------
    Figure or SubFigure
        What was drawn on.

    Raises
    ------
    ImportError
        matplotlib is not installed (``pip install "varenkopy[plot]"``).
    KeyError
        A named `pathway` is not in `gene_sets`, or not in a `result` frame.
    ValueError
        The set has no gene in the ranking, or every gene of it.

    Warns
    -----
    VarenkoWarning
        When `result` reports another ``es`` than the curve reaches (another
        ranking, `score_type` or `gsea_param`).

    Examples
    --------
    >>> from varenkopy import datasets, pl
    >>> res = varenkopy.gsea(datasets.example_ranking(), datasets.hallmark(), seed=1)
    >>> fig = pl.enrichment(datasets.example_ranking(), "HALLMARK_HYPOXIA",
    ...                     datasets.hallmark(), result=res, save="hypoxia.pdf")
    """
    require_matplotlib()
    _check_score_options(score_type, gsea_param)
    target = save_format(save)
    name, genes = _lookup(pathway, gene_sets)
    row = result_row(result, name if isinstance(pathway, str) else None)
    ranks = ranks_dict(ranking, "ranking")
    curve = running_curve(ranks, genes, score_type, gsea_param)
    if row is not None and "es" in row.index:
        reported = number(row["es"])
        if not math.isnan(reported) and reported != curve.es:
            warn(f"the result's es ({reported!r}) differs from the curve's ({curve.es!r}): was "
                 "the result computed from another ranking, score_type or gsea_param?")
    if title is None:
        title = name if isinstance(pathway, str) else None

    owner, (top, middle, bottom), created = _three_axes(fig, axes, figsize)
    with drawing(figure_of(top), created, target, dpi):
        upper = score_type.lower() == "pos" or (score_type.lower() != "neg" and curve.es >= 0)
        _draw_enrichment(top, middle, bottom, curve, upper, title,
                         stats_label(row, eps) if row is not None else None)
    return owner


def _draw_enrichment(top: Axes, middle: Axes, bottom: Axes, curve: Curve, upper: bool,
                     title: str | None, label: str | None) -> None:
    import matplotlib as mpl

    n = len(curve.scores)
    colour = mpl.rcParams["axes.prop_cycle"].by_key().get("color", ["C0"])[0]
    ink = mpl.rcParams["text.color"]
    positive = curve.es >= 0

    # Running score, its leading edge and the enrichment score.
    edge = (0, curve.peak) if upper else (curve.peak - 1, n)
    top.axvspan(*edge, color=colour, alpha=0.12, linewidth=0, label="leading edge")
    top.axhline(0.0, color=ink, linewidth=0.6, alpha=0.6)
    top.axhline(curve.es, color=colour, linewidth=0.8, linestyle="--")
    top.plot(curve.x, curve.y, color=colour, linewidth=1.5, label="running score",
             solid_joinstyle="miter")
    top.set_ylabel("Enrichment\nscore")
    top.tick_params(labelbottom=False)
    top.margins(x=0)
    if label:
        # Beside the enrichment score's line, on the side away from the peak,
        # where the panel is empty.
        top.annotate(label.replace(", ", "\n"), (0.98 if positive else 0.02, curve.es),
                     xycoords=("axes fraction", "data"), xytext=(0, -4 if positive else 4),
                     textcoords="offset points", ha="right" if positive else "left",
                     va="top" if positive else "bottom", fontsize="small", linespacing=1.3)
    low, high = min(0.0, float(curve.y.min())), max(0.0, float(curve.y.max()))
    pad = 0.08 * (high - low or 1.0)
    top.set_ylim(low - pad, high + pad)

    # The set's genes.
    middle.axvspan(*edge, color=colour, alpha=0.12, linewidth=0)
    middle.vlines(curve.positions, 0.0, 1.0, color=ink, linewidth=0.5)
    middle.set_ylim(0.0, 1.0)
    middle.set_yticks([])
    middle.tick_params(labelbottom=False, bottom=False)

    # The ranked metric and its zero crossing.
    x, y = _metric_points(curve.scores)
    bottom.fill_between(x, 0.0, y, color=ink, alpha=0.35, linewidth=0)
    bottom.axhline(0.0, color=ink, linewidth=0.6, alpha=0.6)
    crossing = int(np.count_nonzero(curve.scores > 0))
    if 0 < crossing < n:
        bottom.axvline(crossing + 0.5, color=ink, linewidth=0.8, linestyle=":")
        bottom.annotate(f"crosses 0 at {crossing:,}", (crossing + 0.5, 0.0), xytext=(3, 3),
                        textcoords="offset points", fontsize="x-small",
                        ha="left" if crossing < n / 2 else "right", va="bottom")
    bottom.set_ylabel("Ranked\nmetric")
    bottom.set_xlabel("Rank")
    bottom.set_xlim(0, n)
    for ax in (top, middle, bottom):
        ax.label_outer()
    top.get_figure().align_ylabels([top, middle, bottom])  # type: ignore[union-attr]
    if title:
        _fit_title(top, display_name(title))


def _fit_title(ax: Axes, title: str) -> None:
    """`title` above `ax`, wrapped onto up to three lines (then shortened with
    an ellipsis) narrow enough that it stays inside the figure: it is
    centred on the axes, which are not centred on the figure."""
    width = [chars_per_line(ax, 0.85, "medium", title)]

    def refit(share: float) -> None:
        width[0] = max(int(width[0] * share), 4)
        ax.set_title(fit_name(title, width[0], max_lines=3), fontsize="medium", **NAME_TEXT)

    refit(1.0)
    fit_width(figure_of(ax), lambda: ax.title, refit)


def running_scores(
    ranking: RankingLike,
    pathways: Iterable[str] | Mapping[str, Iterable[str]],
    gene_sets: GeneSetsLike | None = None,
    *,
    ax: Axes | None = None,
    score_type: str = "std",
    gsea_param: float = 1.0,
    legend: bool = True,
    figsize: tuple[float, float] = (3.5, 3.0),
    save: str | Any = None,
    dpi: float | None = None,
) -> Axes:
    """Draws the running enrichment scores of several gene sets in one panel.

    Each curve is the one the analysis computes, in the colours of the
    Axes' property cycle, with a dot at its enrichment score.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping or path
        As for :func:`varenkopy.gsea`.
    pathways : list of str, or Mapping name -> genes
        Names of sets in `gene_sets`, or the sets themselves.
    gene_sets : Mapping, DataFrame or path, optional
        As for :func:`varenkopy.gsea`; needed when `pathways` are names.
    ax : Axes, optional
        Draw on this Axes; by default on a new figure of `figsize`.
    score_type : {"std", "pos", "neg"}, default "std"
    gsea_param : float, default 1.0
    legend : bool, default True
        A legend of the sets' names (wrapped or shortened with an ellipsis)
        below the panel.
    figsize : (float, float), default (3.5, 3.0)
        Size in inches of a new figure.
    save : str or os.PathLike, optional
        Also write the figure to this file (.png, .svg or .pdf); a figure
        made by this call is then closed, unless a notebook's inline
        backend is to show it.
    dpi : float, optional
        Resolution of a saved PNG, by default 300; SVG and PDF are vector.

    Returns
    -------
    Axes
        The Axes drawn on.

    Examples
    --------
    >>> ax = pl.running_scores(datasets.example_ranking(),
    ...                        ["HALLMARK_HYPOXIA", "HALLMARK_MYC_TARGETS_V1"],
    ...                        datasets.hallmark())
    """
    require_matplotlib()
    import matplotlib as mpl

    _check_score_options(score_type, gsea_param)
    target = save_format(save)
    if isinstance(pathways, Mapping):
        chosen = gene_sets_to_pairs(pathways, "pathways")
    elif isinstance(pathways, (str, bytes)) or not isinstance(pathways, Iterable):
        raise TypeError(f"argument 'pathways': expected a list of names or a mapping name -> "
                        f"genes, got {type_name(pathways)}")
    else:
        names = list(pathways)
        if gene_sets is None:
            raise TypeError("argument 'gene_sets': needed to look up the gene sets by name")
        found = dict(gene_sets_to_pairs(gene_sets, "gene_sets"))
        absent = [n for n in names if n not in found]
        if absent:
            raise KeyError(f"gene sets not in gene_sets: {', '.join(map(repr, absent[:5]))}")
        chosen = [(n, found[n]) for n in names]
    if not chosen:
        raise ValueError("argument 'pathways': no gene set given")
    ranks = ranks_dict(ranking, "ranking")
    curves = [(name, running_curve(ranks, genes, score_type, gsea_param)) for name, genes in chosen]

    created = ax is None
    axes = new_figure(figsize).add_subplot() if ax is None else check_axes(ax)
    fig = figure_of(axes)
    with drawing(fig, created, target, dpi):
        ink = mpl.rcParams["text.color"]
        axes.axhline(0.0, color=ink, linewidth=0.6, alpha=0.6)
        shown = [display_name(name) for name, _ in curves]
        handles = []
        for label, (_, curve) in zip(shown, curves, strict=True):
            (line,) = axes.plot(curve.x, curve.y, linewidth=1.2, label=label)
            axes.plot([curve.peak], [curve.es], marker="o", markersize=3.5,
                      color=line.get_color(), linestyle="none", clip_on=False)
            handles.append(line)
        axes.set_xlim(0, len(curves[0][1].scores))
        axes.set_xlabel("Rank")
        axes.set_ylabel("Enrichment score")
        if legend:
            _legend_below(axes, handles, shown, grow=created)
    return axes


def _legend_below(ax: Axes, handles: list[Any], names: list[str], grow: bool) -> None:
    """A legend of `names` under the x axis' label of `ax`, each name wrapped
    to fit the figure's width. It hangs a fixed distance below the label
    whatever the layout does to the axes, and a figure made for the plot
    (`grow`) grows by its height, so the panel keeps its size."""
    from matplotlib.transforms import ScaledTranslation

    fig = figure_of(ax)
    size = "small"
    width = [chars_per_line(ax, 0.9, size, "".join(names))]
    fig.draw_without_rendering()
    axis_bottom = ax.xaxis.get_tightbbox()
    below = 0.0 if axis_bottom is None else float(ax.bbox.y0 - axis_bottom.y0) / fig.dpi
    anchor = ax.transAxes + ScaledTranslation(0.0, -(below + 4.0 / 72.0), fig.dpi_scale_trans)

    made: list[Legend] = []

    def refit(share: float) -> None:
        width[0] = max(int(width[0] * share), 4)
        if made:
            made.pop().remove()
        made.append(ax.legend(handles, [fit_name(n, width[0]) for n in names],
                              loc="upper center", bbox_to_anchor=(0.5, 0.0),
                              bbox_transform=anchor, frameon=False, fontsize=size,
                              handlelength=1.5, borderaxespad=0.0))
        for text in made[0].get_texts():
            text.set(**NAME_TEXT)

    refit(1.0)
    fit_width(fig, lambda: made[0], refit)
    if grow:
        fig.draw_without_rendering()
        height = made[0].get_window_extent().height / fig.dpi + 4.0 / 72.0
        fig.set_figheight(fig.get_figheight() + height)

