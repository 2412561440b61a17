"""Readers of gene set (GMT) and ranking files."""
from __future__ import annotations

import contextlib
import csv
import io
import os
import re
from collections.abc import Callable, Iterator

import numpy as np
import pandas as pd

from varenkopy import _core
from varenkopy._duplicates import check_duplicates, resolve_duplicates
from varenkopy._files import decode_text, read_bytes, read_chunks
from varenkopy._inputs import GeneSetPairs, as_path, missing_file
from varenkopy._warnings import warn


def _pandas_parses_floats_exactly() -> bool:
    parts = pd.__version__.split(".")
    try:
        return (int(parts[0]), int(parts[1])) >= (3, 1)
    except (IndexError, ValueError):
        return False


#: Options of ``pandas.read_csv`` that give every score the nearest double,
#: as Python's ``float`` does: pandas before 3.1 does so only with its
#: round-trip converter; from 3.1 on every mode does, and choosing one is
#: deprecated.
EXACT_FLOATS: dict[str, str] = (
    {} if _pandas_parses_floats_exactly() else {"float_precision": "round_trip"})

#: Score cells that mean "no score": read as NaN by every reader of the
#: package, and the gene then dropped with a warning by the analysis.
MISSING_SCORES = ("", "NA", "N/A", "NaN", "nan", "NAN", "null", "NULL")


class _Descriptions:
    """Collects the description (second field) of each set of a GMT file from
    the pieces of its text as they pass, without holding the file or a long
    line: the first line of a name counts, as the report shows it."""

    _LINE_END = re.compile(rb"\r\n|\r|\n")

    def __init__(self, into: dict[str, str]) -> None:
        self.found, self.pending, self.first = into, b"", True
        self.skipping = False  # the current line's description is taken

    def _take(self, line: bytes) -> None:
        fields = line.split(b"\t", 2)
        if len(fields) >= 2:
            name = fields[0].decode("utf-8", "replace").strip()
            self.found.setdefault(name, fields[1].decode("utf-8", "replace").strip())

    def feed(self, piece: bytes) -> bytes:
        data = self.pending + piece
        if self.first and piece:  # a byte-order mark is not part of the first name
            data, self.first = data.removeprefix(b"\xef\xbb\xbf"), False
        position = 0
        for end in self._LINE_END.finditer(data):
            if not self.skipping:
                self._take(data[position:end.start()])
            self.skipping, position = False, end.end()
        rest, self.pending = data[position:], b""
        if not self.skipping:
            if not piece or rest.count(b"\t") >= 2:  # the end of the file, or enough seen
                self._take(rest)
                self.skipping = bool(piece)
            else:
                self.pending = rest
        return piece


def read_gmt_pairs(path: str | os.PathLike[str],
                   observe: Callable[[bytes], object] | None = None,
                   descriptions: dict[str, str] | None = None) -> GeneSetPairs:
    """The gene sets of a GMT file as ``(name, genes)`` pairs in file order;
    warns when the file holds none. `observe`, when given, sees the file's
    bytes as they are read (see :func:`varenkopy._files.read_chunks`);
    `descriptions`, when given, receives each set's description during the
    same read."""
    text = as_path(path, "path")
    if not os.path.exists(text):
        raise missing_file(text)
    # The core converts each set as its line is parsed, pulling the file in
    # pieces: the read never holds the file and the collection at once.
    chunks = read_chunks(text, observe=observe)
    collect = _Descriptions(descriptions).feed if descriptions is not None else None
    with contextlib.closing(chunks):
        try:
            if collect is None:
                pairs = _core.parse_gmt_stream(lambda: next(chunks, b""))
            else:
                pairs = _core.parse_gmt_stream(lambda: collect(next(chunks, b"")))
        except ValueError as exc:  # too large, a line too long, broken gzip data
            raise OSError(str(exc)) from None
        except OSError as exc:
            if exc.filename is not None:  # opening or reading the file failed
                raise
            raise OSError(f"{text}: {exc}") from None
    if not pairs:
        warn(f"{text} contains no gene sets")
    return [(name, genes) for name, genes in pairs]


