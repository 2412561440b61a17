"""Rankings from single-cell analyses: one ranking per cluster of an AnnData object."""
from __future__ import annotations

import numbers
from collections.abc import Mapping, Sequence
from decimal import Decimal
from typing import Any

import numpy as np
import pandas as pd

from varenkopy._inputs import type_name
from varenkopy._warnings import warn

# Rankings over fewer genes than this are taken for a truncated universe (a
# top-n cut of the ranked genes, or highly variable genes only).
SMALL_UNIVERSE = 5000

# The per-group tables that a rank_genes_groups result may hold, besides names.
_SCORE_FIELDS = ("scores", "logfoldchanges", "pvals", "pvals_adj")


def _table(result: Mapping[str, Any], field: str) -> pd.DataFrame:
    """A per-group table of the result (a structured array, one field per
    group, or a DataFrame, one column per group) as a DataFrame."""
    value = result[field]
    if isinstance(value, pd.DataFrame):
        return value
    array = np.asarray(value)
    if array.dtype.names is None:
        raise ValueError(f"'{field}' is not a table with one column per group")
    return pd.DataFrame({name: array[name] for name in array.dtype.names})


def _groups_of(table: pd.DataFrame, key: str, field: str) -> dict[str, Any]:
    """Group name (as str) -> column label of a per-group table; ValueError
    for a group that occurs twice (labels equal as text count as one)."""
    labels: dict[str, Any] = {}
    for label in table.columns:
        name = str(label)
        if name in labels:
            raise ValueError(f"adata.uns[{key!r}][{field!r}] has group {name!r} more than "
                             f"once; run rank_genes_groups again, or give the groups "
                             f"distinct names")
        labels[name] = label
    return labels


def _real_values(column: pd.Series, where: str) -> pd.Series:
    """The scores of one group as float64; TypeError for values that are no
    real numbers (booleans, complex numbers, dates, durations, text), as the
    analysis refuses them."""
    kind = column.dtype.kind
    if kind in "iuf":
        return column.astype(np.float64)
    if kind == "O":
        bad = [v for v in column if v is not None and (
            isinstance(v, (bool, np.bool_)) or not isinstance(v, (numbers.Real, Decimal)))]
        if not bad:
            return column.astype(np.float64)
        what = type_name(bad[0])
    else:
        what = f"dtype {column.dtype}"
    raise TypeError(f"{where} holds values that are not real numbers ({what}); scores must "
                    f"be int or float")


def _is_result(value: object) -> bool:
    return isinstance(value, Mapping) and "names" in value


