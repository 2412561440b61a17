"""A ranking from a differential-expression table.

:func:`ranking_from_table` turns the tables that expression analyses export
(one row per gene with a p-value, a fold change and often a test statistic)
into the gene -> score Series that :func:`varenkopy.gsea` takes. Scores are
always finite; rows keep the table's order.
"""
from __future__ import annotations

import math
import numbers
import re
from collections.abc import Hashable, Sequence

import numpy as np
import numpy.typing as npt
import pandas as pd

from varenkopy._duplicates import check_duplicates, resolve_duplicates
from varenkopy._inputs import type_name
from varenkopy._warnings import warn

METHODS = ("signed_log10p", "lfc", "score")

# Column names that common exports use, compared in lower case. Adjusted
# p-values (padj, FDR, adj.P.Val, pvals_adj) are deliberately absent: a
# ranking wants the raw p-values, which keep their order among genes.
_GENE_NAMES = ("gene", "genes", "names", "symbol", "gene_symbol", "gene_name", "gene_id", "id")
_PVALUE_NAMES = ("pvalue", "pval", "pvals", "p.value", "p_value", "p-value", "p_val")
_LFC_NAMES = ("log2foldchange", "logfc", "logfoldchanges", "log2fc", "lfc", "avg_log2fc",
              "avg_logfc", "log2_fold_change")
_SCORE_NAMES = ("stat", "t", "scores", "score", "statistic")
# Names of adjusted p-values and q-values, compared in lower case: a column
# named like this and given as pvalue= is warned about.
_ADJUSTED = re.compile(r"adj|fdr|^q[-._ ]?val|^qval|^q$|bonferroni|holm|^bh$")
# The name pandas gives a column without a header, such as the row names R's
# write.csv puts first.
_UNNAMED_FIRST = "Unnamed: 0"
# How many columns or genes a message lists.
_SHOWN = 30
_SHOWN_GENES = 5


def _listing(labels: Sequence[Hashable]) -> str:
    more = ", ..." if len(labels) > _SHOWN else ""
    return ", ".join(repr(c) for c in labels[:_SHOWN]) + more


def _last_name(label: Hashable) -> object:
    """The name a column is known by: its label, or the last level of a
    label of several levels (columns with a MultiIndex)."""
    return label[-1] if isinstance(label, tuple) and label else label


def _matches(table: pd.DataFrame, candidates: Sequence[str]) -> list[Hashable]:
    """The table's columns whose lower-cased name (the last level of a
    MultiIndex label) is one of `candidates`."""
    wanted = set(candidates)
    return [c for c in table.columns
            if isinstance(name := _last_name(c), str) and name.lower() in wanted]


def _series(table: pd.DataFrame, label: Hashable, keyword: str) -> pd.Series:
    """The one column `label` names; ValueError when it selects several (part
    of a label of MultiIndex columns)."""
    column = table[label]
    if isinstance(column, pd.DataFrame):
        rest = column.columns[0]
        whole = (*(label if isinstance(label, tuple) else (label,)),
                 *(rest if isinstance(rest, tuple) else (rest,)))
        raise ValueError(f"argument '{keyword}': {label!r} selects {column.shape[1]} columns "
                         f"of the table's columns of several levels; name one whole column "
                         f"by all its levels, such as {keyword}={whole!r}")
    return column


def looks_like_table(table: pd.DataFrame) -> bool:
    """True when `table` has a column named like a p-value, fold change or test
    statistic of the usual exports."""
    return bool(_matches(table, _PVALUE_NAMES + _LFC_NAMES + _SCORE_NAMES + ("basemean",)))


