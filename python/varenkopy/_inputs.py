"""Conversion of the accepted input forms into the values the core takes.

A ranking (Series, DataFrame, mapping or path) becomes parallel lists of
genes and scores; gene sets (mapping, GMT path or long DataFrame) become a
list of ``(name, genes)`` pairs in their given order.
"""
from __future__ import annotations

import decimal
import errno
import math
import numbers
import os
from collections.abc import Iterable, Mapping
from typing import Any, TypeAlias, Union

import numpy as np
import pandas as pd

from varenkopy._duplicates import resolve_duplicates
from varenkopy._warnings import warn

PathLike = Union[str, "os.PathLike[str]"]
RankingLike = Union["pd.Series[float]", pd.DataFrame, Mapping[Any, Any], PathLike]
GeneSetsLike: TypeAlias = Union[Mapping[str, Iterable[str]], pd.DataFrame, PathLike, "PreparedGeneSets"]
GeneSetPairs = list[tuple[str, list[str]]]

# Column names looked for in a long gene-set frame, in order of preference
# (compared in lower case). The two lists share no name.
_SET_COLUMNS = ("gene_set", "geneset", "set", "pathway", "term", "name", "gs_name",
                "set_name", "gene_set_name", "pathway_name", "term_name", "pathway_id",
                "term_id", "go_id")
_GENE_COLUMNS = ("gene", "genes", "gene_symbol", "symbol", "gene_name", "gene_id",
                 "entrez", "entrez_id", "entrez_gene", "ensembl", "ensembl_id", "ensembl_gene",
                 "human_gene_symbol")


def type_name(value: object) -> str:
    """The name of `value`'s type, as error messages show it."""
    return type(value).__name__


def is_path(value: object) -> bool:
    """True for a ``str`` or an ``os.PathLike``."""
    return isinstance(value, (str, os.PathLike))


def as_path(value: object, name: str) -> str:
    """Returns `value` as a file system path, or raises TypeError naming the argument."""
    if not is_path(value):
        raise TypeError(f"argument '{name}': expected str or os.PathLike, got {type_name(value)}")
    path = os.fspath(value)  # type: ignore[call-overload]
    if not isinstance(path, str):
        raise TypeError(f"argument '{name}': expected a text path, got {type_name(path)}")
    return path


def missing_file(path: str) -> FileNotFoundError:
    """The FileNotFoundError for a path that does not exist."""
    return FileNotFoundError(errno.ENOENT, os.strerror(errno.ENOENT), path)


def _gene_name(gene: object, name: str) -> str:
    if isinstance(gene, str):
        return gene
    if isinstance(gene, numbers.Integral) and not isinstance(gene, bool):
        return str(gene)  # numeric identifiers, such as Entrez gene IDs
    raise TypeError(f"argument '{name}': gene names must be str, got {type_name(gene)}")


def _is_real_score(value: object) -> bool:
    # bool is an Integral, and numpy's bool is no number at all: both refused.
    if value is None:
        return True  # a missing score, dropped like NaN
    if isinstance(value, (bool, np.bool_)):
        return False
    return isinstance(value, (numbers.Real, decimal.Decimal))


def _real_scores(values: object, name: str) -> np.ndarray:
    """The scores as float64, or TypeError naming the argument for anything
    that is not a real number: complex numbers (whose imaginary part would be
    dropped), dates and durations (which would count as nanoseconds), text,
    and booleans (which are flags, not scores: convert them explicitly)."""
    if isinstance(values, pd.Series):
        kind = values.dtype.kind
        if kind in "iuf":
            # Also pandas' nullable integers and floats, whose missing cells are NaN.
            return values.to_numpy(dtype=np.float64, na_value=np.nan)
        if kind != "O":
            raise TypeError(f"argument '{name}': scores must be real numbers (int or float), "
                            f"got dtype {values.dtype}")
        values = values.to_numpy(dtype=object)
    raw = np.asarray(values, dtype=object) if isinstance(values, list) else np.asarray(values)
    if raw.dtype.kind in "iuf":
        return raw.astype(np.float64)
    if raw.dtype.kind != "O":
        raise TypeError(f"argument '{name}': scores must be real numbers (int or float), "
                        f"got dtype {raw.dtype}")
    for value in raw:
        if not _is_real_score(value):
            raise TypeError(f"argument '{name}': scores must be real numbers (int or float), "
                            f"got {type_name(value)}")
    return raw.astype(np.float64)