def rankings_from_anndata(
    adata: Any,
    *,
    key: str = "rank_genes_groups",
    score: str = "scores",
    groups: Sequence[str] | None = None,
) -> pd.DataFrame:
    """Turns a ``rank_genes_groups`` result into one ranking per group for :func:`gsea_many`.

    Reads the per-group gene names and scores that scanpy's
    ``sc.tl.rank_genes_groups`` stores in ``adata.uns[key]`` and lays them out
    as a genes x groups frame. A gene missing from a group's result is a
    missing (NaN) cell, which :func:`gsea_many` leaves out of that group's
    ranking. Neither anndata nor scanpy is imported: any object with an
    ``uns`` mapping and ``n_vars`` (an AnnData object) is read.

    Parameters
    ----------
    adata : anndata.AnnData
        The object that ``rank_genes_groups`` was run on.
    key : str, default "rank_genes_groups"
        The key of the result in ``adata.uns`` (the ``key_added`` of
        ``rank_genes_groups``).
    score : str, default "scores"
        The per-group values to rank by: ``"scores"`` (the test statistic),
        or ``"logfoldchanges"``. (P-values are no ranking: they lose the
        direction of the change.)
    groups : sequence of str, optional
        The groups to return, in this order; None returns every group in the
        result's order.

    Returns
    -------
    pandas.DataFrame
        Genes (index, named ``gene``, in the order they first appear in the
        groups' results) x groups (columns), float scores with NaN for
        missing cells.

    Raises
    ------
    TypeError
        `adata` is not an AnnData object, or `groups` is not a sequence.
    TypeError
        Scores that are not real numbers (booleans, complex numbers, dates,
        durations, text), as :func:`gsea` refuses them.
    KeyError
        `key` is not in ``adata.uns``, `score` is not in the result, or a
        group is not in it; the message lists what is there.
    ValueError
        The result is not one of ``rank_genes_groups``, holds a gene twice in
        one group or a group twice, or is inconsistent (a group of ``names``
        missing from the scores, or fewer scores than genes).

    Warns
    -----
    VarenkoWarning
        When a group's ranking has fewer than 5,000 genes: enrichment
        against a truncated gene universe (the top ``n_genes`` of each group,
        which older scanpy versions kept by default, or only highly variable
        genes) is biased. Rank every gene with
        ``sc.tl.rank_genes_groups(adata, groupby, n_genes=adata.n_vars)`` on
        an object that holds all measured genes; when the rankings already
        hold every gene of `adata`, the warning says that the data set
        itself is small.

    See Also
    --------
    gsea_many : the analysis of every group's ranking.

    Examples
    --------
    With ``adata`` clustered into ``leiden`` groups (see the single-cell
    guide for the whole walk):

    >>> import scanpy as sc  # doctest: +SKIP
    >>> sc.tl.rank_genes_groups(adata, "leiden", method="wilcoxon",  # doctest: +SKIP
    ...                         n_genes=adata.n_vars)
    >>> rankings = varenkopy.rankings_from_anndata(adata)  # doctest: +SKIP
    >>> res = varenkopy.gsea_many(rankings, varenkopy.datasets.hallmark(), seed=1)  # doctest: +SKIP
    """
    uns = getattr(adata, "uns", None)
    if not isinstance(uns, Mapping) or not hasattr(adata, "n_vars"):
        raise TypeError(f"argument 'adata': expected an AnnData object, got {type_name(adata)}")
    if not isinstance(key, str):
        raise TypeError(f"argument 'key': expected str, got {type_name(key)}")
    if not isinstance(score, str):
        raise TypeError(f"argument 'score': expected str, got {type_name(score)}")
    if key not in uns:
        found = [str(k) for k, v in uns.items() if _is_result(v)]
        present = (f"rank_genes_groups results are under {found}" if found
                   else f"no rank_genes_groups result is there (keys: {sorted(map(str, uns))}); "
                        f"run sc.tl.rank_genes_groups first")
        raise KeyError(f"argument 'key': adata.uns has no {key!r}: {present}")
    result = uns[key]
    if not _is_result(result):
        raise ValueError(f"adata.uns[{key!r}] is not a rank_genes_groups result: it has no 'names'")
    if score not in result:
        fields = [f for f in _SCORE_FIELDS if f in result]
        raise KeyError(f"argument 'score': adata.uns[{key!r}] has no {score!r}; it has {fields}")

    names = _table(result, "names")
    values = _table(result, score)
    name_labels = _groups_of(names, key, "names")
    score_labels = _groups_of(values, key, score)
    present_groups = list(name_labels)
    if groups is None:
        chosen = present_groups
    else:
        if isinstance(groups, str) or not isinstance(groups, Sequence):
            raise TypeError(f"argument 'groups': expected a sequence of str, got {type_name(groups)}")
        chosen = [str(g) for g in groups]
        unknown = [g for g in chosen if g not in present_groups]
        if unknown:
            raise KeyError(f"argument 'groups': {unknown} not in adata.uns[{key!r}]; "
                           f"its groups are {present_groups}")

    columns: dict[str, pd.Series] = {}
    for group in chosen:
        if group not in score_labels:
            raise ValueError(f"adata.uns[{key!r}][{score!r}] has no group {group!r}, which "
                             f"'names' has (its groups are {list(score_labels)}); the result "
                             f"is incomplete: run rank_genes_groups again")
        genes = pd.Series(names[name_labels[group]]).astype(object).reset_index(drop=True)
        where = f"adata.uns[{key!r}][{score!r}] of group {group!r}"
        scores = _real_values(pd.Series(values[score_labels[group]]).reset_index(drop=True),
                              where)
        if len(scores) != len(genes):
            raise ValueError(f"{where} holds {len(scores)} values for the {len(genes)} genes "
                             f"of 'names'; the result is inconsistent: run rank_genes_groups "
                             f"again")
        # Empty slots (when groups have results of different lengths) are not genes.
        keep = genes.notna().to_numpy() & (genes.astype(str) != "").to_numpy()
        index = pd.Index(genes[keep].astype(str), name="gene")
        duplicated = index[index.duplicated()]
        if len(duplicated):
            raise ValueError(f"group {group!r} of adata.uns[{key!r}] holds gene "
                             f"{duplicated[0]!r} twice")
        columns[group] = pd.Series(scores[keep].to_numpy(), index=index)

    frame = pd.concat(columns, axis=1, join="outer", sort=False) if columns else pd.DataFrame()
    frame.index.name = "gene"
    frame.columns.name = None

    counts = [int(column.notna().sum()) for column in columns.values()]
    if counts and min(counts) < SMALL_UNIVERSE:
        low, high = min(counts), max(counts)
        span = f"{low}" if low == high else f"{low} to {high}"
        if low >= adata.n_vars:
            # Every gene of the object is ranked: the object itself is small.
            warn(f"adata holds only {adata.n_vars} genes and the rankings in "
                 f"adata.uns[{key!r}] hold all of them: the data set itself is small (only "
                 f"highly variable genes kept?), and enrichment against so small a gene "
                 f"universe is biased. Rank on an object with all measured genes, such as "
                 f"adata.raw (use_raw=True, n_genes=adata.raw.n_vars)", stacklevel=2)
        else:
            warn(f"the rankings in adata.uns[{key!r}] hold only {span} genes (adata has "
                 f"{adata.n_vars}); enrichment against a truncated gene universe is biased. "
                 f"Rank every gene: sc.tl.rank_genes_groups(adata, ..., n_genes=adata.n_vars) "
                 f"on an object with all measured genes, not only the highly variable ones",
                 stacklevel=2)
    return frame
