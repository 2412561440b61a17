"""Many rankings against one collection of gene sets, in this process or on a
Dask cluster.

Each signature (one ranking) is an ordinary :func:`varenkopy.gsea` run with a
seed derived from the run's seed and the signature's position, so where and
in which order signatures run never changes their rows. Dask is only used
through the client object the caller passes; this module never imports it.
"""
from __future__ import annotations

import logging
import re
import secrets
import sys
import threading
import warnings
from collections.abc import Hashable, Mapping
from typing import Any, Literal, overload

import pandas as pd

from varenkopy._analysis import COLUMNS, _check_int, check_options, gsea, rows_to_frame
from varenkopy._duplicates import check_duplicates
from varenkopy._inputs import (
    GeneSetsLike,
    PreparedGeneSets,
    RankingLike,
    gene_sets_to_pairs,
    is_path,
    type_name,
)
from varenkopy._progress import wanted
from varenkopy._warnings import VarenkoWarning, caller_stacklevel, logger, warn

MANY_COLUMNS = ["signature", *COLUMNS]
FAILURE_COLUMNS = ["signature", "exception", "message"]

_MASK64 = (1 << 64) - 1
# SplitMix64's increment and output mixing constants.
_GOLDEN_GAMMA = 0x9E3779B97F4A7C15
_MIX1 = 0xBF58476D1CE4E5B9
_MIX2 = 0x94D049BB133111EB

# Cluster tasks in flight: at least this many, or this many per worker thread.
_WINDOW_MIN = 32
_WINDOW_PER_THREAD = 4

_SCORE_TYPES = ("std", "pos", "neg")
_MODES = ("quorin", "multilevel", "simple")

# Analyses in one process run one after another anyway (the core serialises
# them); holding this lock around each also keeps the capture of one
# signature's warnings apart from another's on a multi-threaded worker.
_RUN_LOCK = threading.Lock()


def signature_seed(run_seed: int, position: int) -> int:
    """The seed of the signature at `position` (0-based) in a run seeded `run_seed`.

    It is output number ``position + 1`` of the SplitMix64 generator started
    from state `run_seed`: ``z = run_seed + (position + 1) * 0x9E3779B97F4A7C15``
    (mod 2**64), then ``z ^= z >> 30; z *= 0xBF58476D1CE4E5B9;
    z ^= z >> 27; z *= 0x94D049BB133111EB; z ^= z >> 31`` (mod 2**64). The
    result lies in [0, 2**64), the range :func:`varenkopy.gsea` accepts.

    Parameters
    ----------
    run_seed : int
        Seed of the whole run, in [0, 2**64).
    position : int
        Position of the signature among the rankings, from 0.

    Returns
    -------
    int
        The seed with which :func:`varenkopy.gsea` gives that signature's rows.

    Examples
    --------
    >>> varenkopy.signature_seed(42, 0)
    13679457532755275413
    """
    _check_int(run_seed, "run_seed")
    _check_int(position, "position")
    if not 0 <= run_seed <= _MASK64:
        raise ValueError("argument 'run_seed': expected an integer in [0, 2**64)")
    if position < 0:
        raise ValueError("argument 'position': must not be negative")
    z = (int(run_seed) + (int(position) + 1) * _GOLDEN_GAMMA) & _MASK64
    z = ((z ^ (z >> 30)) * _MIX1) & _MASK64
    z = ((z ^ (z >> 27)) * _MIX2) & _MASK64
    return z ^ (z >> 31)


class _Outcome:
    """What one signature's run sends back: its frame or its failure, and the
    warnings it issued (texts of VarenkoWarning, other warnings as objects)."""

    __slots__ = ("error", "frame", "messages", "others")

    def __init__(self, frame: pd.DataFrame | None, error: BaseException | None,
                 messages: list[str], others: list[warnings.WarningMessage]) -> None:
        self.frame = frame
        self.error = error
        self.messages = messages
        self.others = others

    def __getstate__(self) -> tuple[Any, ...]:
        # Warnings of other categories travel as (text, category) only: their
        # records hold file names and source lines a worker need not send.
        others = [(str(w.message), w.category) for w in self.others]
        return (self.frame, self.error, self.messages, others)

    def __setstate__(self, state: tuple[Any, ...]) -> None:
        self.frame, self.error, self.messages, others = state
        self.others = [warnings.WarningMessage(text, category, "", 0) for text, category in others]


