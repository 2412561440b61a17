"""Readers of gene set (GMT) and ranking files."""
from __future__ import annotations

import csv
import os

import pandas as pd

from varenkopy import _core
from varenkopy._inputs import GeneSetPairs, as_path, missing_file


def read_gmt_pairs(path: str | os.PathLike[str]) -> GeneSetPairs:
    """The gene sets of a GMT file as ``(name, genes)`` pairs in file order."""
    text = as_path(path, "path")
    if not os.path.exists(text):
        raise missing_file(text)
    return [(name, genes) for name, genes in _core.read_gmt(text)]


def read_gmt(path: str | os.PathLike[str]) -> dict[str, list[str]]:
    """Reads a GMT gene set file with the analysis' own reader.

    Each line holds a set's name, a description and its genes, separated by
    tabs; genes are trimmed and empty fields skipped, exactly as when the
    analysis reads the file. A later set with the same name replaces an
    earlier one in the dict (the analysis itself keeps both).

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
        The file cannot be read, is not UTF-8 or has a line with fewer than
        three columns.

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


def read_ranking(path: str | os.PathLike[str]) -> pd.Series:
    """Reads a two-column ranking file (gene, score) into a Series.

    Tab-separated ``.rnk``/``.tsv`` files, comma-separated ``.csv`` files and
    white-space separated files are accepted, with or without a header line
    (a first line whose second field is not a number is taken as a header).
    Lines starting with ``#`` are skipped; further columns are ignored.

    Parameters
    ----------
    path : str or os.PathLike
        The ranking file.

    Returns
    -------
    pandas.Series
        Scores (float) indexed by gene name (str), in file order. Duplicate
        genes are kept; :func:`varenkopy.gsea` refuses them.

    Raises
    ------
    FileNotFoundError
        The file does not exist (the message names the path).
    ValueError
        A line has fewer than two fields or a score that is not a number.

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
    if not os.path.exists(text):
        raise missing_file(text)
    with open(text, encoding="utf-8", newline="") as fh:
        lines = [line for line in fh.read().splitlines() if line.strip() and not line.startswith("#")]
    if not lines:
        return pd.Series([], dtype="float64", name="score")
    sep = _delimiter(text, lines[0])
    rows = (
        list(csv.reader(lines, delimiter=sep))
        if sep is not None
        else [line.split() for line in lines]
    )
    if len(rows[0]) >= 2 and not _is_number(rows[0][1].strip()):
        rows = rows[1:]
    genes: list[str] = []
    scores: list[float] = []
    for number, row in enumerate(rows, start=1):
        if len(row) < 2:
            raise ValueError(f"{text}: line {number} has fewer than two fields")
        try:
            scores.append(float(row[1]))
        except ValueError:
            raise ValueError(f"{text}: line {number}: score {row[1]!r} is not a number") from None
        genes.append(row[0].strip())
    return pd.Series(scores, index=pd.Index(genes, dtype=object, name="gene"), name="score")
