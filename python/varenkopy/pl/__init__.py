"""Plots on matplotlib that return what they drew on, for notebooks and papers.

``pl.enrichment`` (one gene set: running score, gene positions, ranked
metric), ``pl.running_scores`` (several sets in one panel), ``pl.barplot``
(NES of the top sets), ``pl.dotplot`` (pathways x signatures) and
``pl.leading_edge_heatmap`` (genes x sets). Each takes ``ax=`` (``fig=`` or
``axes=`` for the multi-panel plot), the ranking and gene sets in every form
:func:`varenkopy.gsea` accepts, and ``save=`` with a .png, .svg or .pdf name.
Fonts, sizes and colours follow matplotlib's rcParams and style sheets.

matplotlib is an optional dependency (``pip install "varenkopy[plot]"``); it
is imported when a plot is drawn, not by ``import varenkopy``.
"""
from __future__ import annotations

from varenkopy.pl._enrichment import enrichment, running_scores
from varenkopy.pl._summary import barplot, dotplot, leading_edge_heatmap

__all__ = ["barplot", "dotplot", "enrichment", "leading_edge_heatmap", "running_scores"]