class _DropRecords(logging.Filter):
    def filter(self, record: logging.LogRecord) -> bool:
        return False


def _run_signature(ranking: object, gene_sets: PreparedGeneSets, seed: int,
                   options: dict[str, Any], genes: pd.Index | None = None) -> _Outcome:
    """Runs one signature and captures its warnings instead of showing them.

    With `genes`, `ranking` is one column of a genes x signatures matrix as
    an array, and the signature is its non-missing cells. Exceptions (but not
    KeyboardInterrupt) become the outcome's error. The texts are logged again
    with the signature's name when they are re-issued, so the logger is
    silenced while they are captured.
    """
    if genes is not None:
        ranking = pd.Series(ranking, index=genes).dropna()
    drop = _DropRecords()
    frame: pd.DataFrame | None = None
    error: BaseException | None = None
    with _RUN_LOCK, warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        logger.addFilter(drop)
        try:
            frame = gsea(ranking, gene_sets, seed=seed, progress=False,  # type: ignore[arg-type]
                         **options)
        except Exception as exc:
            error = exc
        finally:
            logger.removeFilter(drop)
    messages = [str(w.message) for w in caught if issubclass(w.category, VarenkoWarning)]
    others = [w for w in caught if not issubclass(w.category, VarenkoWarning)]
    return _Outcome(frame, error, messages, others)


def _failed(error: BaseException) -> _Outcome:
    return _Outcome(None, error, [], [])


def _message(error: BaseException) -> str:
    # KeyError's str() is the repr of its key; its one argument reads better.
    if isinstance(error, KeyError) and len(error.args) == 1:
        return str(error.args[0])
    return str(error)


def _named_error(name: Hashable, error: BaseException) -> BaseException:
    """An exception of the same type whose message starts with the signature's name."""
    text = f"signature {name!r}: {_message(error)}"
    try:
        named = type(error)(text)
    except Exception:
        named = RuntimeError(f"{text} ({type_name(error)})")
    return named


def _signatures(rankings: object) -> list[tuple[Hashable, Any]]:
    """The rankings as (name, ranking) pairs in their given order."""
    if isinstance(rankings, pd.DataFrame):
        columns = list(rankings.columns)
        if not rankings.columns.is_unique:
            repeated = sorted({repr(c) for c in columns if columns.count(c) > 1})
            raise ValueError(f"argument 'rankings': signature names occur more than once "
                             f"({', '.join(repeated[:5])})")
        # Missing cells are genes not measured in that signature.
        result: list[tuple[Hashable, Any]] = [
            (columns[j], rankings.iloc[:, j].dropna()) for j in range(len(columns))
        ]
    elif isinstance(rankings, Mapping):
        result = list(rankings.items())
    else:
        raise TypeError(f"argument 'rankings': expected a DataFrame of genes x signatures or a "
                        f"mapping signature -> ranking, got {type_name(rankings)}")
    if not result:
        raise ValueError("argument 'rankings': there are no signatures")
    return result


# A matrix is refused as transposed when at least this many of its column
# labels, and this many times as many as of its index labels, are genes of
# the gene sets.
_ORIENTATION_MIN_GENES = 10
_ORIENTATION_RATIO = 4


def _check_orientation(rankings: object, prepared: PreparedGeneSets) -> None:
    """Refuses a signatures x genes matrix, whose every "signature" would be
    a gene's column of few values, before any run."""
    if not isinstance(rankings, pd.DataFrame):
        return
    genes: set[str] = set()
    for _, members in prepared.pairs:
        genes.update(members)
    in_columns = sum(str(c) in genes for c in rankings.columns)
    if in_columns < _ORIENTATION_MIN_GENES:
        return
    in_index = sum(str(g) in genes for g in rankings.index)
    if in_columns >= _ORIENTATION_RATIO * in_index:
        raise ValueError(
            f"argument 'rankings': expected genes in the index and signatures in the columns, "
            f"but {in_columns} of its {rankings.shape[1]} columns are genes of the gene sets "
            f"and only {in_index} of its {rankings.shape[0]} index labels; pass rankings.T")


