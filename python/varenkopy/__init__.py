"""Pre-ranked gene set enrichment analysis with exact, reproducible p-values.

The three functions of the compiled core (``run_gsea_py``,
``write_enrichment_plot_png_py``, ``write_gsea_table_plot_png_py``) are
exported unchanged. On top of them, :func:`read_gmt` and :func:`read_ranking`
read the usual files, :func:`ranking_from_table` makes a ranking from a
differential-expression table, :func:`gsea` runs an analysis on pandas (or plain
Python) inputs and returns a DataFrame, :func:`gsea_many` runs it on many
rankings (in this process or on a Dask cluster), and :func:`plot_enrichment` and
:func:`plot_table` draw the results as PNG files; :mod:`varenkopy.pl` draws
them on matplotlib (the ``plot`` extra). :mod:`varenkopy.datasets` loads a
ranking and the Hallmark gene sets shipped with the package, and
:func:`rankings_from_anndata` turns the per-cluster rankings of a single-cell
AnnData object into the input of :func:`gsea_many`. After the table,
:func:`leading_edge_matrix` and :func:`set_overlap` show which genes and sets
the significant results share, :func:`collapse_redundant` tells the
independent sets from echoes of a stronger one, and :func:`write_report`
writes a report folder to share; :func:`read_results` reads a results table
written to a file back into the frame :func:`gsea` made. :func:`show_info`
prints the versions and build details a bug report needs. Warnings are issued with the category
:class:`VarenkoWarning` and logged to the ``varenkopy`` logger.
"""
from __future__ import annotations

# varenkopy.pl imports matplotlib only when a plot is drawn.
from varenkopy import datasets, pl
from varenkopy._analysis import gsea
from varenkopy._core import (
    InternalError,
    __version__,
    run_gsea_py,
    write_enrichment_plot_png_py,
    write_gsea_table_plot_png_py,
)
from varenkopy._info import info, show_info
from varenkopy._leading_edge import collapse_redundant, leading_edge_matrix, set_overlap
from varenkopy._many import gsea_many, signature_seed
from varenkopy._plots import PlotImage, plot_enrichment, plot_table
from varenkopy._readers import read_gmt, read_ranking
from varenkopy._report import write_report
from varenkopy._results import read_results
from varenkopy._single_cell import rankings_from_anndata
from varenkopy._tables import ranking_from_table
from varenkopy._warnings import VarenkoWarning

__all__ = [
    "InternalError",
    "PlotImage",
    "VarenkoWarning",
    "__version__",
    "collapse_redundant",
    "datasets",
    "gsea",
    "gsea_many",
    "info",
    "leading_edge_matrix",
    "pl",
    "plot_enrichment",
    "plot_table",
    "ranking_from_table",
    "rankings_from_anndata",
    "read_gmt",
    "read_ranking",
    "read_results",
    "run_gsea_py",
    "set_overlap",
    "show_info",
    "signature_seed",
    "write_enrichment_plot_png_py",
    "write_gsea_table_plot_png_py",
    "write_report",
]
