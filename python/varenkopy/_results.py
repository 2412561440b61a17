"""Results tables on disk: the command line's TSV, ``DataFrame.to_csv`` files,
and the check that a frame given to the after-the-table functions holds
what :func:`varenkopy.gsea` made (lists of genes, booleans) rather than
their text.

The command line writes the frame's ``attrs`` (the seed, and whatever else
the analysis records) beside the table, as JSON in ``RESULTS.attrs.json``,
so that the table itself stays a plain TSV that any tool reads. The JSON
holds the SHA-256 of the table it belongs to: attrs are given back only
with that table, never with one that was rewritten since.
"""
from __future__ import annotations

import ast
import csv
import hashlib
import io
import json
import math
import os
import re
from collections.abc import Hashable
from typing import Any

import numpy as np
import pandas as pd

from varenkopy._files import MAX_READ_BYTES, decode_text, is_special, read_bytes, write_text
from varenkopy._inputs import as_path, type_name
from varenkopy._warnings import warn

#: Ending of the file beside a results table that holds the frame's attrs.
ATTRS_SUFFIX = ".attrs.json"
_ATTRS_FORMAT = "varenkopy results attrs"

# The columns of gsea(), gsea_many() and collapse_redundant() by kind.
_TEXT = ("pathway", "signature")
_INTEGERS = ("size",)
_FLOATS = ("es", "nes", "pval", "padj", "log2err", "conditional_pval")
_FLAGS = ("pval_at_eps", "conditional_pval_at_eps")
_LISTS = ("leading_edge",)
# Every results table has these.
_NEEDED = ("pathway", "es", "nes", "pval", "padj", "leading_edge")
# How the writers spell a missing number or flag: NA (the command line), an
# empty cell (to_csv), <NA> (to_csv of pandas' nullable types), nan.
_MISSING = frozenset({"", "NA", "<NA>", "nan", "NaN", "NAN"})
_INTEGER = re.compile(r"[-+]?\d+")
# The header cell pandas gives a column without a name (to_csv's index).
_UNNAMED = re.compile(r"Unnamed: \d+")
_ADVICE = "read the file with varenkopy.read_results(path)"


# --- the check of the after-the-table functions ---------------------------------------


def check_result_cells(results: pd.DataFrame | pd.Series, name: str = "results") -> None:
    """Refuses a results frame (or one row) whose ``leading_edge`` holds text
    instead of lists of genes, or whose ``independent`` or ``pval_at_eps`` is
    not boolean: what a table read back with ``pandas.read_csv`` holds. Used
    as text, a leading edge would be a set of characters and a missing
    ``independent`` would count as true."""
    if isinstance(results, pd.Series):
        edge = results.get("leading_edge")
        if edge is not None and not isinstance(edge, (list, tuple, np.ndarray)):
            raise TypeError(f"argument '{name}': its 'leading_edge' is "
                            f"{type_name(edge)} ({_shown(edge)}), not a list of genes: a "
                            f"result read from a file as text? {_ADVICE}, which gives back "
                            f"the lists")
        return
    if "leading_edge" in results.columns:
        for value in results["leading_edge"]:
            if not isinstance(value, (list, tuple, np.ndarray)):
                raise TypeError(f"argument '{name}': column 'leading_edge' holds "
                                f"{type_name(value)} ({_shown(value)}), not lists of genes: a "
                                f"results table read from a file as text? {_ADVICE}, which "
                                f"gives back the lists")
    for column in ("independent", *_FLAGS):
        if column in results.columns and not pd.api.types.is_bool_dtype(results[column].dtype):
            raise TypeError(f"argument '{name}': column {column!r} has dtype "
                            f"{results[column].dtype}, not boolean (missing values would "
                            f"count as true): a results table read from a file as text? "
                            f"{_ADVICE}, which gives back the booleans")


def _shown(value: object) -> str:
    text = repr(value)
    return text if len(text) <= 40 else text[:37] + "..."


# --- writing the attrs beside a table --------------------------------------------------