def _check_options(options: dict[str, Any], seed: object, progress: object,
                   errors: str) -> None:
    """Refuses bad option values once, instead of once per signature."""
    check_options({**options, "seed": seed, "progress": progress})
    check_duplicates(options["duplicates"])
    for name, allowed in (("score_type", _SCORE_TYPES), ("mode", _MODES)):
        value = options[name]
        if not isinstance(value, str):
            raise TypeError(f"argument '{name}': expected str, got {type_name(value)}")
        if value.lower() not in allowed:
            raise ValueError(f"argument '{name}': expected one of {', '.join(allowed)}, "
                             f"got {value!r}")
    if errors not in ("raise", "collect"):
        raise ValueError(f"argument 'errors': expected 'raise' or 'collect', got {errors!r}")


# Numbers in a warning's text: warnings that differ only in them are of one kind.
_NUMBER = re.compile(r"[-+]?\d+(?:\.\d+)?(?:[eE][-+]?\d+)?")
# Signature names listed per kind of warning.
_NAMES_SHOWN = 10


class _Warnings:
    """The warnings of every signature, issued once per call: one warning per
    category, a line per kind of warning naming the signatures that gave it.
    Each signature's own text is logged at INFO level."""

    def __init__(self) -> None:
        # category -> kind -> [(signature, text)], in order of appearance.
        self.kinds: dict[type[Warning], dict[str, list[tuple[Hashable, str]]]] = {}

    def add(self, name: Hashable, outcome: _Outcome) -> None:
        texts: list[tuple[type[Warning], str]] = [(VarenkoWarning, t) for t in outcome.messages]
        texts += [(w.category, str(w.message)) for w in outcome.others]
        for category, text in texts:
            logger.info("signature %r: %s", name, text)
            kinds = self.kinds.setdefault(category, {})
            kinds.setdefault(_NUMBER.sub("#", text), []).append((name, text))

    @staticmethod
    def _line(given: list[tuple[Hashable, str]]) -> str:
        names = list(dict.fromkeys(name for name, _ in given))
        shown = ", ".join(repr(n) for n in names[:_NAMES_SHOWN])
        if len(names) > _NAMES_SHOWN:
            shown += f" and {len(names) - _NAMES_SHOWN} more"
        who = f"signature {shown}" if len(names) == 1 else f"signatures {shown}"
        text = given[0][1]
        if any(t != text for _, t in given):
            text += f" (the numbers of {names[0]!r}; other signatures' differ)"
        return f"{who}: {text}"

    def issue(self) -> None:
        """Issues the summary, pointing at the caller's line, and forgets it."""
        kinds, self.kinds = self.kinds, {}
        for category, by_kind in kinds.items():
            lines = [self._line(given) for given in by_kind.values()]
            names = list(dict.fromkeys(name for given in by_kind.values() for name, _ in given))
            if len(lines) == 1:
                text = lines[0]
            elif len(names) == 1:
                text = (f"{len(lines)} warnings of signature {names[0]!r}:\n"
                        + "\n".join(f"- {given[0][1]}" for given in by_kind.values()))
            else:
                text = (f"{len(lines)} kinds of warnings from {len(names)} signatures:\n"
                        + "\n".join(f"- {line}" for line in lines))
            if category is VarenkoWarning:
                warn(text)
            else:
                warnings.warn(text, category, stacklevel=caller_stacklevel())


class _Collector:
    """Gathers outcomes in signature order and applies the `errors` choice."""

    def __init__(self, errors: str) -> None:
        self.errors = errors
        self.frames: list[pd.DataFrame] = []
        self.failures: list[tuple[Hashable, str, str]] = []

    def add(self, name: Hashable, outcome: _Outcome) -> None:
        if outcome.error is not None:
            if self.errors == "raise":
                raise _named_error(name, outcome.error) from outcome.error
            self.failures.append((name, type_name(outcome.error), _message(outcome.error)))
            return
        frame = outcome.frame
        assert frame is not None
        frame = frame.copy()
        frame.insert(0, "signature", pd.Series([name] * len(frame), dtype=object))
        self.frames.append(frame)


def _progress_bar(show: bool, total: int) -> Any:
    from tqdm.auto import tqdm

    return tqdm(total=total, desc="signatures", unit="signature", file=sys.stderr,
                leave=False, dynamic_ncols=True, disable=not show)


