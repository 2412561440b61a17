"""Plots from the same input forms as the analysis, drawn by the core."""
from __future__ import annotations

import numbers
import os
from collections.abc import Callable, Iterable

import pandas as pd

from varenkopy import _core
from varenkopy._files import terminations_raise
from varenkopy._inputs import (
    GeneSetsLike,
    RankingLike,
    as_path,
    gene_sets_to_pairs,
    is_missing,
    ranks_dict,
    type_name,
)

# The columns of a results frame that the table draws.
_TABLE_COLUMNS = ("pathway", "nes", "pval", "padj")
# Width in inches of a character of the enrichment plot's title (capitals and
# underscores, the widest common case): a longer title is shortened to fit.
_TITLE_CHAR_INCHES = 0.053
# The longest gene set name the table writes in full; its width grows with
# the names, and a name of thousands of characters would exceed any image.
_TABLE_NAME_CHARS = 120


def _shown(name: str, limit: int) -> str:
    """`name` as the native plots draw it: invisible and direction-changing
    characters as escapes, at most `limit` characters (ending in an ellipsis)."""
    from varenkopy.pl._common import display_name  # matplotlib is not imported

    return display_name(name, max(limit, 8))


def _table_names(rows: list[dict[str, object]]) -> dict[str, str]:
    """The name each drawn set is shown by in the table; the core matches rows
    to sets by name, so two names that shorten alike are kept apart."""
    shown: dict[str, str] = {}
    used: set[str] = set()
    for row in rows:
        name = str(row["pathway"])
        if name in shown:
            continue
        label = _shown(name, _TABLE_NAME_CHARS)
        number = 2
        while label in used:
            label = f"{_shown(name, _TABLE_NAME_CHARS - 5)} ({number})"
            number += 1
        shown[name] = label
        used.add(label)
    return shown


class PlotImage:
    """A PNG file written by a plot function; a notebook displays it.

    Parameters
    ----------
    path : str
        Where the image was written.

    Attributes
    ----------
    path : str
        Where the image was written.
    """

    def __init__(self, path: str) -> None:
        self.path = path

    def __fspath__(self) -> str:
        return self.path

    def __repr__(self) -> str:
        return f"PlotImage({self.path!r})"

    def _repr_png_(self) -> bytes:
        with open(self.path, "rb") as fh:
            return fh.read()


def _draw(out: str, draw: Callable[[str], None]) -> None:
    """Runs the core's writer `draw` for `out`, which follows the package's
    file rule itself; SIGTERM and SIGHUP during the write leave no temporary
    file behind (the write finishes, then the process ends by the signal)."""
    with terminations_raise():
        draw(out)


def _png_path(path: object) -> str:
    """The output path, refused unless its suffix is ``.png`` (any case) or absent:
    these functions write PNG only, and other names would hide that."""
    out = as_path(path, "path")
    suffix = os.path.splitext(out)[1]
    if suffix and suffix.lower() != ".png":
        raise ValueError(
            f"argument 'path': {out!r} ends in {suffix!r}, but this function writes PNG images "
            f"only; use a .png name, or varenkopy.pl (varenkopy.pl.enrichment and the other "
            f"matplotlib plots) for vector output such as SVG or PDF")
    return out


def _lookup(gene_set: str | Iterable[str], gene_sets: GeneSetsLike | None,
            set_column: object = None, gene_column: object = None) -> tuple[str, list[str]]:
    if isinstance(gene_set, str):
        if gene_sets is None:
            raise TypeError("argument 'gene_sets': needed to look up the gene set "
                            f"{gene_set!r} by name")
        found = dict(gene_sets_to_pairs(gene_sets, "gene_sets", set_column=set_column,
                                        gene_column=gene_column))
        if gene_set not in found:
            raise KeyError(f"gene set {gene_set!r} is not in gene_sets")
        return gene_set, found[gene_set]
    if isinstance(gene_set, Iterable) and not isinstance(gene_set, bytes):
        genes = list(gene_set)
        if not all(isinstance(g, str) for g in genes):
            raise TypeError("argument 'gene_set': genes must be str")
        return "pathway", genes
    raise TypeError(f"argument 'gene_set': expected a name or a list of genes, "
                    f"got {type_name(gene_set)}")


