"""Pre-ranked gene set enrichment analysis with exact, reproducible p-values.

The three functions of the compiled core (``run_gsea_py``,
``write_enrichment_plot_png_py``, ``write_gsea_table_plot_png_py``) are
exported unchanged; the pandas-friendly layer on top of them offers
:func:`read_gmt`, :func:`read_ranking`, :func:`gsea`, :func:`plot_enrichment`
and :func:`plot_table`. Warnings of an analysis are issued with the category
:class:`VarenkoWarning` and logged to the ``varenkopy`` logger.
"""
from __future__ import annotations

from varenkopy._core import (
    run_gsea_py,
    write_enrichment_plot_png_py,
    write_gsea_table_plot_png_py,
)
from varenkopy._core import InternalError, __version__

__all__ = [
    "InternalError",
    "__version__",
    "run_gsea_py",
    "write_enrichment_plot_png_py",
    "write_gsea_table_plot_png_py",
]