def _table_hint(frame: pd.DataFrame) -> str:
    """Where a frame looks like a differential-expression table, the advice
    to make its ranking with ranking_from_table."""
    from varenkopy._tables import looks_like_table

    if not looks_like_table(frame):
        return ""
    return ("; this looks like a differential-expression table: make the ranking with "
            "varenkopy.ranking_from_table(table), which takes its p-value and fold-change "
            "columns")


def ranking_to_lists(ranking: object, name: str = "ranking",
                     duplicates: str = "error") -> tuple[list[str], list[float]]:
    """Converts any accepted ranking form into parallel lists of genes and scores.

    Genes keep their given order. Scores must be real numbers (booleans,
    complex numbers, dates, durations and text raise TypeError). Duplicate
    gene names are refused or combined as `duplicates` says, genes with NaN
    scores are then dropped with a warning, and an empty ranking is refused.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping, str or os.PathLike
        A Series (gene index, numeric values), a one-column DataFrame (gene
        index) or a two-column one (genes, scores), a mapping gene -> score, or
        the path of a ranking file (see :func:`varenkopy.read_ranking`).
    name : str
        The argument's name, used in error messages.
    duplicates : {"error", "max_abs", "mean", "first"}
        What to do with repeated gene names (see :func:`resolve_duplicates`).

    Returns
    -------
    tuple of (list of str, list of float)
        The genes and their scores.
    """
    if is_path(ranking):
        from varenkopy._readers import read_ranking

        ranking = read_ranking(ranking)  # type: ignore[arg-type]
    values: Any
    if isinstance(ranking, pd.DataFrame):
        if ranking.shape[1] == 1:
            keys, values = list(ranking.index), ranking.iloc[:, 0]
        elif ranking.shape[1] == 2:
            keys, values = list(ranking.iloc[:, 0]), ranking.iloc[:, 1]
        else:
            raise ValueError(
                f"argument '{name}': a DataFrame ranking needs one column (genes in the index) "
                f"or two (genes, scores); got {ranking.shape[1]} columns"
                + _table_hint(ranking))
    elif isinstance(ranking, pd.Series):
        keys, values = list(ranking.index), ranking
    elif isinstance(ranking, Mapping):
        keys, values = list(ranking.keys()), list(ranking.values())
    else:
        raise TypeError(
            f"argument '{name}': expected a pandas Series, a DataFrame, a mapping gene -> score "
            f"or a path, got {type_name(ranking)}"
        )
    try:
        genes = [_gene_name(g, name) for g in keys]
        scores = _real_scores(values, name)
    except TypeError as exc:
        if isinstance(ranking, pd.DataFrame):
            raise TypeError(str(exc) + _table_hint(ranking)) from None
        raise

    genes, scores = resolve_duplicates(genes, scores, duplicates, f"argument '{name}'")
    nan = np.isnan(scores)
    if nan.any():
        count = int(nan.sum())
        warn(f"{count} genes with NaN scores were dropped from the ranking")
        genes = [g for g, drop in zip(genes, nan, strict=True) if not drop]
        scores = scores[~nan]
    if not genes:
        raise ValueError(f"argument '{name}': the ranking is empty")
    return genes, scores.tolist()


def ranks_dict(ranking: object, name: str = "ranking", duplicates: str = "error"
               ) -> dict[str, float]:
    """The ranking as the ordered dict gene -> score that the core entries take."""
    genes, scores = ranking_to_lists(ranking, name, duplicates)
    return dict(zip(genes, scores, strict=True))


