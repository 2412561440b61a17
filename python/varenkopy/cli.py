"""The ``varenkopy`` command line, for shells and workflow managers.

``varenkopy gsea`` analyses one ranking file, ``varenkopy gsea-many`` a
matrix of genes x signatures (on a Dask scheduler when given one),
``varenkopy report`` writes a report folder of one analysis, ``varenkopy
info`` prints what a bug report needs. Results
are written as TSV with full float precision (each number reads back to the
same double), NaN as ``NA``, ``pval_at_eps`` as ``True``/``False`` (True: the
p-value is the floor ``--eps`` and the true one is at most that) and leading
edges comma-joined (a JSON list when a gene name holds a comma); the
frame's attrs (the seed) go beside the table in ``RESULTS.attrs.json``, and
:func:`varenkopy.read_results` reads both back. Errors in the
input are one line on standard error and exit status 1; Ctrl-C exits with 130.
"""
from __future__ import annotations

import argparse
import csv
import hashlib
import io
import json
import math
import os
import re
import sys
import unicodedata
import warnings
from collections import Counter
from collections.abc import Sequence
from typing import IO, Any, TextIO, cast

import numpy as np
import pandas as pd

from varenkopy import __version__
from varenkopy._analysis import gsea
from varenkopy._duplicates import DUPLICATE_CHOICES, resolve_duplicates
from varenkopy._files import decode_text, read_bytes, terminations_raise, write_text
from varenkopy._info import show_info
from varenkopy._inputs import (
    GeneSetsLike,
    PreparedGeneSets,
    RankingLike,
    ReadFile,
    gene_sets_to_pairs,
    is_missing,
    ranks_dict,
)
from varenkopy._many import gsea_many
from varenkopy._plots import plot_enrichment, plot_table
from varenkopy._readers import (
    EXACT_FLOATS,
    MISSING_SCORES,
    GmtGivenAsRanking,
    is_number,
    may_need_trimming,
    parse_ranking,
    ranking_bytes,
    read_gmt_pairs,
)
from varenkopy._results import write_attrs_beside

PROG = "varenkopy"
# Exceptions that mean bad input or an unusable file: one line and exit 1.
# An analysis too large for the machine's memory is one line too.
_INPUT_ERRORS = (ValueError, TypeError, OSError, LookupError, ArithmeticError, ImportError,
                 MemoryError, csv.Error)


def _cell(value: object) -> str:
    """One TSV cell: floats with repr (exact round trip), NaN as NA, lists comma-joined."""
    if isinstance(value, (float, np.floating)):
        number = float(value)
        return "NA" if math.isnan(number) else repr(number)
    if isinstance(value, (int, np.integer)) and not isinstance(value, bool):
        return str(int(value))
    if isinstance(value, (list, tuple)):
        genes = [str(v) for v in value]
        if any("," in g for g in genes) or (genes and genes[0].startswith("[")):
            # Joined by commas these genes would read back as others.
            return json.dumps(genes, ensure_ascii=False)
        return ",".join(genes)
    if value is None:
        return "NA"
    return str(value)


def _write_rows(frame: pd.DataFrame, fh: IO[str]) -> None:
    writer = csv.writer(fh, delimiter="\t", lineterminator="\n")
    writer.writerow([str(c) for c in frame.columns])
    for row in frame.itertuples(index=False, name=None):
        writer.writerow([_cell(v) for v in row])


def write_tsv(frame: pd.DataFrame, path: str) -> None:
    """Writes `frame` as TSV to `path` ("-" for standard output).

    A file is written by the package's file rule (:mod:`varenkopy._files`):
    a regular file is replaced atomically, so a workflow never sees a partial
    result file, with the mode a new file gets under the umask; links are
    followed, devices and FIFOs written in place, and a file the caller may
    not write is refused with PermissionError. The frame's attrs (such as
    the seed) are written beside a file as JSON, ``path + ".attrs.json"``,
    which :func:`varenkopy.read_results` reads back with the table.
    """
    if path == "-":
        _write_rows(frame, sys.stdout)
        sys.stdout.flush()
        return
    text = io.StringIO(newline="")
    _write_rows(frame, text)
    write_text(path, text.getvalue())
    # The frame's attrs (the seed) go beside the table, which stays plain TSV.
    write_attrs_beside(frame, path, text.getvalue())


