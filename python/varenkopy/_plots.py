"""Plots from the same input forms as the analysis, drawn by the core."""
from __future__ import annotations

import os
from collections.abc import Iterable

import pandas as pd

from varenkopy import _core
from varenkopy._inputs import (
    GeneSetsLike,
    RankingLike,
    as_path,
    gene_sets_to_pairs,
    is_missing,
    ranks_dict,
    type_name,
)


class PlotImage:
    """A PNG file written by a plot function; a notebook displays it.

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


# Suffixes of other image formats: the native renderer writes PNG only, and a
# file named for another format must not silently receive PNG bytes.
_NOT_PNG = frozenset({".pdf", ".svg", ".svgz", ".eps", ".ps", ".jpg", ".jpeg", ".tif", ".tiff",
                      ".gif", ".webp", ".bmp"})


def _png_path(path: object, plot: str) -> str:
    out = as_path(path, "path")
    suffix = os.path.splitext(out)[1].lower()
    if suffix in _NOT_PNG:
        raise ValueError(f"argument 'path': this plot is written as PNG, not {suffix}; for SVG "
                         f"or PDF use varenkopy.pl.{plot}(..., save={out!r})")
    return out


def _lookup(gene_set: str | Iterable[str], gene_sets: GeneSetsLike | None
            ) -> tuple[str, list[str]]:
    if isinstance(gene_set, str):
        if gene_sets is None:
            raise TypeError("argument 'gene_sets': needed to look up the gene set "
                            f"{gene_set!r} by name")
        found = dict(gene_sets_to_pairs(gene_sets, "gene_sets"))
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
) -> PlotImage:
    """Draws the running enrichment score of one gene set along the ranking.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping or path
        As for :func:`gsea`.
    gene_set : str or list of str
        The genes, or the name of a set in `gene_sets`.
    path : str or os.PathLike
        The PNG file to write (atomically); a name ending in another image
        format's suffix (.pdf, .svg, .jpg, ...) is refused.
    gene_sets : Mapping, DataFrame or path, optional
        Where a named `gene_set` is looked up.
    title : str, optional
        Title above the plot; by default the set's name when given by name.
    score_type : {"std", "pos", "neg"}, default "std"
    gsea_param : float, default 1.0
    width, height : float, default 3.0 and 2.2
        Size in inches.
    dpi : int, default 300
    transparent : bool, default False

    Returns
    -------
    PlotImage
        The written image; a notebook shows it.

    Examples
    --------
    >>> varenkopy.plot_enrichment(ranks, "HALLMARK_HYPOXIA", "hypoxia.png",
    ...                           gene_sets="examples/data/h.all.v7.1.symbols.gmt")
    PlotImage('hypoxia.png')
    """
    name, genes = _lookup(gene_set, gene_sets)
    out = _png_path(path, "enrichment")
    if title is None and isinstance(gene_set, str):
        title = gene_set
    _core.write_enrichment_plot_png_py(
        ranks_dict(ranking, "ranking"), genes, out, pathway_name=name, scoreType=score_type,
        gseaParam=float(gsea_param), width_inches=float(width), height_inches=float(height),
        dpi=dpi, transparent_background=transparent, title=title,
    )
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
) -> PlotImage:
    """Draws a table of gene sets: name, gene positions, NES, p-value, padj.

    Parameters
    ----------
    results : pandas.DataFrame
        A frame as :func:`gsea` returns; rows without NES or adjusted p-value
        are left out, and the first `top` of the others are drawn in order.
    gene_sets : Mapping, DataFrame or path
        The gene sets of the analysis, as for :func:`gsea`.
    ranking : Series, DataFrame, Mapping or path
        As for :func:`gsea`.
    path : str or os.PathLike
        The PNG file to write (atomically); a name ending in another image
        format's suffix (.pdf, .svg, .jpg, ...) is refused.
    top : int, default 10
        Number of rows drawn.
    gsea_param : float, default 1.0
    width : float, default 5.6
        Width in inches.
    height : float, optional
        Height in inches; by default from the number of rows.
    dpi : int, default 300
    transparent : bool, default False

    Returns
    -------
    PlotImage
        The written image; a notebook shows it.

    Examples
    --------
    >>> varenkopy.plot_table(res, "examples/data/h.all.v7.1.symbols.gmt", ranks, "table.png")
    PlotImage('table.png')
    """
    if not isinstance(results, pd.DataFrame):
        raise TypeError(f"argument 'results': expected a DataFrame, got {type_name(results)}")
    out = _png_path(path, "barplot")
    sets = dict(gene_sets_to_pairs(gene_sets, "gene_sets"))
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
    pathways = [(r["pathway"], sets[r["pathway"]]) for r in rows]
    _core.write_gsea_table_plot_png_py(
        ranks_dict(ranking, "ranking"), pathways, rows, out, gseaParam=float(gsea_param),
        width_inches=float(width), height_inches=None if height is None else float(height),
        dpi=dpi, transparent_background=transparent,
    )
    return PlotImage(out)