class PreparedGeneSets:
    """Gene sets already converted into ``(name, genes)`` pairs.

    Accepted wherever gene sets are, and passed through without a second
    conversion: many analyses of one collection convert it once (and send it
    to cluster workers once).
    """

    __slots__ = ("_genes", "pairs")

    def __init__(self, pairs: GeneSetPairs) -> None:
        self.pairs = pairs

    def genes(self) -> frozenset[str]:
        """Every gene of the sets, found once and kept (not pickled)."""
        genes: frozenset[str] | None = getattr(self, "_genes", None)
        if genes is None:
            genes = set_genes(self.pairs)
            self._genes = genes
        return genes

    # A one-element tuple: pickle skips __setstate__ for a false state, such
    # as an empty list of sets.
    def __getstate__(self) -> tuple[GeneSetPairs]:
        return (self.pairs,)

    def __setstate__(self, state: tuple[GeneSetPairs]) -> None:
        self.pairs = state[0]


def set_genes(pairs: GeneSetPairs) -> frozenset[str]:
    """Every gene of the gene sets `pairs`."""
    genes: set[str] = set()
    for _, members in pairs:
        genes.update(members)
    return frozenset(genes)


class ReadFile:
    """An input file read once: what was parsed from it, and the name, size
    and SHA-256 of the bytes it brought (the provenance a report records).

    Passed where its parsed value is accepted, it stands for that value
    (:func:`unwrap`), so a file that can be read only once (a FIFO) is not
    read again. `descriptions` holds the second field of each line of a GMT
    file (set name -> description), kept during the same read.
    """

    __slots__ = ("descriptions", "path", "sha256", "size", "value")

    def __init__(self, path: str, size: int, sha256: str, value: object,
                 descriptions: dict[str, str] | None = None) -> None:
        self.path, self.size, self.sha256, self.value = path, size, sha256, value
        self.descriptions = descriptions


def unwrap(value: object) -> object:
    """The parsed value of a :class:`ReadFile`; anything else as it is."""
    return value.value if isinstance(value, ReadFile) else value


def _gene_list(genes: object, set_name: str, name: str) -> list[str]:
    if isinstance(genes, (str, bytes)) or not isinstance(genes, Iterable):
        raise TypeError(
            f"argument '{name}': the genes of '{set_name}' must be a list of str, "
            f"got {type_name(genes)}"
        )
    return [_gene_name(g, name) for g in genes]


def _frame_column(columns: list[Any], chosen: object, keyword: str) -> int:
    """The position of the column the caller named with `keyword`."""
    for i, column in enumerate(columns):
        if column == chosen:
            return i
    raise ValueError(f"argument '{keyword}': {chosen!r} is not a column of the gene-set "
                     f"DataFrame (columns: {', '.join(map(repr, columns))})")


def _detect_column(lowered: list[str], known: tuple[str, ...], taken: int | None) -> int | None:
    for wanted in known:
        for i, column in enumerate(lowered):
            if column == wanted and i != taken:
                return i
    return None