def _json_value(value: object) -> object:
    """`value` as JSON holds it; TypeError for a value of another type."""
    if isinstance(value, (bool, np.bool_)):
        return bool(value)
    if isinstance(value, (int, np.integer)):
        return int(value)
    if isinstance(value, (float, np.floating)):
        return float(value)
    if value is None or isinstance(value, str):
        return value
    if isinstance(value, (list, tuple)):
        return [_json_value(v) for v in value]
    if isinstance(value, dict) and all(isinstance(k, str) for k in value):
        return {k: _json_value(v) for k, v in value.items()}
    raise TypeError(type_name(value))


def attrs_text(frame: pd.DataFrame, table: str) -> str | None:
    """The JSON that records `frame`'s attrs for the table whose text is
    `table`; None when the frame has no attrs. Attrs JSON cannot hold
    (objects of other types) are left out."""
    attrs: dict[str, object] = {}
    for key, value in frame.attrs.items():
        if not isinstance(key, str):
            continue
        try:
            attrs[key] = _json_value(value)
        except TypeError:
            continue
    if not attrs:
        return None
    record = {"format": _ATTRS_FORMAT, "version": 1,
              "table_sha256": hashlib.sha256(table.encode("utf-8")).hexdigest(),
              "attrs": attrs}
    return json.dumps(record, indent=1) + "\n"


def write_attrs_beside(frame: pd.DataFrame, path: str, table: str) -> None:
    """Writes the attrs of `frame` next to the table file `path` (whose text
    is `table`) as ``path + ".attrs.json"``; nothing for standard output, a
    device or a FIFO, which have no place beside them."""
    if path == "-" or is_special(path):
        return
    text = attrs_text(frame, table)
    if text is not None:
        write_text(path + ATTRS_SUFFIX, text)


def _attrs_beside(path: str, data: bytes) -> dict[str, Any]:
    """The attrs recorded beside the table at `path` (whose bytes are `data`,
    decompressed); empty when there is no record or it belongs to another
    version of the table (then with a warning)."""
    candidates = [path + ATTRS_SUFFIX]
    if path.endswith(".gz"):
        candidates.append(path[:-3] + ATTRS_SUFFIX)
    for candidate in candidates:
        if not os.path.exists(candidate):
            continue
        try:
            record = json.loads(decode_text(read_bytes(candidate, limit=1 << 20), candidate))
        except (OSError, ValueError) as exc:
            warn(f"{candidate}: not read ({exc}); the results come without their attrs")
            return {}
        if not isinstance(record, dict) or record.get("format") != _ATTRS_FORMAT \
                or not isinstance(record.get("attrs"), dict):
            warn(f"{candidate}: not a record of results attrs; the results come without "
                 f"their attrs")
            return {}
        if record.get("table_sha256") != hashlib.sha256(data).hexdigest():
            warn(f"{candidate}: it records the attrs (such as the seed) of another version "
                 f"of {path}, which was rewritten since; the results come without them")
            return {}
        return dict(record["attrs"])
    return {}


# --- reading a table back -------------------------------------------------------------


def _where(path: str, column: Hashable, row: int) -> str:
    return f"{path}: column {column!r}, row {row + 1}"


def _floats(cells: list[str], path: str, column: Hashable) -> np.ndarray:
    out = np.empty(len(cells), dtype=np.float64)
    for i, cell in enumerate(cells):
        text = cell.strip()
        if text in _MISSING:
            out[i] = math.nan
            continue
        try:
            out[i] = float(text)  # exact: the writers print each double's shortest repr
        except ValueError:
            raise ValueError(f"{_where(path, column, i)}: {cell!r} is not a number") from None
    return out


def _integers(cells: list[str], path: str, column: Hashable) -> np.ndarray:
    for i, cell in enumerate(cells):
        if not _INTEGER.fullmatch(cell.strip()):
            raise ValueError(f"{_where(path, column, i)}: {cell!r} is not a whole number")
    return np.array([int(c) for c in cells], dtype=np.int64)