def read_signature_matrix(path: str) -> pd.DataFrame:
    """Reads a genes x signatures matrix: a header line of signature names
    after the gene column, then one line per gene.

    Tab-separated (comma-separated for ``.csv``). Empty cells, ``NA`` and
    ``NaN`` mean the gene was not measured in that signature. Scores are read
    exactly as written (each gives the double Python's ``float`` gives);
    ``1_000`` and other text are refused. The file is
    read by the package's reading rule: UTF-8 without a byte-order mark,
    gzip decompressed, at most 1 GiB.

    Raises
    ------
    FileNotFoundError
        The file does not exist.
    OSError
        The file cannot be opened or read.
    ValueError
        No signature columns, repeated signature names, a line with the
        wrong number of fields or a field longer than the :mod:`csv` module
        allows, a score that is not a number, bytes that are not UTF-8,
        broken gzip data or more than 1 GiB (naming the file).
    """
    sep = "," if path.lower().endswith(".csv") else "\t"
    data = read_bytes(path)
    if not data.isascii():
        decode_text(data, path)  # bytes that are not UTF-8, named by their line
    matrix = _matrix_fast(data, path, sep)
    if matrix is not None:
        return matrix
    return _matrix_one_by_one(data, path, sep)


def _matrix_fast(data: bytes, path: str, sep: str) -> pd.DataFrame | None:
    """The matrix parsed by pandas' C parser, or None when the file needs the
    careful reading of :func:`_matrix_one_by_one` (quotes, blank-looking or
    short lines, a cell that is no plain number): that one names the problem."""
    if b'"' in data:
        return None
    first_end = data.find(b"\n")
    first = (data if first_end < 0 else data[:first_end]).decode("utf-8").removeprefix("\ufeff")
    header = [name.strip() for name in first.split(sep)[1:]]
    if not header or len(set(header)) != len(header) or not first.strip():
        return None
    # Every other line holds as many separators as the header, or is empty.
    filled = _separators_per_line(data, ord(sep), len(header))
    if filled < 0:
        return None
    columns = range(1, len(header) + 1)
    options: dict[str, Any] = dict(
        sep=sep, header=None, skiprows=1, names=[0, *columns], skip_blank_lines=True,
        keep_default_na=False, na_values={j: list(MISSING_SCORES) for j in columns},
        dtype={0: str, **dict.fromkeys(columns, np.float64)}, **EXACT_FLOATS,
        engine="c", encoding="utf-8", quoting=csv.QUOTE_NONE)
    try:
        frame = pd.read_csv(io.BytesIO(data), **options)
    except (ValueError, pd.errors.ParserError):
        return None
    if len(frame) != filled - 1:
        return None
    genes = frame.iloc[:, 0]
    if may_need_trimming(data, sep):
        genes = genes.str.strip()
    values = frame.iloc[:, 1:].to_numpy(dtype=np.float64)
    return pd.DataFrame(values, index=pd.Index(genes.to_numpy(dtype=object), dtype=object,
                                               name="gene"),
                        columns=pd.Index(header, dtype=object))


# Bytes looked at per step when counting separators.
_BLOCK = 1 << 20


def _separators_per_line(data: bytes, sep: int, expected: int) -> int:
    """The number of non-empty lines when each holds `expected` separators,
    else -1. Counted in blocks of whole lines, so that the counts take a
    small, fixed amount of memory whatever the file's size."""
    arr = np.frombuffer(data, dtype=np.uint8)
    filled = 0
    start = 0
    while start < len(data):
        end = data.find(b"\n", min(start + _BLOCK, len(data)))
        end = len(data) if end < 0 else end + 1
        block = arr[start:end]
        ends = np.flatnonzero(block == ord("\n"))
        if not len(ends) or ends[-1] != len(block) - 1:
            ends = np.append(ends, len(block))  # the last line, without an LF
        starts = np.concatenate(([0], ends[:-1] + 1))
        running = np.concatenate(([0], np.cumsum(block == sep, dtype=np.int64)))
        counts = running[ends] - running[starts]
        nonempty = ends > starts
        if not np.all(counts[nonempty] == expected):
            return -1
        filled += int(np.count_nonzero(nonempty))
        start = end
    return filled