def _column(table: pd.DataFrame, keyword: str, given: Hashable | None, what: str,
            candidates: Sequence[str]) -> Hashable:
    """The label of the column that `keyword` names, or the one common name
    that the table has; ValueError listing the columns otherwise."""
    columns: list[Hashable] = list(table.columns)
    if given is not None:
        try:
            found = given in table.columns
        except TypeError:
            raise TypeError(f"argument '{keyword}': expected a column name, "
                            f"got {type_name(given)}") from None
        if not found:
            raise ValueError(f"argument '{keyword}': the table has no column {given!r}; "
                             f"its columns are {_listing(columns)}")
        label = given
    else:
        matches = _matches(table, candidates)
        if not matches:
            raise ValueError(f"argument '{keyword}': no column of {what} found (looked for "
                             f"{', '.join(candidates)}); name one with {keyword}=... among "
                             f"the table's columns {_listing(columns)}")
        if len(matches) > 1:
            raise ValueError(f"argument '{keyword}': several columns could hold {what} "
                             f"({_listing(matches)}); name one with {keyword}=...")
        label = matches[0]
    if columns.count(label) > 1:
        raise ValueError(f"argument '{keyword}': the table has more than one column {label!r}")
    return label


def _numbers(table: pd.DataFrame, label: Hashable, keyword: str) -> npt.NDArray[np.float64]:
    """The column as float64, missing values as NaN; TypeError unless it holds
    real numbers (booleans are flags and complex numbers would lose their
    imaginary part, so both are refused)."""
    column = _series(table, label, keyword)
    dtype = column.dtype
    numeric = (pd.api.types.is_numeric_dtype(dtype) and not pd.api.types.is_bool_dtype(dtype)
               and not pd.api.types.is_complex_dtype(dtype))
    if pd.api.types.is_object_dtype(dtype):
        numeric = not any(isinstance(v, (str, bytes, bool, np.bool_, complex, np.complexfloating))
                          for v in column)
    if numeric:
        try:
            return column.to_numpy(dtype=np.float64, na_value=np.nan)
        except (TypeError, ValueError):
            pass
    raise TypeError(f"argument '{keyword}': column {label!r} must hold numbers, "
                    f"got dtype {dtype}")


def _is_missing(value: object) -> bool:
    return value is None or value is pd.NA or (isinstance(value, float) and math.isnan(value))


def _is_index_name(table: pd.DataFrame, gene: Hashable) -> bool:
    """True when `gene` names the index and no column."""
    try:
        return bool(gene not in table.columns and gene == table.index.name)
    except TypeError:
        return False


def _gene_labels(table: pd.DataFrame, gene: Hashable | None) -> tuple[list[object], str]:
    """The gene of each row (from a column or the index) and what they are
    called in messages."""
    if gene is None:
        source: pd.Index | pd.Series = table.index
        described = "the index"
    elif gene == "gene" and "gene" not in table.columns:
        # The default: a common gene column, else the first unnamed column,
        # else the index unless it only numbers the rows.
        matches = _matches(table, _GENE_NAMES)
        if len(matches) > 1:
            raise ValueError(f"argument 'gene': several columns could hold the gene names "
                             f"({_listing(matches)}); name one with gene=..., or gene=None "
                             f"for the index")
        if matches:
            source, described = _series(table, matches[0], "gene"), f"column {matches[0]!r}"
        elif len(table.columns) and table.columns[0] == _UNNAMED_FIRST:
            source, described = table[_UNNAMED_FIRST], f"column {_UNNAMED_FIRST!r}"
        elif isinstance(table.index, pd.RangeIndex) or isinstance(table.index, pd.MultiIndex):
            raise ValueError(f"argument 'gene': no column of gene names found (looked for "
                             f"{', '.join(_GENE_NAMES)}) and the index holds no gene names; "
                             f"name one with gene=... among the table's columns "
                             f"{_listing(list(table.columns))}")
        elif _is_integer_index(table.index) and table.index.name != "gene":
            # The row numbers of a table that was sorted or filtered after
            # reading: taken as genes they would rank numbers, not genes.
            raise ValueError(f"argument 'gene': no column of gene names found (looked for "
                             f"{', '.join(_GENE_NAMES)}) and the index holds integers, most "
                             f"likely row numbers of a sorted or filtered table; name the "
                             f"gene column with gene=... among the table's columns "
                             f"{_listing(list(table.columns))}, or pass gene=None if the "
                             f"index does hold numeric gene IDs (such as Entrez IDs)")
        else:
            source, described = table.index, "the index"
    elif _is_index_name(table, gene):
        source, described = table.index, "the index"
    else:
        label = _column(table, "gene", gene, "gene names", ())
        source, described = _series(table, label, "gene"), f"column {label!r}"
    if isinstance(source, pd.MultiIndex):
        raise ValueError("argument 'gene': the index has several levels; name the gene "
                         "column with gene=...")
    return list(source), described


