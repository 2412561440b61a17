"""Readers of gene set (GMT) and ranking files."""
from __future__ import annotations

import csv
import os

import numpy as np
import pandas as pd

from varenkopy import _core
from varenkopy._duplicates import check_duplicates, resolve_duplicates
from varenkopy._files import read_bytes, read_text
from varenkopy._inputs import GeneSetPairs, as_path, missing_file
from varenkopy._warnings import warn


def _bad_utf8_line(data: bytes) -> int:
    """The number of the first line of `data` that is not UTF-8 (as the core
    reads it: a leading byte-order mark and a CR before the LF left out)."""
    for number, line in enumerate(data.split(b"\n"), start=1):
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            return number
    return 0


def read_gmt_pairs(path: str | os.PathLike[str]) -> GeneSetPairs:
    """The gene sets of a GMT file as ``(name, genes)`` pairs in file order;
    warns when the file holds none."""
    text = as_path(path, "path")
    if not os.path.exists(text):
        raise missing_file(text)
    try:
        data = read_bytes(text)
    except ValueError as exc:  # too large, a line too long, broken gzip data
        raise OSError(str(exc)) from None
    try:
        pairs = _core.parse_gmt(data)
    except OSError as exc:
        message = str(exc)
        if message == "stream did not contain valid UTF-8":
            message = f"line {_bad_utf8_line(data)} is not valid UTF-8"
        raise OSError(f"{text}: {message}") from None
    if not pairs:
        warn(f"{text} contains no gene sets")
    return [(name, genes) for name, genes in pairs]


def read_gmt(path: str | os.PathLike[str]) -> dict[str, list[str]]:
    """Reads a GMT gene set file with the analysis' own reader.

    Each line holds a set's name, a description and its genes, separated by
    tabs; genes are trimmed and empty fields skipped, exactly as when the
    analysis reads the file. A later set with the same name replaces an
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


def _delimiter(path: str, first_line: str) -> str | None:
    if path.lower().endswith(".csv"):
        return ","
    if "\t" in first_line:
        return "\t"
    if "," in first_line:
        return ","
    return None  # any run of white space


def _is_number(text: str) -> bool:
    try:
        float(text)
    except ValueError:
        return False
    return True


def _csv_rows(lines: list[str], sep: str, path: str, numbers: list[int]) -> list[list[str]]:
    """`lines` split by the csv module; its own errors (a field longer than
    its limit) become ValueError naming the file and the line (`numbers`
    are the lines' numbers in the file)."""
    rows: list[list[str]] = []
    reader = csv.reader(lines, delimiter=sep)
    try:
        for row in reader:
            rows.append(row)
    except csv.Error as exc:
        line = numbers[min(reader.line_num, len(numbers)) - 1]
        raise ValueError(f"{path}: line {line}: {exc}") from None
    return rows


def read_ranking(path: str | os.PathLike[str], *, duplicates: str = "keep") -> pd.Series:
    """Reads a two-column ranking file (gene, score) into a Series.

    Tab-separated ``.rnk``/``.tsv`` files, comma-separated ``.csv`` files and
    white-space separated files are accepted, with or without a header line
    (a first line whose second field is not a number is taken as a header).
    Lines starting with ``#`` are skipped; further columns are ignored. The
    file is UTF-8 (a leading byte-order mark is dropped), may be gzip
    compressed (whatever its name), and may bring at most 1 GiB.

    Parameters
    ----------
    path : str or os.PathLike
        The ranking file.
    duplicates : {"keep", "error", "max_abs", "mean", "first"}, default "keep"
        What to do with a gene on several lines: keep every line (and leave
        the choice to :func:`varenkopy.gsea`, which refuses them unless told
        otherwise), refuse the file (naming the genes), or keep one score per
        gene as :func:`varenkopy.gsea` does with the same choice.

    Returns
    -------
    pandas.Series
        Scores (float) indexed by gene name (str), in file order (a gene
        combined from several lines at its first line).

    Raises
    ------
    FileNotFoundError
        The file does not exist (the message names the path).
    OSError
        The file cannot be opened or read.
    ValueError
        A line has fewer than two fields, a score that is not a number or a
        field longer than the :mod:`csv` module allows; bytes that are not
        UTF-8, broken gzip data, more than 1 GiB or a line longer than 256
        MiB (the message names the file, and the line); or a gene occurs
        more than once with ``duplicates="error"``.

    Examples
    --------
    >>> from pathlib import Path
    >>> _ = Path("three.rnk").write_text("gene\\tscore\\nA\\t2.5\\nB\\t-1\\nC\\t0.5\\n")
    >>> varenkopy.read_ranking("three.rnk").to_dict()
    {'A': 2.5, 'B': -1.0, 'C': 0.5}

    :func:`varenkopy.datasets.example_ranking` reads the ranking shipped
    with the package this way.
    """
    text = as_path(path, "path")
    check_duplicates(duplicates, extra=("keep",))
    if not os.path.exists(text):
        raise missing_file(text)
    content = read_text(text)
    numbered = [(number, line) for number, line in enumerate(content.splitlines(), start=1)
                if line.strip() and not line.startswith("#")]
    lines = [line for _, line in numbered]
    if not lines:
        return pd.Series([], dtype="float64", name="score")
    sep = _delimiter(text, lines[0])
    numbers = [number for number, _ in numbered]
    rows = (_csv_rows(lines, sep, text, numbers) if sep is not None
            else [line.split() for line in lines])
    if len(rows[0]) >= 2 and not _is_number(rows[0][1].strip()):
        rows, numbers = rows[1:], numbers[1:]
    genes: list[str] = []
    scores: list[float] = []
    # Messages give the line's number in the file, comments and blank lines counted.
    for number, row in zip(numbers, rows, strict=True):
        if len(row) < 2:
            raise ValueError(f"{text}: line {number} has fewer than two fields")
        try:
            scores.append(float(row[1]))
        except ValueError:
            raise ValueError(f"{text}: line {number}: score {row[1]!r} is not a number") from None
        genes.append(row[0].strip())
    values = np.array(scores, dtype=np.float64)
    if duplicates != "keep":
        genes, values = resolve_duplicates(genes, values, duplicates, text)
    return pd.Series(values, index=pd.Index(genes, dtype=object, name="gene"), name="score")