def _matrix_one_by_one(data: bytes, path: str, sep: str) -> pd.DataFrame:
    """The matrix read cell by cell with the :mod:`csv` module: slower, and
    exact about every problem (its line, signature and cell)."""
    reader = csv.reader(io.StringIO(decode_text(data, path), newline=""), delimiter=sep)
    try:
        rows = [row for row in reader if row and not (len(row) == 1 and not row[0].strip())]
    except csv.Error as exc:  # a field longer than the csv module's limit
        raise ValueError(f"{path}: line {reader.line_num}: {exc}") from None
    if not rows:
        raise ValueError(f"{path}: the file is empty")
    header = [name.strip() for name in rows[0][1:]]
    if not header:
        raise ValueError(f"{path}: the header names no signature columns after the gene column")
    repeated = sorted({name for name in header if header.count(name) > 1})
    if repeated:
        raise ValueError(f"{path}: signature names occur more than once: "
                         f"{', '.join(map(repr, repeated[:5]))}")
    genes: list[str] = []
    values = np.empty((len(rows) - 1, len(header)), dtype=np.float64)
    for number, row in enumerate(rows[1:], start=2):
        if len(row) != len(header) + 1:
            raise ValueError(f"{path}: line {number} has {len(row)} fields, expected "
                             f"{len(header) + 1}")
        genes.append(row[0].strip())
        for j, text in enumerate(row[1:]):
            text = text.strip()
            if text in MISSING_SCORES:
                values[number - 2, j] = math.nan
            elif is_number(text):
                values[number - 2, j] = float(text)
            else:
                raise ValueError(f"{path}: line {number}, signature {header[j]!r}: score "
                                 f"{text!r} is not a number")
    return pd.DataFrame(values, index=pd.Index(genes, dtype=object, name="gene"),
                        columns=pd.Index(header, dtype=object))


def _safe_name(name: str) -> str:
    return re.sub(r"[^A-Za-z0-9._-]+", "_", name).strip("._")[:100] or "gene_set"


def _write_plots(frame: pd.DataFrame, ranks: dict[str, float], sets: PreparedGeneSets,
                 folder: str, top: int, gsea_param: float, score_type: str,
                 fmt: str = "png", eps: float = 1e-50) -> None:
    """An enrichment plot of each of the first `top` drawable rows and a
    summary of them: drawn with :mod:`varenkopy.pl` (labelled with each
    row's NES and p-values, and a bar plot of the rows' NES) whenever
    matplotlib is installed; else, for PNG only, by the native renderer
    (with a table plot of the rows, as :func:`plot_table` chooses them)."""
    with_pl = _matplotlib_usable()
    os.makedirs(folder, exist_ok=True)
    members = dict(sets.pairs)
    positions = [i for i, r in enumerate(frame.itertuples(index=False))
                 if not is_missing(r.nes) and not is_missing(r.padj)][:top]
    for rank, index in enumerate(positions, start=1):
        name = str(frame["pathway"].iloc[index])
        out = os.path.join(folder, f"enrichment_{rank:02d}_{_safe_name(name)}.{fmt}")
        if with_pl:
            from varenkopy import pl

            pl.enrichment(ranks, members[name], result=frame.iloc[index], title=name,
                          score_type=score_type, gsea_param=gsea_param, eps=eps, save=out)
        else:
            plot_enrichment(ranks, members[name], out, title=name, score_type=score_type,
                            gsea_param=gsea_param)
    if not positions:
        return
    if with_pl:
        from varenkopy import pl

        pl.barplot(frame, top=top, save=os.path.join(folder, f"barplot.{fmt}"))
    else:
        plot_table(frame, sets, ranks, os.path.join(folder, "table.png"), top=top,
                   gsea_param=gsea_param)