def _run_here(signatures: list[tuple[Hashable, Any]], prepared: PreparedGeneSets,
              seeds: list[int], options: dict[str, Any], collector: _Collector,
              show: bool, caught: _Warnings) -> None:
    bar = _progress_bar(show, len(signatures))
    try:
        for (name, ranking), seed in zip(signatures, seeds, strict=True):
            outcome = _run_signature(ranking, prepared, seed, options)
            caught.add(name, outcome)
            collector.add(name, outcome)
            bar.update(1)
    finally:
        bar.close()


# Exceptions of Dask's client that mean the cluster or the connection to it
# is gone, and those that mean the task was cancelled, by their class names
# (this module never imports Dask).
_CLOSED_NAMES = ("ClosedClientError", "CommClosedError")
_LOST_NAMES = ("KilledWorker",)


def _cluster_failure(error: BaseException, client: Any) -> BaseException:
    """A failure that says what happened when a task did not come back from
    the cluster: its worker died ("worker lost"), or the cluster or the
    client closed ("cluster shut down"). Other errors pass unchanged."""
    kind = type_name(error)
    closed = getattr(client, "status", "running") not in ("running", "connecting")
    if kind in _CLOSED_NAMES or (kind.endswith("CancelledError") and closed):
        text = "cluster shut down: the Dask cluster closed before this signature's result came back"
    elif kind in _LOST_NAMES or kind.endswith("CancelledError"):
        text = "worker lost: the Dask worker running this signature died or its task was dropped"
    else:
        return error
    lost = RuntimeError(f"{text} ({kind}: {_message(error)})")
    lost.__cause__ = error
    return lost


def _run_on_client(client: Any, rankings: object, signatures: list[tuple[Hashable, Any]],
                   prepared: PreparedGeneSets, seeds: list[int], options: dict[str, Any],
                   collector: _Collector, show: bool, caught: _Warnings) -> None:
    from varenkopy._readers import read_ranking

    # The columns of a matrix share their genes: those travel once, and each
    # task gets its column's values only (an array, not thousands of names).
    matrix = rankings if isinstance(rankings, pd.DataFrame) else None
    genes = (client.scatter(matrix.index, broadcast=True, hash=False)
             if matrix is not None else None)

    # The gene sets travel to every worker once; each task refers to them. A
    # key of its own per run (hash=False): a scatter of equal data under a
    # shared key could be released by another run's clean-up.
    shared = client.scatter(prepared, broadcast=True, hash=False)
    # Tasks are submitted a window ahead of the signature being gathered, so
    # the rankings and results held here do not grow with the signature count.
    window = max(_WINDOW_MIN, _WINDOW_PER_THREAD * sum(client.nthreads().values()))

    def submit(position: int) -> Any:
        if matrix is not None:
            args: tuple[Any, ...] = (matrix.iloc[:, position].to_numpy(), shared,
                                     seeds[position], options, genes)
        else:
            ranking = signatures[position][1]
            if is_path(ranking):
                # Read here: the workers need not see this machine's files.
                try:
                    ranking = read_ranking(ranking)
                except Exception as exc:
                    return _failed(exc)
            args = (ranking, shared, seeds[position], options)
        try:
            return client.submit(_run_signature, *args, pure=False)
        except Exception as exc:
            # A closed client refuses new tasks: each signature left is reported.
            return _failed(_cluster_failure(exc, client))

    pending: dict[int, Any] = {}
    submitted = 0
    bar = _progress_bar(show, len(signatures))
    try:
        for position, (name, _) in enumerate(signatures):
            while submitted < len(signatures) and submitted < position + window:
                pending[submitted] = submit(submitted)
                submitted += 1
            item = pending.pop(position)
            if isinstance(item, _Outcome):
                outcome = item
            else:
                try:
                    outcome = item.result()
                except Exception as exc:
                    outcome = _failed(_cluster_failure(exc, client))
                del item  # releases the result on the worker
            caught.add(name, outcome)
            collector.add(name, outcome)
            bar.update(1)
    except BaseException:
        # After a raised failure or an interrupt, tasks still queued are dropped.
        futures = [item for item in pending.values() if not isinstance(item, _Outcome)]
        if futures:
            client.cancel(futures)
        raise
    finally:
        bar.close()