def _is_integer_index(index: pd.Index) -> bool:
    """True for an index of integers (of an integer dtype, or objects that are
    all integers)."""
    if pd.api.types.is_bool_dtype(index.dtype):
        return False
    if pd.api.types.is_integer_dtype(index.dtype):
        return True
    return (len(index) > 0 and pd.api.types.is_object_dtype(index.dtype)
            and all(isinstance(v, numbers.Integral) and not isinstance(v, (bool, np.bool_))
                    for v in index))


def _gene_name(value: object, described: str) -> str:
    if isinstance(value, str):
        return value
    if isinstance(value, numbers.Integral) and not isinstance(value, bool):
        return str(value)  # numeric identifiers, such as Entrez gene IDs
    raise TypeError(f"argument 'gene': gene names in {described} must be str, "
                    f"got {type_name(value)}")


def _zero_floor(pvalues: npt.NDArray[np.float64]) -> tuple[float, str]:
    """The value that p-values of exactly 0 take, and the rule in words."""
    positive = pvalues[pvalues > 0]
    if positive.size:
        smallest = float(positive.min())
        floor = smallest / 10
        if floor > 0:
            return floor, (f"a tenth of the smallest positive p-value of the table "
                           f"({smallest:.3g})")
    # No positive p-value, or a tenth of it is below every double.
    return math.ulp(0.0), "the smallest positive double"


def _out_of_range(genes: list[str], values: npt.NDArray[np.float64],
                  bad: npt.NDArray[np.bool_]) -> str:
    where = np.flatnonzero(bad)
    shown = ", ".join(f"{genes[i]!r}: {float(values[i])!r}" for i in where[:_SHOWN_GENES])
    return shown + (", ..." if where.size > _SHOWN_GENES else "")