def _matplotlib_usable() -> bool:
    """True when :mod:`varenkopy.pl` can draw (matplotlib 3.6 or newer)."""
    from varenkopy.pl._common import require_matplotlib

    try:
        require_matplotlib()
    except ImportError:
        return False
    return True


def _analysis_options(args: argparse.Namespace) -> dict[str, Any]:
    return dict(n_perm_simple=args.n_perm_simple, min_size=args.min_size,
                max_size=args.max_size, eps=args.eps, score_type=args.score_type,
                gsea_param=args.gsea_param, mode=args.mode, sample_size=args.sample_size,
                seed=args.seed, threads=args.threads, progress=_stderr_is_terminal(),
                duplicates=args.duplicates)


def _stderr_is_terminal() -> bool:
    try:
        return sys.stderr is not None and sys.stderr.isatty()
    except (AttributeError, ValueError):
        return False


def _note_seed(args: argparse.Namespace, seed: int) -> None:
    if args.seed is None:
        print(f"{PROG}: seed {seed} (give --seed {seed} to repeat this run)", file=sys.stderr)


class _Provenance:
    """Size and SHA-256 of a file's bytes as stored, taken while it is read."""

    def __init__(self, path: str) -> None:
        self.path, self.size, self.digest = path, 0, hashlib.sha256()

    def observe(self, piece: bytes) -> None:
        self.digest.update(piece)
        self.size += len(piece)

    def record(self, value: object, descriptions: dict[str, str] | None = None) -> ReadFile:
        return ReadFile(self.path, self.size, self.digest.hexdigest(), value, descriptions)


class _Inputs:
    """The ranking and gene sets of a run, each file read once."""

    def __init__(self, ranks: dict[str, float], sets: PreparedGeneSets,
                 ranking_file: ReadFile, sets_file: ReadFile) -> None:
        self.ranks, self.sets = ranks, sets
        self.ranking_file, self.sets_file = ranking_file, sets_file


def _read_inputs(args: argparse.Namespace, *, unique_sets: bool = False) -> _Inputs:
    """Reads RANKING and GENE_SETS once each, applying --score-column and
    --duplicates; arguments given in the wrong order are named as such, and
    with `unique_sets` a set name given twice is refused. All before the
    analysis, which may take long."""
    ranking_file, sets_file = _Provenance(args.ranking), _Provenance(args.gene_sets)
    data = ranking_bytes(args.ranking, ranking_file.observe)
    try:
        ranking = parse_ranking(data, args.ranking, score=args.score_column)
    except GmtGivenAsRanking as exc:
        raise ValueError(f"{exc}. Are the arguments swapped? The ranking comes first: "
                         f"{PROG} {args.command} RANKING GENE_SETS") from None
    except ValueError as exc:
        raise ValueError(str(exc).replace("argument 'score'", "--score-column")) from None
    genes, scores = resolve_duplicates(list(ranking.index), ranking.to_numpy(), args.duplicates,
                                       args.ranking, "--duplicates")
    ranks = ranks_dict(pd.Series(scores, index=pd.Index(genes, dtype=object)), "RANKING")
    # The report shows each set's description: kept during the one read.
    descriptions: dict[str, str] | None = {} if unique_sets else None
    pairs = read_gmt_pairs(args.gene_sets, sets_file.observe, descriptions)
    if unique_sets:
        counts = Counter(name for name, _ in pairs)
        repeated = [name for name, count in counts.items() if count > 1]
        if repeated:
            raise ValueError(f"{args.gene_sets}: gene set names occur more than once "
                             f"({', '.join(map(repr, repeated[:5]))}); the report needs one "
                             "set per name")
    sets = PreparedGeneSets(pairs)
    return _Inputs(ranks, sets, ranking_file.record(ranks),
                   sets_file.record(sets, descriptions))


