"""What a ranking does with gene names that occur more than once.

One rule for every entry that takes a ranking (``gsea``, ``gsea_many``,
``read_ranking``, ``ranking_from_table`` and the command line): refuse them
(naming the genes), or keep one score per gene. Genes keep the position of
their first appearance, and genes named once keep their score unchanged.
"""
from __future__ import annotations

from collections.abc import Sequence

import numpy as np
import numpy.typing as npt
import pandas as pd

DUPLICATE_CHOICES = ("error", "max_abs", "mean", "first")
# How many repeated names an error message shows.
_SHOWN = 5


def check_duplicates(value: object, extra: Sequence[str] = ()) -> str:
    """Returns `value` if it is one of the choices (or of `extra`), else raises
    TypeError or ValueError naming the argument ``duplicates``."""
    choices = (*extra, *DUPLICATE_CHOICES)
    if not isinstance(value, str):
        raise TypeError(f"argument 'duplicates': expected str, got {type(value).__name__}")
    if value not in choices:
        raise ValueError(f"argument 'duplicates': expected one of "
                         f"{', '.join(repr(c) for c in choices)}, got {value!r}")
    return value


def repeated_genes(genes: Sequence[str]) -> list[str]:
    """The names that occur more than once, in the order of their second appearance."""
    seen: set[str] = set()
    repeated: dict[str, None] = {}
    for gene in genes:
        if gene in seen:
            repeated[gene] = None
        seen.add(gene)
    return list(repeated)


def duplicate_error(repeated: Sequence[str], where: str, option: str = "") -> ValueError:
    """The error for repeated gene names; `where` starts the message (such as
    "argument 'ranking'" or a file name), and `option` replaces the keyword
    ``duplicates=`` in the advice (the command line's ``--duplicates``)."""
    shown = ", ".join(repr(g) for g in repeated[:_SHOWN])
    more = ", ..." if len(repeated) > _SHOWN else ""
    advice = (f"{option} max_abs, mean or first" if option
              else "duplicates='max_abs', 'mean' or 'first'")
    return ValueError(
        f"{where}: {len(repeated)} gene names occur more than once ({shown}{more}); "
        f"keep one score per gene, or pass {advice}"
    )


def resolve_duplicates(
    genes: list[str], scores: npt.NDArray[np.float64], how: str, where: str, option: str = ""
) -> tuple[list[str], npt.NDArray[np.float64]]:
    """Applies the choice `how` to repeated gene names.

    ``"error"`` raises :func:`duplicate_error` (with `where` and `option`). ``"first"`` keeps the first
    score of a gene, ``"max_abs"`` the one with the largest absolute value
    (the first of equal ones), ``"mean"`` the mean of its scores. NaN scores
    are passed over while a gene has a number; a gene with only NaN scores
    keeps NaN. Without repeated names the inputs are returned as they are.
    """
    if len(set(genes)) == len(genes):
        return genes, scores
    if how == "error":
        raise duplicate_error(repeated_genes(genes), where, option)
    codes, uniques = pd.factorize(np.asarray(genes, dtype=object), sort=False)
    result = np.full(len(uniques), np.nan)
    present = np.flatnonzero(~np.isnan(scores))
    codes_present = codes[present]
    if how == "max_abs":
        # By gene, then largest absolute score, then position.
        order = np.lexsort((present, -np.abs(scores[present]), codes_present))
    else:
        order = np.argsort(codes_present, kind="stable")
    chosen = present[order]
    gene_codes, first = np.unique(codes[chosen], return_index=True)
    result[gene_codes] = scores[chosen[first]]
    if how == "mean":
        counts = np.bincount(codes_present, minlength=len(uniques))
        sums = np.bincount(codes_present, weights=scores[present], minlength=len(uniques))
        many = counts > 1
        result[many] = sums[many] / counts[many]
    return [str(g) for g in uniques], result