def read_gmt(path: str | os.PathLike[str]) -> dict[str, list[str]]:
    """Reads a GMT gene set file with the analysis' own reader.

    Each line holds a set's name, a description and its genes, separated by
    tabs; lines end at LF, CRLF or CR; genes are trimmed and empty fields
    skipped, exactly as when the analysis reads the file. A later set with the same name replaces an
    earlier one in the dict (the analysis itself keeps both). The file may be
    gzip compressed (whatever its name) and may bring at most 1 GiB; a FIFO
    without a writer is waited for, and Ctrl-C stops the wait. A file with no
    gene sets gives a :class:`VarenkoWarning`.

    Parameters
    ----------
    path : str or os.PathLike
        The GMT file.

    Returns
    -------
    dict of str to list of str
        Gene set name -> genes, in file order.

    Raises
    ------
    FileNotFoundError
        The file does not exist (the message names the path).
    OSError
        The file cannot be read, is not UTF-8, has a line with fewer than
        three columns or longer than 256 MiB, brings more than 1 GiB or holds
        broken gzip data; but for a failure to open or read it, the message
        starts with the file's name.

    Examples
    --------
    >>> from pathlib import Path
    >>> _ = Path("two.gmt").write_text("UP\\tgenes up\\tA\\tB\\nDOWN\\t\\tC\\n")
    >>> varenkopy.read_gmt("two.gmt")
    {'UP': ['A', 'B'], 'DOWN': ['C']}

    :func:`varenkopy.datasets.hallmark` reads the Hallmark collection
    shipped with the package this way.
    """
    return dict(read_gmt_pairs(path))


class GmtGivenAsRanking(ValueError):
    """A gene set (GMT) file given where a ranking file belongs."""


_BOM = b"\xef\xbb\xbf"
# ASCII white space that str.strip() removes and a field of a line can hold
# (a tab only when it does not separate the fields).
_FIELD_SPACE = (b" ", b"\x0b", b"\x0c", b"\x1c", b"\x1d", b"\x1e", b"\x1f")


def may_need_trimming(data: bytes, sep: str) -> bool:
    """False when no field of `data` (an ASCII file separated by `sep`) can
    start or end with white space, so that trimming them can be skipped.
    One fast search per character instead of a pass per field."""
    spaces = _FIELD_SPACE if sep == "\t" else (*_FIELD_SPACE, b"\t")
    return not data.isascii() or any(space in data for space in spaces)
_LINE_END = re.compile(rb"\r\n|\r|\n")


def _lines(data: bytes) -> Iterator[tuple[int, bytes]]:
    """(0-based index, content) of each line of `data`, lazily; lines end at
    LF, CRLF or CR, as pandas' parser splits them."""
    start = index = 0
    for match in _LINE_END.finditer(data):
        yield index, data[start:match.start()]
        start = match.end()
        index += 1
    if start < len(data):
        yield index, data[start:]


def _line_ends(data: bytes, start: int = 0, end: int | None = None) -> int:
    stop = len(data) if end is None else end
    return (data.count(b"\n", start, stop) + data.count(b"\r", start, stop)
            - data.count(b"\r\n", start, stop))


def _comment_lines(data: bytes) -> list[int]:
    """Indices of the lines that start with ``#`` (after a leading byte-order mark)."""
    found: list[int] = []
    counted_to = lines = 0
    pos = data.find(b"#")
    while pos >= 0:
        if pos == 0 or data[pos - 1] in b"\r\n" or (pos == len(_BOM) and data.startswith(_BOM)):
            lines += _line_ends(data, counted_to, pos)
            counted_to = pos
            found.append(lines)
        pos = data.find(b"#", pos + 1)
    return found


def _line_number(row: int, skipped: list[int]) -> int:
    """The 1-based line of the file that holds parsed row `row` (0-based),
    given the sorted indices of the lines the parser skipped."""
    line = row
    for index in skipped:
        if index > line:
            break
        line += 1
    return line + 1


def is_number(text: str) -> bool:
    """True when `text` is a number as the readers take scores."""
    # float() also takes "1_000" (as Python source does); a score file does not.
    if "_" in text:
        return False
    try:
        float(text)
    except ValueError:
        return False
    return True


def _split(line: str, sep: str | None) -> list[str]:
    if sep is None:
        return line.split()
    try:
        return next(csv.reader([line], delimiter=sep), [])
    except csv.Error:
        return line.split(sep)


def _is_score_or_missing(text: str) -> bool:
    return text.strip() in MISSING_SCORES or is_number(text)


def _unbalanced_quote(data: bytes, path: str, skipped: set[int]) -> ValueError:
    """The error for a quoted field that runs past the end of its line."""
    for index, line in _lines(data):
        if index not in skipped and line.count(b'"') % 2:
            return ValueError(f"{path}: line {index + 1}: a quote (\") opens a field that no "
                              "quote on the line closes")
    return ValueError(f"{path}: a quoted field runs past the end of its line")