def _cmd_gsea(args: argparse.Namespace) -> int:
    if args.plots is not None and args.plot_format != "png":
        # Before the analysis, which may take long: svg and pdf need matplotlib.
        from varenkopy.pl._common import require_matplotlib

        try:
            require_matplotlib()
        except ImportError as exc:
            raise ImportError(f"--plot-format {args.plot_format}: {exc}") from None
    inputs = _read_inputs(args)
    ranks, sets = inputs.ranks, inputs.sets
    frame = gsea(ranks, sets, **_analysis_options(args))
    write_tsv(frame, args.output)
    if args.plots is not None:
        _write_plots(frame, ranks, sets, args.plots, args.top, args.gsea_param, args.score_type,
                     args.plot_format, args.eps)
    _note_seed(args, frame.attrs["seed"])
    return 0


def _unit_interval(text: str) -> float:
    value = float(text)
    if not 0.0 <= value <= 1.0:
        raise argparse.ArgumentTypeError(f"expected a number in [0, 1], got {text}")
    return value


def _cmd_report(args: argparse.Namespace) -> int:
    import importlib.util

    from varenkopy._report import write_report

    # Refused before the analysis rather than after it.
    for module, name in (("matplotlib", "matplotlib"), ("jinja2", "Jinja2")):
        if importlib.util.find_spec(module) is None:
            raise ImportError(f'the report needs {name}: pip install "varenkopy[plot]"')
    inputs = _read_inputs(args, unique_sets=True)
    options = _analysis_options(args)
    frame = gsea(inputs.ranks, inputs.sets, **options)
    recorded = {k: v for k, v in options.items() if k != "progress"}
    recorded["seed"] = frame.attrs["seed"]
    # The inputs were read once (a FIFO cannot be read again); the manifest
    # records the hashes of the bytes they brought.
    write_report(frame, cast(RankingLike, inputs.ranking_file),
                 cast(GeneSetsLike, inputs.sets_file), args.output, top=args.top,
                 padj=args.padj, title=args.title, options=recorded)
    print(_summary(frame, args.padj, os.path.join(args.output, "index.html")), end="")
    _note_seed(args, frame.attrs["seed"])
    return 0


# Sets listed in the summary the report command prints.
_SUMMARY_ROWS = 10


def _terminal_text(name: str) -> str:
    """`name` with control, format (bidi, zero-width) and unassigned
    characters shown as escapes, so a name cannot move the cursor or
    reorder the line on a terminal."""
    return "".join(c if unicodedata.category(c)[0] != "C" else
                   (f"\\x{ord(c):02x}" if ord(c) < 0x100 else f"\\u{ord(c):04x}")
                   for c in name)


def _summary(frame: pd.DataFrame, padj: float, index: str) -> str:
    """What the report command prints: where the report is, the counts, and
    the strongest significant sets (a p-value at the floor as a bound)."""
    from varenkopy._leading_edge import significant_rows
    from varenkopy._pvalues import at_floor, format_p

    rows = frame.iloc[significant_rows(frame, padj)]
    up, down = int((rows["nes"] > 0).sum()), int((rows["nes"] < 0).sum())
    lines = [f"Report: {_terminal_text(index)}\n",
             f"{len(rows)} of {len(frame)} gene sets with adjusted p below {padj:g} "
             f"({up} up, {down} down)" + (":\n" if len(rows) else ".\n")]
    if len(rows):
        lines.append(f"{'NES':>6}  {'p-value':<9} {'adj. p':<10} gene set\n")
    for _, row in rows.head(_SUMMARY_ROWS).iterrows():
        floored = at_floor(row, "pval", None)
        p_text = format_p(float(row["pval"]), floored)
        q_text = ("<= " if floored else "") + \
            format_p(float(row["padj"]), False)
        lines.append(f"{float(row['nes']):>6.2f}  {p_text:<9} {q_text:<10} "
                     f"{_terminal_text(str(row['pathway']))}\n")
    if len(rows) > _SUMMARY_ROWS:
        lines.append(f"... and {len(rows) - _SUMMARY_ROWS} more in the report\n")
    return "".join(lines)