_TRUE = frozenset({"True", "TRUE", "true"})
_FALSE = frozenset({"False", "FALSE", "false"})


def _flags(cells: list[str], path: str, column: Hashable, nullable: bool) -> Any:
    values: list[object] = []
    for i, cell in enumerate(cells):
        text = cell.strip()
        if text in _TRUE:
            values.append(True)
        elif text in _FALSE:
            values.append(False)
        elif nullable and text in _MISSING:
            values.append(pd.NA)
        else:
            raise ValueError(f"{_where(path, column, i)}: {cell!r} is not True or False")
    if nullable:
        return pd.array(values, dtype="boolean")  # type: ignore[call-overload]
    return np.array(values, dtype=bool)


def _gene_list(cell: str, path: str, column: Hashable, row: int) -> list[str]:
    """One leading edge: comma-joined genes (the command line), or a list
    literal (``to_csv`` writes a list's repr; the command line writes JSON
    when a gene holds a comma)."""
    if cell == "":
        return []
    if cell.startswith("[") and cell.endswith("]"):
        parsed: object
        try:
            parsed = json.loads(cell)
        except ValueError:
            try:
                parsed = ast.literal_eval(cell)
            except (ValueError, SyntaxError, MemoryError, RecursionError):
                parsed = None
        if isinstance(parsed, list) and all(isinstance(g, str) for g in parsed):
            return parsed
        raise ValueError(f"{_where(path, column, row)}: {_shown(cell)} is not a list of "
                         f"gene names")
    return cell.split(",")


def _other(cells: list[str]) -> Any:
    """A column of no known kind, with the type its cells share: whole
    numbers, numbers (missing ones NaN), True/False, else text."""
    present = [c for c in cells if c.strip() not in _MISSING]
    if present and len(present) == len(cells) and all(_INTEGER.fullmatch(c.strip())
                                                       for c in cells):
        try:
            return np.array([int(c) for c in cells], dtype=np.int64)
        except OverflowError:
            pass
    if present and all(c.strip() in _TRUE | _FALSE for c in cells):
        return np.array([c.strip() in _TRUE for c in cells], dtype=bool)
    try:
        return np.array([math.nan if c.strip() in _MISSING else float(c) for c in cells],
                        dtype=np.float64) if present else np.array(cells, dtype=object)
    except ValueError:
        return np.array(cells, dtype=object)


def _index(cells: list[str]) -> pd.Index:
    """The index that ``to_csv`` wrote as the first, unnamed column."""
    if cells and all(_INTEGER.fullmatch(c) for c in cells):
        numbers = [int(c) for c in cells]
        if numbers == list(range(len(numbers))):
            return pd.RangeIndex(len(numbers))
        return pd.Index(numbers, dtype=np.int64)
    if not cells:
        return pd.RangeIndex(0)
    return pd.Index(cells, dtype=object)