def _scores_one_by_one(data: bytes, path: str, options: dict[str, object],
                       skipped: list[int]) -> np.ndarray:
    """The scores checked cell by cell, for a file the fast conversion
    refused: the first cell that is not a number is named with its line."""
    options = dict(options, dtype=str, na_filter=False)
    column = pd.read_csv(io.BytesIO(data), **options).iloc[:, 1]  # type: ignore[call-overload]
    values = np.empty(len(column))
    for row, cell in enumerate(column.to_numpy(dtype=object)):
        text = str(cell)
        if text.strip() in MISSING_SCORES:
            values[row] = np.nan
        elif is_number(text):
            values[row] = float(text)
        else:
            raise ValueError(f"{path}: line {_line_number(row, skipped)}: score {text!r} is "
                             "not a number")
    return values


def read_ranking(path: str | os.PathLike[str], *, duplicates: str = "keep",
                 score: str | None = None) -> pd.Series:
    """Reads a ranking file (gene, score) into a Series.

    Tab-separated ``.rnk``/``.tsv`` files, comma-separated ``.csv`` files and
    white-space separated files are accepted, with or without a header line
    (a first line whose second field is not a number is taken as a header).
    Lines end at LF, CRLF or CR; lines starting with ``#`` and blank lines are
    skipped. Without a header, the first column holds the genes and the second
    the scores, and further columns are ignored. A header naming more than two
    columns (a results table such as a differential expression export) needs
    `score` to say which column holds the scores. The file is UTF-8 (a leading
    byte-order mark is dropped), may be gzip compressed (whatever its name),
    and may bring at most 1 GiB.

    A missing score (an empty cell, ``NA``, ``NaN``, ``null``, or no second
    field) is read as NaN, as in every reader of the package; the analysis
    then drops the gene with a warning that counts such genes.

    Parameters
    ----------
    path : str or os.PathLike
        The ranking file.
    duplicates : {"keep", "error", "max_abs", "mean", "first"}, default "keep"
        What to do with a gene on several lines: keep every line (and leave
        the choice to :func:`varenkopy.gsea`, which refuses them unless told
        otherwise), refuse the file (naming the genes), or keep one score per
        gene as :func:`varenkopy.gsea` does with the same choice.
    score : str, optional
        The header name of the score column; the genes are always the first
        column.

    Returns
    -------
    pandas.Series
        Scores (float) indexed by gene name (str), in file order (a gene
        combined from several lines at its first line).

    Raises
    ------
    FileNotFoundError
        The file does not exist (the message names the path).
    IsADirectoryError
        The path is a folder.
    OSError
        The file cannot be opened or read.
    ValueError
        A score that is not a number (such as ``1_000`` or ``1,5``), a quote
        that is not closed on its line, a line with a score but no gene, a
        header of more than two columns without `score` or without the
        column `score` names, a file of one column or a gene set (GMT) file;
        bytes that are not UTF-8, broken gzip data, more than 1 GiB or a
        line longer than 256 MiB; or a gene that occurs more than once with
        ``duplicates="error"``. The message names the file, and the line
        where there is one.

    Examples
    --------
    >>> from pathlib import Path
    >>> _ = Path("three.rnk").write_text("gene\\tscore\\nA\\t2.5\\nB\\t-1\\nC\\t0.5\\n")
    >>> varenkopy.read_ranking("three.rnk").to_dict()
    {'A': 2.5, 'B': -1.0, 'C': 0.5}

    A table with more columns needs the score column named:

    >>> _ = Path("table.csv").write_text("gene,baseMean,stat\\nA,10.5,2.5\\nB,3.2,-1\\n")
    >>> varenkopy.read_ranking("table.csv", score="stat").to_dict()
    {'A': 2.5, 'B': -1.0}

    :func:`varenkopy.datasets.example_ranking` reads the ranking shipped
    with the package this way.
    """
    text = as_path(path, "path")
    check_duplicates(duplicates, extra=("keep",))
    if score is not None and not isinstance(score, str):
        raise TypeError(f"argument 'score': expected str, got {type(score).__name__}")
    return parse_ranking(ranking_bytes(text), text, duplicates=duplicates, score=score)


def ranking_bytes(path: str, observe: Callable[[bytes], object] | None = None) -> bytes:
    """The bytes of the ranking file at `path` by the package's reading rule;
    `observe` as for :func:`varenkopy._files.read_chunks`."""
    if not os.path.exists(path):
        raise missing_file(path)
    return read_bytes(path, observe=observe)