def _result_frames(collector: _Collector, seed: int) -> tuple[pd.DataFrame, pd.DataFrame]:
    if collector.frames:
        results = pd.concat(collector.frames, ignore_index=True)
    else:
        results = rows_to_frame([], seed)
        results.insert(0, "signature", pd.Series([], dtype=object))
    results.attrs = {"seed": seed}
    failures = pd.DataFrame(
        {
            "signature": pd.Series([f[0] for f in collector.failures], dtype=object),
            "exception": pd.Series([f[1] for f in collector.failures], dtype=object),
            "message": pd.Series([f[2] for f in collector.failures], dtype=object),
        },
        columns=FAILURE_COLUMNS,
    )
    return results, failures


@overload
def gsea_many(
    rankings: pd.DataFrame | Mapping[Any, RankingLike],
    gene_sets: GeneSetsLike,
    *,
    client: Any = ...,
    errors: Literal["raise"] = ...,
    n_perm_simple: int = ...,
    min_size: int = ...,
    max_size: int = ...,
    eps: float = ...,
    score_type: str = ...,
    gsea_param: float = ...,
    mode: str = ...,
    sample_size: int = ...,
    seed: int | None = ...,
    threads: int | None = ...,
    progress: bool | None = ...,
    duplicates: str = ...,
    set_column: Any = ...,
    gene_column: Any = ...,
) -> pd.DataFrame: ...


@overload
def gsea_many(
    rankings: pd.DataFrame | Mapping[Any, RankingLike],
    gene_sets: GeneSetsLike,
    *,
    client: Any = ...,
    errors: Literal["collect"],
    n_perm_simple: int = ...,
    min_size: int = ...,
    max_size: int = ...,
    eps: float = ...,
    score_type: str = ...,
    gsea_param: float = ...,
    mode: str = ...,
    sample_size: int = ...,
    seed: int | None = ...,
    threads: int | None = ...,
    progress: bool | None = ...,
    duplicates: str = ...,
    set_column: Any = ...,
    gene_column: Any = ...,
) -> tuple[pd.DataFrame, pd.DataFrame]: ...