def _connect(address: str) -> Any:
    try:
        from dask.distributed import Client
    except ImportError:
        raise ImportError("--scheduler needs Dask's distributed scheduler: "
                          "pip install 'varenkopy[dask]'") from None
    client_type: Any = Client  # Dask's own classes carry no type hints
    return client_type(address)


def _cmd_info(args: argparse.Namespace) -> int:
    show_info()
    return 0


def _cmd_gsea_many(args: argparse.Namespace) -> int:
    matrix = read_signature_matrix(args.rankings)
    sets = PreparedGeneSets(gene_sets_to_pairs(args.gene_sets, "GENE_SETS"))
    client = _connect(args.scheduler) if args.scheduler is not None else None
    try:
        failures: pd.DataFrame | None = None
        if args.errors == "collect":
            results, failures = gsea_many(matrix, sets, client=client, errors="collect",
                                          **_analysis_options(args))
        else:
            results = gsea_many(matrix, sets, client=client, errors="raise",
                                **_analysis_options(args))
    finally:
        if client is not None:
            client.close()
    write_tsv(results, args.output)
    _note_seed(args, results.attrs["seed"])
    if failures is None or not len(failures):
        return 0
    for row in failures.itertuples(index=False):
        text = " ".join(str(row.message).split())
        print(f"{PROG}: error: signature {row.signature!r}: {row.exception}: {text}",
              file=sys.stderr)
    return 1


def _nonnegative_int(text: str) -> int:
    value = int(text)
    if value < 0:
        raise argparse.ArgumentTypeError(f"expected a non-negative integer, got {text}")
    return value


def _seed(text: str) -> int:
    value = int(text)
    if not 0 <= value < 2**64:
        raise argparse.ArgumentTypeError(f"expected an integer in [0, 2**64), got {text}")
    return value


def _positive_int(text: str) -> int:
    value = int(text)
    if value < 1:
        raise argparse.ArgumentTypeError(f"expected a positive integer, got {text}")
    return value


def _add_analysis_options(parser: argparse.ArgumentParser) -> None:
    group = parser.add_argument_group("analysis options (as for varenkopy.gsea)")
    group.add_argument("--seed", type=_seed, default=None,
                       help="seed of the run in [0, 2**64); by default one is drawn and "
                            "printed on standard error")
    group.add_argument("--threads", type=_positive_int, default=None,
                       help="worker threads; by default one per logical processor")
    group.add_argument("--min-size", type=_nonnegative_int, default=15,
                       help="smallest number of a gene set's genes in the ranking")
    group.add_argument("--max-size", type=_nonnegative_int, default=500,
                       help="largest number of a gene set's genes in the ranking")
    group.add_argument("--eps", type=float, default=1e-50,
                       help="floor of the refined p-values (smaller ones are reported as EPS); "
                            "0 removes the floor, --mode simple skips the refinement")
    group.add_argument("--score-type", choices=("std", "pos", "neg"), default="std",
                       help="two-tailed score, or only the positive or negative tail")
    group.add_argument("--mode", choices=("quorin", "multilevel", "simple"), default="quorin",
                       help="quorin: permutations, then refinement of the p-values they "
                            "resolve too coarsely; multilevel: the same; simple: permutations only")
    group.add_argument("--n-perm-simple", type=_positive_int, default=1000,
                       help="random gene sets of the simple permutation stage")
    group.add_argument("--gsea-param", type=float, default=1.0,
                       help="weighting exponent of the scores")
    group.add_argument("--sample-size", type=_positive_int, default=101,
                       help="sample size of the multilevel sampler")
    group.add_argument("--duplicates", choices=DUPLICATE_CHOICES, default="error",
                       help="a gene on several lines: refuse the ranking, or keep the score "
                            "with the largest absolute value, the mean or the first")


def _add_ranking_options(parser: argparse.ArgumentParser) -> None:
    """The options of commands that read one ranking file."""
    parser.add_argument("--score-column", metavar="NAME", default=None,
                        help="header name of the ranking's score column; needed when the "
                             "header names more than two columns")