def _set_and_gene_columns(frame: pd.DataFrame, name: str, set_column: object,
                          gene_column: object) -> tuple[int, int]:
    """Positions of the set and gene columns of a long gene-set frame.

    Columns the caller names are used as given; the others are found by their
    names. A two-column frame whose second column is still unknown takes the
    column left over, and one with neither column recognised is read as (set,
    gene). Anything less certain raises ValueError listing the columns: a
    wrong guess would silently turn every set into something else.
    """
    columns = list(frame.columns)
    lowered = [str(c).lower() for c in columns]
    shown = ", ".join(map(repr, columns))
    if frame.shape[1] < 2:
        raise ValueError(f"argument '{name}': a gene-set DataFrame needs a set and a gene "
                         f"column (columns: {shown})")
    set_col = None if set_column is None else _frame_column(columns, set_column, "set_column")
    gene_col = (None if gene_column is None
                else _frame_column(columns, gene_column, "gene_column"))
    if set_col is not None and set_col == gene_col:
        raise ValueError("arguments 'set_column' and 'gene_column' name the same column "
                         f"{columns[set_col]!r}")
    if set_col is None:
        set_col = _detect_column(lowered, _SET_COLUMNS, gene_col)
    if gene_col is None:
        gene_col = _detect_column(lowered, _GENE_COLUMNS, set_col)
    if frame.shape[1] == 2:
        if set_col is None and gene_col is None:
            return 0, 1
        if set_col is None:
            assert gene_col is not None
            set_col = 1 - gene_col
        if gene_col is None:
            gene_col = 1 - set_col
    if set_col is None or gene_col is None:
        missing = " and ".join(
            f"the {kind} column" for kind, col in (("set", set_col), ("gene", gene_col))
            if col is None)
        raise ValueError(f"argument '{name}': cannot tell {missing} of the gene-set DataFrame "
                         f"(columns: {shown}); name them with set_column= and gene_column=")
    return set_col, gene_col


def gene_sets_to_pairs(gene_sets: object, name: str = "gene_sets", *,
                       set_column: object = None, gene_column: object = None) -> GeneSetPairs:
    """Converts any accepted gene-set form into ``(name, genes)`` pairs.

    Parameters
    ----------
    gene_sets : Mapping, DataFrame, str or os.PathLike
        A mapping name -> genes, a long DataFrame with one row per (set, gene),
        or the path of a GMT file. The set and gene columns of a DataFrame
        are `set_column` and `gene_column` when given, else found by their
        names (such as ``gene_set``, ``pathway``, ``term`` or ``gs_name``, and
        ``gene``, ``symbol``, ``gene_symbol`` or ``gene_id``); a two-column
        frame whose names say nothing is read as (set, gene). Anything else
        raises ValueError listing the columns.
    name : str
        The argument's name, used in error messages.
    set_column, gene_column : optional
        Labels of the set and gene columns of a DataFrame; only a DataFrame
        takes them.

    Returns
    -------
    list of (str, list of str)
        The gene sets in their given order (first appearance for a DataFrame).
    """
    if isinstance(gene_sets, pd.DataFrame):
        set_col, gene_col = _set_and_gene_columns(gene_sets, name, set_column, gene_column)
        frame = gene_sets.iloc[:, [set_col, gene_col]].dropna()
        pairs: dict[str, list[str]] = {}
        for set_name, gene in zip(frame.iloc[:, 0], frame.iloc[:, 1], strict=True):
            pairs.setdefault(_gene_name(set_name, name), []).append(_gene_name(gene, name))
        return list(pairs.items())
    for keyword, value in (("set_column", set_column), ("gene_column", gene_column)):
        if value is not None:
            raise ValueError(f"argument '{keyword}': only a gene-set DataFrame has columns, "
                             f"got gene sets of type {type_name(gene_sets)}")
    if isinstance(gene_sets, PreparedGeneSets):
        return gene_sets.pairs
    if is_path(gene_sets):
        from varenkopy._readers import read_gmt_pairs

        return read_gmt_pairs(gene_sets)  # type: ignore[arg-type]
    if isinstance(gene_sets, Mapping):
        result: GeneSetPairs = []
        for set_name, genes in gene_sets.items():
            if not isinstance(set_name, str):
                raise TypeError(
                    f"argument '{name}': gene set names must be str, got {type_name(set_name)}"
                )
            result.append((set_name, _gene_list(genes, set_name, name)))
        return result
    raise TypeError(
        f"argument '{name}': expected a mapping name -> genes, a DataFrame or a GMT path, "
        f"got {type_name(gene_sets)}"
    )


def is_missing(value: object) -> bool:
    """True for None and NaN."""
    return value is None or (isinstance(value, float) and math.isnan(value))