def gsea_many(
    rankings: pd.DataFrame | Mapping[Any, RankingLike],
    gene_sets: GeneSetsLike,
    *,
    client: Any = None,
    errors: str = "raise",
    n_perm_simple: int = 1000,
    min_size: int = 15,
    max_size: int = 500,
    eps: float = 1e-50,
    score_type: str = "std",
    gsea_param: float = 1.0,
    mode: str = "quorin",
    sample_size: int = 101,
    seed: int | None = None,
    threads: int | None = None,
    progress: bool | None = None,
    duplicates: str = "error",
    set_column: Any = None,
    gene_column: Any = None,
) -> pd.DataFrame | tuple[pd.DataFrame, pd.DataFrame]:
    """Runs the analysis of :func:`gsea` on many rankings (signatures) at once.

    Signature number ``i`` (from 0, in the order given) is analysed with the
    seed ``signature_seed(seed, i)`` (see :func:`signature_seed`), so its rows
    are bit-identical to ``gsea(that ranking, gene_sets,
    seed=signature_seed(seed, i), ...)`` wherever and in whichever order the
    signatures run.

    Parameters
    ----------
    rankings : DataFrame or Mapping
        A DataFrame of genes (index) x signatures (columns), where a NaN cell
        means the gene was not measured in that signature and is dropped from
        it; or a mapping signature name -> ranking in any form :func:`gsea`
        accepts (a path is read on this machine).
    gene_sets : Mapping, DataFrame or path
        As for :func:`gsea`; converted once for all signatures.
    client : dask.distributed.Client, optional
        Runs one task per signature on the client's cluster, with the gene
        sets sent to every worker once. None (the default) runs the
        signatures one after another in this process.
    errors : {"raise", "collect"}, default "raise"
        "raise" stops at the first signature (in the given order) that
        fails, with an exception of the same type whose message starts with
        the signature's name. "collect" runs every signature and returns the
        failures beside the results.
    n_perm_simple, min_size, max_size, eps, score_type, gsea_param, mode, sample_size
        As for :func:`gsea`.
    duplicates : {"error", "max_abs", "mean", "first"}, default "error"
        As for :func:`gsea`, applied to each signature: a gene that occurs
        more than once in a ranking (or in the index of a matrix) is refused
        or combined.
    seed : int, optional
        Seed of the whole run in [0, 2**64); None draws one. It is in
        ``result.attrs["seed"]``, and passing it back repeats the run exactly.
    threads : int, optional
        Threads of the worker pool of each process that analyses signatures,
        as for :func:`gsea`.
    progress : bool, optional
        True shows one progress bar over the signatures on standard error,
        False never; None shows one in a terminal or notebook when the run is
        expected to take more than a couple of seconds.
    set_column, gene_column : optional
        As for :func:`gsea`: the set and gene columns of a long gene-set
        DataFrame.

    Returns
    -------
    pandas.DataFrame or tuple of (pandas.DataFrame, pandas.DataFrame)
        The results in long form: a ``signature`` column, then the columns of
        :func:`gsea`, signatures in the given order and each one's rows in
        :func:`gsea`'s order. With ``errors="collect"``, a pair of the results
        and a frame of failures with the columns ``signature``, ``exception``
        (the type's name) and ``message``.

    Raises
    ------
    TypeError
        An argument has the wrong type (the message names it).
    ValueError
        No signatures, repeated signature names, an invalid option value, or a
        matrix whose columns, not its index, are the genes of the gene sets
        (pass its transpose, ``rankings.T``).
    Exception
        With ``errors="raise"``, the failure of a signature, named in the message.
    KeyboardInterrupt
        The run was interrupted; queued cluster tasks are cancelled.

    Warns
    -----
    VarenkoWarning
        The warnings of the signatures' analyses, once per call: a line per
        kind of warning naming the signatures that gave it (warnings that
        differ only in their numbers are one kind, shown with the first
        signature's numbers). Each signature's own texts are logged to the
        ``varenkopy`` logger at INFO level.

    See Also
    --------
    gsea : the analysis of one ranking.
    signature_seed : the seed of each signature.

    Examples
    --------
    >>> ranks = varenkopy.datasets.example_ranking()
    >>> res = varenkopy.gsea_many({"ov": ranks, "ov_negated": -ranks},
    ...                           varenkopy.datasets.hallmark(), seed=42)
    >>> res.groupby("signature").size()

    On a cluster (``pip install varenkopy[dask]``):

    >>> from dask.distributed import Client  # doctest: +SKIP
    >>> res = varenkopy.gsea_many(matrix, "h.all.gmt",  # doctest: +SKIP
    ...                           client=Client("tcp://host:8786"))
    """
    options: dict[str, Any] = dict(
        n_perm_simple=n_perm_simple, min_size=min_size, max_size=max_size, eps=eps,
        score_type=score_type, gsea_param=gsea_param, mode=mode, sample_size=sample_size,
        threads=threads, duplicates=duplicates,
    )
    _check_options(options, seed, progress, errors)
    if seed is not None and not 0 <= seed <= _MASK64:
        raise ValueError("argument 'seed': expected an integer in [0, 2**64)")
    if client is not None and not (hasattr(client, "submit") and hasattr(client, "scatter")):
        raise TypeError(f"argument 'client': expected a dask.distributed.Client, "
                        f"got {type_name(client)}")
    signatures = _signatures(rankings)
    prepared = PreparedGeneSets(gene_sets_to_pairs(gene_sets, "gene_sets",
                                                   set_column=set_column,
                                                   gene_column=gene_column))
    _check_orientation(rankings, prepared)

    run_seed = secrets.randbits(64) if seed is None else int(seed)
    seeds = [signature_seed(run_seed, i) for i in range(len(signatures))]
    show = wanted(progress, len(prepared.pairs) * len(signatures), n_perm_simple)
    collector = _Collector(errors)
    caught = _Warnings()
    try:
        if client is None:
            _run_here(signatures, prepared, seeds, options, collector, show, caught)
        else:
            _run_on_client(client, rankings, signatures, prepared, seeds, options, collector,
                           show, caught)
    finally:
        # Also when a signature's failure is raised: the warnings so far.
        caught.issue()
    results, failures = _result_frames(collector, run_seed)
    if errors == "collect":
        return results, failures
    return results