def build_parser() -> argparse.ArgumentParser:
    """The argument parser of the ``varenkopy`` command."""
    formatter = argparse.ArgumentDefaultsHelpFormatter
    parser = argparse.ArgumentParser(
        prog=PROG, formatter_class=formatter,
        description="Pre-ranked gene set enrichment analysis with exact, reproducible p-values.",
        epilog="Results are TSV: numbers at full precision, NaN as NA, leading edges "
               "comma-joined; pval_at_eps is True where pval is the floor --eps (the true "
               "p-value is at most that). Exit status: 0 done, 1 bad input or a failed signature, "
               "2 bad usage, 130 interrupted.",
    )
    parser.add_argument("--version", action="version", version=f"%(prog)s {__version__}")
    commands = parser.add_subparsers(dest="command", metavar="COMMAND", required=True)

    one = commands.add_parser(
        "gsea", formatter_class=formatter, help="analyse one ranking",
        description="Analyses one ranking against a collection of gene sets.")
    one.add_argument("ranking", metavar="RANKING",
                     help="ranking file: gene and score per line (.rnk, .tsv, .csv)")
    one.add_argument("gene_sets", metavar="GENE_SETS", help="GMT file of gene sets")
    one.add_argument("-o", "--output", required=True, metavar="RESULTS.tsv",
                     default=argparse.SUPPRESS,
                     help="where to write the results ('-' for standard output)")
    one.add_argument("--plots", metavar="DIR", default=None,
                     help="also draw an enrichment plot of each of the top gene sets and "
                          "a bar plot of their NES into DIR, with matplotlib when it is "
                          "installed (pip install 'varenkopy[plot]'); without it, PNG "
                          "enrichment plots and a table plot from the built-in renderer")
    one.add_argument("--top", type=_positive_int, default=10,
                     help="number of gene sets drawn with --plots")
    one.add_argument("--plot-format", choices=("png", "svg", "pdf"), default="png",
                     help="file format of --plots (PNG at 300 dpi); svg and pdf need "
                          "matplotlib (pip install 'varenkopy[plot]')")
    _add_ranking_options(one)
    _add_analysis_options(one)
    one.set_defaults(run=_cmd_gsea)

    many = commands.add_parser(
        "gsea-many", formatter_class=formatter, help="analyse a matrix of genes x signatures",
        description="Analyses every signature (column) of a genes x signatures matrix "
                    "against a collection of gene sets. Signature i gets the seed "
                    "varenkopy.signature_seed(seed, i), so each one's rows equal a "
                    "'varenkopy gsea' run with that seed.")
    many.add_argument("rankings", metavar="RANKINGS.tsv",
                      help="matrix: a header of signature names after the gene column, then "
                           "one line per gene; empty or NA cells are genes not measured")
    many.add_argument("gene_sets", metavar="GENE_SETS", help="GMT file of gene sets")
    many.add_argument("-o", "--output", required=True, metavar="RESULTS.tsv",
                     default=argparse.SUPPRESS,
                      help="where to write the results ('-' for standard output)")
    many.add_argument("--scheduler", metavar="ADDRESS", default=None,
                      help="run on the Dask scheduler at ADDRESS (e.g. tcp://host:8786); "
                           "by default in this process")
    many.add_argument("--errors", choices=("raise", "collect"), default="raise",
                      help="raise: stop at a failed signature and write nothing; collect: "
                           "write the others' results, report each failure and exit 1")
    _add_analysis_options(many)
    many.set_defaults(run=_cmd_gsea_many)

    report = commands.add_parser(
        "report", formatter_class=formatter, help="analyse one ranking and write a report folder",
        description="Analyses one ranking and writes a report folder that opens offline in "
                    "a browser: sortable tables of the gene sets, a page per top set with "
                    "its enrichment plot and every gene of the set, the plots side by side, "
                    "the leading-edge heatmap, the redundancy grouping "
                    "(varenkopy.collapse_redundant), the results as TSV, a table, GMT and "
                    "ranking for network tools, and manifest.json with the provenance. The "
                    "folder is replaced whole; a folder that is not a report is refused. "
                    "Prints the strongest significant sets. Needs matplotlib and Jinja2 "
                    "(pip install 'varenkopy[plot]').")
    report.add_argument("ranking", metavar="RANKING",
                        help="ranking file: gene and score per line (.rnk, .tsv, .csv)")
    report.add_argument("gene_sets", metavar="GENE_SETS", help="GMT file of gene sets")
    report.add_argument("-o", "--output", required=True, metavar="DIR",
                        default=argparse.SUPPRESS, help="the report folder (created if missing)")
    report.add_argument("--top", type=_nonnegative_int, default=20,
                        help="gene sets per direction that get a page of their own")
    report.add_argument("--padj", type=_unit_interval, default=0.05,
                        help="adjusted p-value below which a set is significant")
    report.add_argument("--title", default=None, help="title of the index page")
    _add_ranking_options(report)
    _add_analysis_options(report)
    report.set_defaults(run=_cmd_report)

    commands.add_parser(
        "info", formatter_class=formatter, help="print versions and build details for a bug report",
        description="Prints the versions of varenkopy, Python and the packages it uses, the "
                    "platform, each compiled dependency's version and origin, the enrichment "
                    "kernels this processor runs and the number of worker threads "
                    "(varenkopy.show_info).",
    ).set_defaults(run=_cmd_info)
    return parser