def plot_enrichment(
    ranking: RankingLike,
    gene_set: str | Iterable[str],
    path: str | os.PathLike[str],
    *,
    gene_sets: GeneSetsLike | None = None,
    title: str | None = None,
    score_type: str = "std",
    gsea_param: float = 1.0,
    width: float = 3.0,
    height: float = 2.2,
    dpi: int = 300,
    transparent: bool = False,
    set_column: object = None,
    gene_column: object = None,
) -> PlotImage:
    """Draws the running enrichment score of one gene set along the ranking.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping or path
        As for :func:`gsea`.
    gene_set : str or list of str
        The genes, or the name of a set in `gene_sets`.
    path : str or os.PathLike
        The PNG file to write (atomically); a suffix other than ``.png`` is
        refused (vector output is drawn by :mod:`varenkopy.pl`).
    gene_sets : Mapping, DataFrame or path, optional
        Where a named `gene_set` is looked up.
    title : str, optional
        Title above the plot; by default the set's name when given by name.
        Invisible characters are drawn as escapes (``\\u200b``), and a title
        too long for `width` is shortened with an ellipsis.
    score_type : {"std", "pos", "neg"}, default "std"
    gsea_param : float, default 1.0
    width, height : float, default 3.0 and 2.2
        Size in inches.
    dpi : int, default 300
    transparent : bool, default False
    set_column, gene_column : optional
        As for :func:`gsea`: the set and gene columns of a long gene-set
        DataFrame.

    Returns
    -------
    PlotImage
        The written image; a notebook shows it.

    Raises
    ------
    ValueError
        A `path` whose suffix is not ``.png``.

    Examples
    --------
    >>> ranks = varenkopy.datasets.example_ranking()
    >>> varenkopy.plot_enrichment(ranks, "HALLMARK_HYPOXIA", "hypoxia.png",
    ...                           gene_sets=varenkopy.datasets.hallmark())
    PlotImage('hypoxia.png')
    """
    out = _png_path(path)
    name, genes = _lookup(gene_set, gene_sets, set_column, gene_column)
    if title is None and isinstance(gene_set, str):
        title = gene_set
    if isinstance(title, str) and isinstance(width, (int, float)) and width > 0:
        title = _shown(title, int(width / _TITLE_CHAR_INCHES))
    ranks = ranks_dict(ranking, "ranking")
    _draw(out, lambda target: _core.write_enrichment_plot_png_py(
        ranks, genes, target, pathway_name=name, scoreType=score_type,
        gseaParam=float(gsea_param), width_inches=float(width), height_inches=float(height),
        dpi=dpi, transparent_background=transparent, title=title,
    ))
    return PlotImage(out)


def plot_table(
    results: pd.DataFrame,
    gene_sets: GeneSetsLike,
    ranking: RankingLike,
    path: str | os.PathLike[str],
    *,
    top: int = 10,
    gsea_param: float = 1.0,
    width: float = 5.6,
    height: float | None = None,
    dpi: int = 300,
    transparent: bool = False,
    set_column: object = None,
    gene_column: object = None,
) -> PlotImage:
    """Draws a table of gene sets: name, gene positions, NES, p-value, padj.

    Parameters
    ----------
    results : pandas.DataFrame
        A frame as :func:`gsea` returns; rows without NES or adjusted p-value
        are left out, and the first `top` of the others are drawn in order.
        Names longer than 120 characters are shortened with an ellipsis, and
        invisible characters drawn as escapes.
    gene_sets : Mapping, DataFrame or path
        The gene sets of the analysis, as for :func:`gsea`.
    ranking : Series, DataFrame, Mapping or path
        As for :func:`gsea`.
    path : str or os.PathLike
        The PNG file to write (atomically); a suffix other than ``.png`` is
        refused (vector output is drawn by :mod:`varenkopy.pl`).
    top : int, default 10
        Number of rows drawn, at least 1.
    gsea_param : float, default 1.0
    width : float, default 5.6
        Width in inches.
    height : float, optional
        Height in inches; by default from the number of rows.
    dpi : int, default 300
    transparent : bool, default False
    set_column, gene_column : optional
        As for :func:`gsea`: the set and gene columns of a long gene-set
        DataFrame.

    Returns
    -------
    PlotImage
        The written image; a notebook shows it.

    Raises
    ------
    ValueError
        A `top` below 1, a `results` frame without one of the columns
        ``pathway``, ``nes``, ``pval`` and ``padj``, or a `path` whose suffix
        is not ``.png``.

    Examples
    --------
    >>> ranks = varenkopy.datasets.example_ranking()
    >>> sets = varenkopy.datasets.hallmark()
    >>> res = varenkopy.gsea(ranks, sets, seed=42)
    >>> varenkopy.plot_table(res, sets, ranks, "table.png")
    PlotImage('table.png')
    """
    if not isinstance(results, pd.DataFrame):
        raise TypeError(f"argument 'results': expected a DataFrame, got {type_name(results)}")
    if isinstance(top, bool) or not isinstance(top, numbers.Integral):
        raise TypeError(f"argument 'top': expected int, got {type_name(top)}")
    if top < 1:
        raise ValueError(f"argument 'top': expected at least 1 row to draw, got {top}")
    absent = [c for c in _TABLE_COLUMNS if c not in results.columns]
    if absent:
        raise ValueError(f"argument 'results': no column {', '.join(map(repr, absent))}; "
                         f"the table needs the columns {', '.join(_TABLE_COLUMNS)} "
                         f"(a frame as gsea() returns)")
    out = _png_path(path)
    sets = dict(gene_sets_to_pairs(gene_sets, "gene_sets", set_column=set_column,
                                   gene_column=gene_column))
    rows = []
    for record in results.to_dict("records"):
        if is_missing(record.get("nes")) or is_missing(record.get("padj")):
            continue
        rows.append({k: record[k] for k in ("pathway", "nes", "pval", "padj")})
        if len(rows) == top:
            break
    missing = [r["pathway"] for r in rows if r["pathway"] not in sets]
    if missing:
        raise KeyError(f"gene sets not in gene_sets: {', '.join(map(repr, missing[:5]))}")
    shown = _table_names(rows)
    pathways = [(shown[r["pathway"]], sets[r["pathway"]]) for r in rows]
    rows = [{**r, "pathway": shown[r["pathway"]]} for r in rows]
    ranks = ranks_dict(ranking, "ranking")
    _draw(out, lambda target: _core.write_gsea_table_plot_png_py(
        ranks, pathways, rows, target, gseaParam=float(gsea_param),
        width_inches=float(width), height_inches=None if height is None else float(height),
        dpi=dpi, transparent_background=transparent,
    ))
    return PlotImage(out)