def ranking_from_table(
    table: pd.DataFrame,
    *,
    gene: str | None = "gene",
    score: str | None = None,
    pvalue: str | None = None,
    lfc: str | None = None,
    method: str = "signed_log10p",
    duplicates: str = "error",
) -> pd.Series:
    """Makes the ranking that :func:`gsea` takes from a differential-expression table.

    The table has one row per gene, as the usual exports have it
    (``pandas.read_csv`` of a DESeq2, edgeR or limma result, scanpy's
    ``sc.get.rank_genes_groups_df``, ...). Its columns are found by their
    common names unless they are named.

    Parameters
    ----------
    table : pandas.DataFrame
        One row per gene.
    gene : str or None, default "gene"
        The column of gene names, or the index when it has this name; None
        takes the index whatever its name. With the default,
        when there is no column ``gene``, the one column named like
        ``names``/``symbol``/``gene_name``/``gene_id``/``id`` (in any case) is
        taken, else a first column without a header (``"Unnamed: 0"``, where
        R's ``write.csv`` puts row names), else the index unless it holds
        integers (the row numbers of a sorted or filtered table are refused:
        pass gene=None for an index of numeric gene IDs). Names must be
        non-blank str (integers, such as Entrez IDs, become str); rows
        without one are dropped with a warning.
    score : str, optional
        The column taken as the score with ``method="score"``, such as a
        Wald or t statistic. None looks for ``stat``, ``t``, ``scores``,
        ``score`` or ``statistic``.
    pvalue : str, optional
        The column of (unadjusted) p-values for ``method="signed_log10p"``;
        a column named like adjusted p-values (``padj``, ``FDR``,
        ``adj.P.Val``, ...) is warned about.
        None looks for ``pvalue``/``PValue``, ``P.Value``, ``pvals``,
        ``pval``, ``p_value``, ``p-value`` or ``p_val``.
    lfc : str, optional
        The column of log fold changes for ``method="signed_log10p"`` (its
        sign) and ``method="lfc"``. None looks for ``log2FoldChange``,
        ``logFC``, ``logfoldchanges``, ``log2fc``, ``lfc``, ``avg_log2FC``,
        ``avg_logFC`` or ``log2_fold_change``.
    method : {"signed_log10p", "lfc", "score"}, default "signed_log10p"
        ``-log10(p)`` times the sign of the fold change (0 where the fold
        change is 0); the fold change; or the score column as it is. Columns
        the method does not use must not be named.
    duplicates : {"error", "max_abs", "mean", "first"}, default "error"
        What to do with a gene name on several rows: refuse (the error names
        the genes), or keep the score with the largest absolute value (the
        first of equal ones), the mean, or the first row's. The gene keeps
        the position of its first row.

    Returns
    -------
    pandas.Series
        Finite float scores named ``score``, indexed by gene name (an index
        named ``gene``), in the table's order.

    Raises
    ------
    TypeError
        `table` is not a DataFrame, a used column does not hold numbers, or
        a gene name is neither str nor an integer, or a used column holds
        booleans or complex numbers.
    ValueError
        An unknown `method` or `duplicates`, a column that is missing,
        ambiguous or not used by the method (the message lists the table's
        columns), an integer index taken by default, an empty or blank gene
        name, p-values outside [0, 1], an infinite fold change or score
        with ``method="lfc"``/``"score"``, repeated gene names with
        ``duplicates="error"``, or no gene left.

    Warns
    -----
    VarenkoWarning
        Counting the rows dropped for a missing gene name, the genes dropped
        for a missing (NaN) p-value, fold change or score, and the p-values
        of exactly 0 that were replaced; a `pvalue` column that looks
        adjusted.

    Notes
    -----
    Exports report p-values below the smallest double as exactly 0. Such a
    p-value is smaller than every positive one of the table, so it is
    replaced by a tenth of the smallest positive p-value of the table: those
    genes rank just beyond the strongest measured gene (tied with each other,
    in the table's order) instead of getting an infinite score. When no
    positive p-value exists, or a tenth of it is not a double, the smallest
    positive double (about 4.9e-324) is used. Missing (NaN) values of a
    column the method uses drop the gene, with a warning that counts them.
    Repeated gene names are resolved before genes with NaN are dropped, and
    NaN rows of a repeated gene are passed over.

    Examples
    --------
    >>> import pandas as pd
    >>> import varenkopy
    >>> table = pd.DataFrame({
    ...     "gene": ["TP53", "MYC", "EGFR", "GAPDH"],
    ...     "log2FoldChange": [2.5, -1.2, 0.8, 0.1],
    ...     "pvalue": [1e-8, 1e-3, 0.02, 0.9],
    ... })
    >>> varenkopy.ranking_from_table(table)
    gene
    TP53     8.000000
    MYC     -3.000000
    EGFR     1.698970
    GAPDH    0.045757
    Name: score, dtype: float64

    An edgeR-style table with the genes in the index and a repeated gene:

    >>> edger = pd.DataFrame({"logFC": [1.0, -2.0, -0.5], "PValue": [0.01, 0.0, 0.2]},
    ...                      index=["A", "B", "A"])
    >>> varenkopy.ranking_from_table(edger, duplicates="max_abs")
    gene
    A    2.0
    B   -3.0
    Name: score, dtype: float64

    The ranking then goes to the analysis:
    ``varenkopy.gsea(ranking, "h.all.v7.1.symbols.gmt", seed=42)``.
    """
    if not isinstance(table, pd.DataFrame):
        raise TypeError(f"argument 'table': expected a pandas DataFrame, got {type_name(table)}")
    if not isinstance(method, str):
        raise TypeError(f"argument 'method': expected str, got {type_name(method)}")
    if method not in METHODS:
        raise ValueError(f"argument 'method': expected one of "
                         f"{', '.join(repr(m) for m in METHODS)}, got {method!r}")
    check_duplicates(duplicates)
    used = {"signed_log10p": ("pvalue", "lfc"), "lfc": ("lfc",), "score": ("score",)}[method]
    for keyword, value in (("score", score), ("pvalue", pvalue), ("lfc", lfc)):
        if value is not None and keyword not in used:
            raise ValueError(f"argument '{keyword}': not used by method={method!r} "
                             f"(it uses {' and '.join(used)})")

    labels, described = _gene_labels(table, gene)
    if method == "signed_log10p":
        p_label = _column(table, "pvalue", pvalue, "p-values", _PVALUE_NAMES)
        f_label = _column(table, "lfc", lfc, "log fold changes", _LFC_NAMES)
        pvalues, folds = _numbers(table, p_label, "pvalue"), _numbers(table, f_label, "lfc")
        name = _last_name(p_label)
        if isinstance(name, str) and _ADJUSTED.search(name.lower()):
            warn(f"argument 'pvalue': column {p_label!r} looks like adjusted p-values (or "
                 f"q-values); adjustment ties and caps them, losing the order of the genes: "
                 f"rank by the unadjusted p-values", stacklevel=2)
        columns = f"{p_label!r} or {f_label!r}"
    else:
        keyword, given, what, candidates = (
            ("lfc", lfc, "log fold changes", _LFC_NAMES) if method == "lfc"
            else ("score", score, "scores", _SCORE_NAMES))
        label = _column(table, keyword, given, what, candidates)
        values = _numbers(table, label, keyword)
        columns = repr(label)

    blank = [i for i, v in enumerate(labels) if isinstance(v, str) and not v.strip()]
    if blank:
        raise ValueError(f"argument 'gene': {described} holds {len(blank)} empty or blank gene "
                         f"names (the first on row {blank[0]}, counted from 0: "
                         f"{labels[blank[0]]!r}); drop those rows, or name the gene column "
                         f"with gene=...")
    named = np.array([not _is_missing(v) for v in labels], dtype=bool)
    if not named.all():
        warn(f"{int((~named).sum())} rows without a gene name in {described} were dropped",
             stacklevel=2)
    genes = [_gene_name(v, described) for v, keep in zip(labels, named, strict=True) if keep]

    if method == "signed_log10p":
        pvalues, folds = pvalues[named], folds[named]
        outside = (pvalues < 0) | (pvalues > 1)
        if outside.any():
            raise ValueError(f"argument 'pvalue': column {p_label!r} has "
                             f"{int(outside.sum())} values outside [0, 1] "
                             f"({_out_of_range(genes, pvalues, outside)})")
        zero = pvalues == 0
        if zero.any():
            floor, rule = _zero_floor(pvalues)
            warn(f"{int(zero.sum())} p-values of exactly 0 were replaced by {floor:.3g}, "
                 f"{rule}", stacklevel=2)
            pvalues = np.where(zero, floor, pvalues)
        # Adding 0.0 turns the -0.0 of p = 1 or of a negative sign into 0.0.
        scores = -np.log10(pvalues) * np.sign(folds) + 0.0
    else:
        values = values[named]
        infinite = np.isinf(values)
        if infinite.any():
            raise ValueError(f"argument '{keyword}': column {columns} has "
                             f"{int(infinite.sum())} infinite values "
                             f"({_out_of_range(genes, values, infinite)})")
        scores = values

    genes, scores = resolve_duplicates(genes, scores, duplicates, "argument 'table'")
    missing = np.isnan(scores)
    if missing.any():
        warn(f"{int(missing.sum())} genes were dropped: their value in {columns} is "
             f"missing (NaN)", stacklevel=2)
        genes = [g for g, drop in zip(genes, missing, strict=True) if not drop]
        scores = scores[~missing]
    if not genes:
        raise ValueError("argument 'table': no gene is left to rank")
    return pd.Series(scores, index=pd.Index(genes, dtype=object, name="gene"), name="score")
