"""Example data shipped with the package: a real ranking and the Hallmark gene sets.

Both load from files inside the installed package, so examples that use them
run from any folder. Their sources, attribution and licences are in the
package's ``data/README.md``.
"""
from __future__ import annotations

from importlib import resources

import pandas as pd

from varenkopy._readers import read_gmt, read_ranking

__all__ = ["example_ranking", "hallmark"]

_RANKING_FILE = "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
_HALLMARK_FILE = "h.all.v7.1.symbols.gmt"


def example_ranking() -> pd.Series:
    """The bundled ranking: 15,194 genes of ovarian tumours, Mesenchymal vs Immunoreactive.

    TCGA high-grade serous ovarian cancer RNA-seq, Mesenchymal (71 tumours)
    versus Immunoreactive (79 tumours) subtype, ranked by sign(log fold
    change) x -log10(p-value) of an edgeR exact test, highest score first.
    From Supplementary Table 2 of Reimand et al., "Pathway enrichment
    analysis and visualization of omics data using g:Profiler, GSEA,
    Cytoscape and EnrichmentMap", Nature Protocols 14, 2019; licensed CC0 1.0.

    Returns
    -------
    pandas.Series
        Scores (float) indexed by human gene symbol, in file order (highest
        score first), as :func:`varenkopy.read_ranking` returns them.

    See Also
    --------
    hallmark : the gene sets to analyse it with.

    Examples
    --------
    >>> ranks = varenkopy.datasets.example_ranking()
    >>> len(ranks), ranks.index[0]
    (15194, 'IGDCC3')
    """
    with resources.as_file(resources.files("varenkopy") / "data" / _RANKING_FILE) as path:
        return read_ranking(path)


def hallmark() -> dict[str, list[str]]:
    """The 50 Hallmark gene sets of MSigDB release 7.1, human gene symbols.

    The Hallmark collection is licensed under Creative Commons Attribution
    4.0 (CC BY 4.0): when you use it, credit its authors: Liberzon et al.,
    "The Molecular Signatures Database Hallmark Gene Set Collection", Cell
    Systems 1(6), 2015. The file shipped is the unchanged release file
    ``h.all.v7.1.symbols.gmt`` (4,383 distinct genes).

    Returns
    -------
    dict of str to list of str
        Gene set name -> genes, in file order, as :func:`varenkopy.read_gmt`
        returns them.

    See Also
    --------
    example_ranking : a ranking to analyse with them.

    Examples
    --------
    >>> sets = varenkopy.datasets.hallmark()
    >>> len(sets), sets["HALLMARK_HYPOXIA"][:2]
    (50, ['PGK1', 'PDK1'])
    """
    with resources.as_file(resources.files("varenkopy") / "data" / _HALLMARK_FILE) as path:
        return read_gmt(path)