def parse_ranking(data: bytes, text: str, *, duplicates: str = "keep",
                  score: str | None = None) -> pd.Series:
    """The ranking held in `data`, the bytes of the file `text`, as
    :func:`read_ranking` reads it (`text` names the file in messages)."""
    if not data.isascii():
        decode_text(data, text)  # bytes that are not UTF-8, named by their line
    skipped = _comment_lines(data)
    skipped_set = set(skipped)
    first: tuple[int, list[str]] | None = None
    second: list[str] | None = None
    sep: str | None = None
    for index, raw in _lines(data):
        line = raw.decode("utf-8")
        if index == 0:
            line = line.removeprefix("\ufeff")
        if index in skipped_set or not line.strip():
            continue
        if first is None:
            sep = ("," if text.lower().endswith(".csv") else "\t" if "\t" in line
                   else "," if "," in line else None)
            first = index, _split(line, sep)
        else:
            second = _split(line, sep)
            break
    if first is None:
        return pd.Series([], dtype="float64", name="score",
                         index=pd.Index([], dtype=object, name="gene"))
    number, fields = first[0] + 1, first[1]
    if len(fields) < 2:
        raise ValueError(f"{text}: line {number} holds one field; a ranking file holds a gene "
                         "and a score per line")
    header = not _is_score_or_missing(fields[1])
    if (score is None and header and sep == "\t" and len(fields) >= 3 and second is not None
            and len(second) >= 3 and not is_number(second[1])):
        # A second line whose second field is no number either: a set's
        # description (often empty or a link), not a score.
        raise GmtGivenAsRanking(
            f"{text}: this looks like a gene set (GMT) file, not a ranking: its lines hold a "
            f"name, a description ({fields[1]!r}) and genes")
    names = [name.strip() for name in fields]
    column = 1
    if score is not None:
        if not header:
            raise ValueError(f"argument 'score': {text} has no header line to find the column "
                             f"{score!r} in")
        if score not in names[1:]:
            raise ValueError(f"argument 'score': {text} has no column {score!r} (columns: "
                             f"{', '.join(map(repr, names))})")
        column = names.index(score, 1)
    elif header and len(names) > 2:
        raise ValueError(
            f"{text}: the header names {len(names)} columns ({', '.join(map(repr, names))}); "
            "say which holds the scores (score= in Python, --score-column on the command "
            "line), or build the ranking from the table with varenkopy.ranking_from_table")
    if header:
        skipped = sorted([*skipped, first[0]])
        skipped_set.add(first[0])
    options: dict[str, object] = dict(
        # Named columns: leading blank lines and longer later lines are no problem.
        sep=sep if sep is not None else r"\s+", header=None, names=list(range(column + 1)),
        usecols=[0, column],
        skiprows=skipped, skip_blank_lines=False, keep_default_na=False,
        na_values={column: list(MISSING_SCORES)}, dtype={0: str, column: np.float64},
        **EXACT_FLOATS, quoting=csv.QUOTE_MINIMAL if sep else csv.QUOTE_NONE,
        engine="c", encoding="utf-8")
    try:
        frame = pd.read_csv(io.BytesIO(data), **options)  # type: ignore[call-overload]
        values = frame.iloc[:, 1].to_numpy(dtype=np.float64)
    except pd.errors.ParserError as exc:
        if "EOF inside string" in str(exc):
            raise _unbalanced_quote(data, text, skipped_set) from None
        raise ValueError(f"{text}: {exc}".strip()) from None
    except (ValueError, TypeError):
        # A score the fast conversion refuses: look at the cells one by one.
        frame = None
        values = _scores_one_by_one(data, text, options, skipped)
    if frame is None:
        frame = pd.read_csv(io.BytesIO(data), **dict(options, dtype=str, na_filter=False))  # type: ignore[call-overload]
    lines = _line_ends(data) + (0 if data.endswith((b"\n", b"\r")) else 1)
    if len(frame) != lines - len(skipped):
        raise _unbalanced_quote(data, text, skipped_set)  # a quoted field over several lines
    column_0 = frame.iloc[:, 0]
    # Names are trimmed of white space; the pass over them is skipped when the
    # bytes hold none that a field could keep.
    if sep is not None and may_need_trimming(data, sep):
        column_0 = column_0.str.strip()
    if _BOM in data[len(_BOM):]:
        # A second byte-order mark (files joined together) is no part of a name.
        column_0 = column_0.str.lstrip("\ufeff").str.strip()
    genes = column_0.to_numpy(dtype=object)
    blank = genes == ""
    if blank.any():  # blank lines, or a score without a name
        named = np.flatnonzero(blank & ~np.isnan(values))
        if named.size:
            raise ValueError(f"{text}: line {_line_number(int(named[0]), skipped)}: a score "
                             "without a gene name")
        genes, values = genes[~blank], values[~blank]
    if duplicates != "keep":
        names_out, values = resolve_duplicates(genes.tolist(), values, duplicates, text)
        genes = np.asarray(names_out, dtype=object)
    return pd.Series(values, index=pd.Index(genes, dtype=object, name="gene"), name="score")