def read_results(path: str | os.PathLike[str]) -> pd.DataFrame:
    """Reads a results table back into the frame :func:`gsea` made.

    Reads the TSV that the command line writes (``varenkopy gsea``,
    ``gsea-many``, the report folder's table) and the file that
    ``DataFrame.to_csv`` writes of a results frame (comma- or
    tab-separated, with or without the index), gzip-compressed or not.
    Leading edges come back as lists of genes, ``pval_at_eps`` as bool,
    ``size`` as int64, the numbers as the same doubles, missing values as
    NaN, in the file's column order. The columns that
    :func:`collapse_redundant` adds come back too (``independent`` as
    pandas' nullable boolean, ``parent`` None where no set explains the row).

    Parameters
    ----------
    path : str or os.PathLike
        The table (read by the package's file rule: UTF-8, gzip recognised
        by its content).

    Returns
    -------
    pandas.DataFrame
        The results. ``attrs`` (such as the seed) are those the command line
        recorded beside the table, in ``path + ".attrs.json"``, when that
        record belongs to this very table; ``to_csv`` writes no attrs, so a
        frame read from its file has none (pass ``seed=`` where a seed is
        wanted, as to :func:`collapse_redundant`).

    Raises
    ------
    TypeError
        `path` is not a path.
    OSError
        The file cannot be read.
    ValueError
        The file is not a results table (a needed column is missing), or a
        cell does not hold what its column needs (the message names the
        file, the column and the row).

    Warns
    -----
    VarenkoWarning
        When the attrs recorded beside the table belong to another version
        of it (the table was rewritten since) and are not used.

    Notes
    -----
    The command line writes a leading edge as its genes joined by commas,
    and as a JSON list when a gene name holds a comma itself (or the first
    starts with ``[``), so that every list reads back as it was. Signature
    names of :func:`gsea_many` come back as text.

    Examples
    --------
    >>> import tempfile, os
    >>> res = varenkopy.gsea(varenkopy.datasets.example_ranking(),
    ...                      varenkopy.datasets.hallmark(), seed=42)
    >>> path = os.path.join(tempfile.mkdtemp(), "results.csv")
    >>> res.to_csv(path)
    >>> back = varenkopy.read_results(path)
    >>> back["leading_edge"].iloc[0][:3]
    """
    name = as_path(path, "path")
    data = read_bytes(name, limit=MAX_READ_BYTES)
    text = decode_text(data, name)
    first = text.split("\n", 1)[0]
    delimiter = "\t" if "\t" in first else ","
    try:
        table = pd.read_csv(io.StringIO(text), sep=delimiter, dtype=str, keep_default_na=False,
                            na_filter=False, quoting=csv.QUOTE_MINIMAL, engine="c")
    except pd.errors.EmptyDataError:
        raise ValueError(f"{name}: empty; expected a results table of varenkopy.gsea") from None
    except pd.errors.ParserError as exc:
        raise ValueError(f"{name}: not a table ({' '.join(str(exc).split())})") from None
    columns = [str(c) for c in table.columns]
    index: pd.Index = pd.RangeIndex(len(table))
    if columns and _UNNAMED.fullmatch(columns[0]) and "pathway" in columns[1:]:
        index = _index(table.iloc[:, 0].tolist())
        table = table.iloc[:, 1:]
        columns = columns[1:]
    missing = [c for c in _NEEDED if c not in columns]
    if missing:
        raise ValueError(f"{name}: not a results table of varenkopy.gsea: no column "
                         f"{', '.join(map(repr, missing))} (its columns are "
                         f"{', '.join(map(repr, columns[:12]))}"
                         f"{', ...' if len(columns) > 12 else ''})")

    out: dict[str, Any] = {}
    cells_of = {c: table.iloc[:, j].tolist() for j, c in enumerate(columns)}
    for column, cells in cells_of.items():
        if column in _TEXT:
            out[column] = pd.Series(cells, dtype=object)
        elif column in _INTEGERS:
            out[column] = _integers(cells, name, column)
        elif column in _FLOATS:
            out[column] = _floats(cells, name, column)
        elif column in _FLAGS:
            out[column] = _flags(cells, name, column, nullable=False)
        elif column == "independent":
            out[column] = _flags(cells, name, column, nullable=True)
        elif column in _LISTS:
            out[column] = pd.Series([_gene_list(c, name, column, i) for i, c in enumerate(cells)],
                                    dtype=object)
        elif column != "parent":
            out[column] = _other(cells)
    if "parent" in cells_of:
        # A parent exists exactly where the set was explained (independent
        # False); elsewhere the writers put NA or nothing.
        independent = out.get("independent")
        explained = ([v is False for v in independent.tolist()] if independent is not None
                     else [c not in _MISSING for c in cells_of["parent"]])
        out["parent"] = pd.Series([c if e else None
                                   for c, e in zip(cells_of["parent"], explained, strict=True)],
                                  dtype=object)
    frame = pd.DataFrame({c: out[c] for c in columns})
    frame.index = index
    frame.attrs = _attrs_beside(name, data)
    return frame