def _show_warning(message: Warning | str, category: type[Warning], filename: str,
                  lineno: int, file: TextIO | None = None, line: str | None = None,
                  ) -> None:
    text = _option_words(" ".join(str(message).split()))
    print(f"{PROG}: warning: {text}", file=sys.stderr)


def main(argv: Sequence[str] | None = None) -> int:
    """Runs the command line with `argv` (default: the process's arguments).

    Returns
    -------
    int
        The exit status: 0 done, 1 bad input, 2 bad usage (from argparse),
        130 interrupted.
    """
    args = build_parser().parse_args(argv)
    # SIGTERM and SIGHUP unwind the run (a file being written keeps its
    # previous content and leaves no temporary file) before the process ends
    # by the signal.
    with warnings.catch_warnings(), terminations_raise():
        warnings.showwarning = _show_warning
        try:
            status: int = args.run(args)
            return status
        except KeyboardInterrupt:
            print(f"{PROG}: interrupted", file=sys.stderr)
            return 130
        except _INPUT_ERRORS as exc:
            text = " ".join(_error_text(exc).split())
            print(f"{PROG}: error: {text}", file=sys.stderr)
            return 1


def _error_text(exc: BaseException) -> str:
    if isinstance(exc, KeyError) and len(exc.args) == 1:
        return str(exc.args[0])
    return _option_words(str(exc) or type(exc).__name__)


# The analysis keywords of gsea() that are options here, and the pattern of
# their mentions in a message: "argument 'seed'" or a keyword with underscores.
_OPTION_NAMES = ("n_perm_simple", "min_size", "max_size", "sample_size", "score_type",
                 "gsea_param", "seed", "threads", "eps", "mode")
_OPTION_MENTION = re.compile(
    r"argument '(" + "|".join(_OPTION_NAMES) + r")'|\b("
    + "|".join(n for n in _OPTION_NAMES if "_" in n) + r")\b")


def _option_words(text: str) -> str:
    """`text` with gsea()'s keyword names replaced by the command line's options."""
    def option(match: re.Match[str]) -> str:
        if match.group(1) is not None:
            return f"option '--{match.group(1).replace('_', '-')}'"
        return "--" + match.group(2).replace("_", "-")

    # A transposed matrix file: the remedy is to transpose the file, not `.T`.
    text = text.replace("argument 'rankings': expected genes in the index and signatures in "
                        "the columns", "the matrix should have genes in rows and signatures in "
                        "columns").replace("; pass rankings.T", "; transpose the file")
    return _OPTION_MENTION.sub(option, text)
