"""The pandas-friendly analysis entry."""
from __future__ import annotations

import math
import re
from collections.abc import Mapping
from typing import Any

import numpy as np
import pandas as pd

from varenkopy import _core
from varenkopy._duplicates import check_duplicates
from varenkopy._identifiers import check_identifiers
from varenkopy._inputs import (
    GeneSetsLike,
    PreparedGeneSets,
    RankingLike,
    gene_sets_to_pairs,
    ranks_dict,
    set_genes,
)
from varenkopy._progress import ProgressBar, wanted
from varenkopy._warnings import warn

# Most permutations the core draws for one size of gene sets left without a
# p-value by the first n_perm_simple (2**20).
TAIL_MAX_PERMUTATIONS = 1 << 20

COLUMNS = ["pathway", "size", "es", "nes", "pval", "padj", "log2err", "pval_at_eps",
           "leading_edge"]


def _check_int(value: object, name: str, allow_none: bool = False) -> None:
    if value is None and allow_none:
        return
    if isinstance(value, bool) or not isinstance(value, (int, np.integer)):
        raise TypeError(f"argument '{name}': expected int, got {type(value).__name__}")


def check_options(options: Mapping[str, Any]) -> None:
    """The checks of the analysis options that need no ranking: whole numbers
    where the core counts, the progress switch, and size bounds of at least 0.
    The core checks the rest (score type, mode, exponent) when it runs."""
    for name in ("n_perm_simple", "min_size", "max_size", "sample_size"):
        _check_int(options[name], name)
    for name in ("seed", "threads"):
        _check_int(options[name], name, allow_none=True)
    progress = options["progress"]
    if progress is not None and not isinstance(progress, bool):
        raise TypeError(f"argument 'progress': expected bool or None, got {type(progress).__name__}")
    if options["min_size"] < 0 or options["max_size"] < 0:
        raise ValueError("min_size and max_size must not be negative")
    if options["sample_size"] > _MAX_SAMPLE_SIZE:
        raise ValueError(f"argument 'sample_size': expected at most 2**32-1, "
                         f"got {options['sample_size']}")


# The compiled core's keyword names and the caller's.
_CORE_NAMES = {
    "nPermSimple": "n_perm_simple", "sampleSize": "sample_size", "nproc": "threads",
    "minSize": "min_size", "maxSize": "max_size", "scoreType": "score_type",
    "gseaParam": "gsea_param",
}
_CORE_NAME = re.compile(r"\b(" + "|".join(_CORE_NAMES) + r")\b")
# The core keeps the sample size in 32 bits.
_MAX_SAMPLE_SIZE = 2**32 - 1


def caller_words(text: str) -> str:
    """`text` with the core's keyword names replaced by those of :func:`gsea`."""
    return _CORE_NAME.sub(lambda m: _CORE_NAMES[m.group(1)], text)


def in_caller_words(error: BaseException) -> BaseException:
    """`error` with the core's keyword names in its message replaced by the
    caller's (``nPermSimple`` -> ``n_perm_simple``), as an exception of the
    same type; `error` itself when its message names none, or when its type
    cannot be made from a message."""
    if len(error.args) != 1 or not isinstance(error.args[0], str):
        return error
    text = caller_words(error.args[0])
    if text == error.args[0]:
        return error
    try:
        translated = type(error)(text)
    except Exception:
        return error
    translated.__cause__ = error.__cause__
    return translated


# The core clamps a requested pool size to this many threads.
_MAX_POOL_THREADS = 256
_pool_warned = False


def note_pool_size(threads: int | None) -> None:
    """Warns once per process when `threads` asks for a pool size other than
    that of the process's worker pool, which the first analysis fixed."""
    global _pool_warned
    if threads is None or threads < 1 or _pool_warned:
        return
    existing = _core.pool_threads()
    if existing is None or existing == min(threads, _MAX_POOL_THREADS):
        return
    _pool_warned = True
    warn(f"threads={threads} is ignored: this process's worker pool already has {existing} "
         f"threads, fixed by its first analysis (warned once per process)")


def _float_or_nan(value: float | None) -> float:
    return math.nan if value is None else float(value)


def rows_to_frame(rows: list[dict[str, object]], seed: int) -> pd.DataFrame:
    """Result rows of the core as a frame sorted by p-value, then name."""
    frame = pd.DataFrame(
        {
            "pathway": pd.Series([r["pathway"] for r in rows], dtype=object),
            "size": np.array([r["size"] for r in rows], dtype=np.int64),
            "es": np.array([r["es"] for r in rows], dtype=np.float64),
            "nes": np.array([_float_or_nan(r["nes"]) for r in rows], dtype=np.float64),  # type: ignore[arg-type]
            "pval": np.array([r["pval"] for r in rows], dtype=np.float64),
            "padj": np.array([_float_or_nan(r["padj"]) for r in rows], dtype=np.float64),  # type: ignore[arg-type]
            "log2err": np.array([_float_or_nan(r["log2err"]) for r in rows], dtype=np.float64),  # type: ignore[arg-type]
            "pval_at_eps": np.array([bool(r.get("pval_at_eps", False)) for r in rows], dtype=bool),
            "leading_edge": pd.Series([r["leading_edge"] for r in rows], dtype=object),
        },
        columns=COLUMNS,
    )
    # The core's rows come sorted by name, so a stable sort by p-value keeps
    # names in order among equal p-values; rows without one come last.
    if rows and "n_more_extreme" in rows[0]:
        # The simple stage's counts behind each p-value (private callers only).
        frame["n_more_extreme"] = np.array([r["n_more_extreme"] for r in rows], dtype=np.int64)
        frame["n_same_sign"] = np.array([r["n_same_sign"] for r in rows], dtype=np.int64)
    frame = frame.sort_values("pval", kind="mergesort", na_position="last")
    frame = frame.reset_index(drop=True)
    frame.attrs["seed"] = seed
    return frame


def _warn_no_pvalue(frame: pd.DataFrame, n_perm_simple: int) -> None:
    """Names the rows that still have no p-value, with the reason of each."""
    empty = frame[frame["pval"].isna()]
    if empty.empty:
        return
    if n_perm_simple == 0:
        warn(f"{len(empty)} gene sets have no p-value: n_perm_simple is 0")
        return
    zero = [str(name) for name, es in zip(empty["pathway"], empty["es"], strict=True) if es == 0]
    rare = [str(name) for name, es in zip(empty["pathway"], empty["es"], strict=True) if es != 0]
    reasons = []
    if zero:
        reasons.append(f"ES exactly 0, no sign to compare with: {', '.join(zero)}")
    if rare:
        reasons.append(f"fewer than 10 of {TAIL_MAX_PERMUTATIONS} random gene sets of their size "
                       f"scored with the sign of their ES: {', '.join(rare)}")
    warn(f"{len(empty)} gene sets have no p-value and no NES; " + "; ".join(reasons))


def gsea(
    ranking: RankingLike,
    gene_sets: GeneSetsLike,
    *,
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
) -> pd.DataFrame:
    """Runs a pre-ranked gene set enrichment analysis.

    Scores every gene set against the ranking with permutations of random
    gene sets of the same size, then refines small p-values with the
    multilevel sampler down to `eps`. Every row that
    :func:`varenkopy.run_gsea_py` fills with the same inputs, options and seed
    has the same ``es``, ``nes``, ``pval``, ``log2err`` and leading edge; the
    gene sets it leaves without a p-value (too few random gene sets scored
    with the sign of their ES, as on strongly one-sided rankings) get further
    permutations of their own size (see Notes), and ``padj`` adjusts all
    p-values together. Results do not depend on the number of threads.

    Parameters
    ----------
    ranking : Series, DataFrame, Mapping or path
        Gene -> score: a Series with genes in the index, a one-column
        DataFrame (genes in the index) or a two-column one (genes, scores), a
        mapping, or the path of a ranking file (:func:`read_ranking`).
        Scores are real numbers (Python or numpy integers and floats, pandas'
        nullable ones); booleans, complex numbers, dates, durations and text
        raise TypeError. Repeated gene names are refused unless `duplicates`
        says otherwise; genes with NaN scores are dropped with a warning.
        Genes with tied scores keep their given order.
    gene_sets : Mapping, DataFrame or path
        Name -> genes, a long DataFrame with a set and a gene column, or the
        path of a GMT file (:func:`read_gmt`). The columns of a DataFrame are
        found by their names (``gene_set``, ``pathway``, ``term``,
        ``gs_name`` ...; ``gene``, ``symbol``, ``gene_symbol``, ``gene_id``
        ...), or given with `set_column` and `gene_column`; a two-column frame
        whose names say nothing is read as (set, gene), and anything less
        certain raises ValueError listing the columns.
    n_perm_simple : int, default 1000
        Number of random gene sets of the simple permutation stage.
    min_size, max_size : int, default 15 and 500
        Gene sets with fewer or more genes in the ranking are left out (with
        a warning that counts them).
    eps : float, default 1e-50
        Floor of the refined p-values: a smaller p-value is reported as `eps`
        (with ``log2err`` NaN). 0 removes the floor, and refinement then goes
        on up to each gene set's observed score; it does not switch the
        refinement off (``mode="simple"`` does).
    score_type : {"std", "pos", "neg"}, default "std"
        Two-tailed score, or only the positive or negative tail.
    gsea_param : float, default 1.0
        Weighting exponent of the scores.
    mode : {"quorin", "multilevel", "simple"}, default "quorin"
        "quorin": permutations, then multilevel refinement of the gene sets
        whose permutation p-value is too coarse. "multilevel": the same, with
        identical results (the two differ only in :func:`run_gsea_py`, which
        takes a permutation count ``nperm``). "simple": permutations only.
    sample_size : int, default 101
        Sample size of the multilevel sampler.
    seed : int, optional
        Seed of the run in [0, 2**64); None draws one. The seed used is in
        ``result.attrs["seed"]``, and passing it back repeats the run exactly.
    threads : int, optional
        Threads of the process-wide worker pool, honoured only by the first
        analysis of the process (a later call asking for another count is
        warned about once); None uses one per logical processor.
    progress : bool, optional
        True shows a progress bar on standard error, False never; None (the
        default) shows one when standard error is a terminal or a notebook
        and the run is expected to take more than a couple of seconds.
    duplicates : {"error", "max_abs", "mean", "first"}, default "error"
        What to do with a gene name that occurs more than once in the
        ranking: refuse it (the error names the genes), or keep the score
        with the largest absolute value (the first of equal ones), the mean
        of its scores, or its first score. The gene keeps the position of
        its first appearance, and NaN scores are passed over while the gene
        has a number.
    set_column, gene_column : optional
        Labels of the set and gene columns of a long gene-set DataFrame; only
        a DataFrame takes them.

    Returns
    -------
    pandas.DataFrame
        One row per analysed gene set with the columns ``pathway``, ``size``,
        ``es``, ``nes``, ``pval``, ``padj``, ``log2err``, ``pval_at_eps`` and
        ``leading_edge`` (a list of genes), sorted by ``pval`` then
        ``pathway``; NaN where a number could not be formed (only for a gene
        set whose ES is exactly 0, or in the rare case that fewer than 10 of
        2**20 random gene sets of its size have an ES of its sign).
        ``pval_at_eps`` (bool) is True where the multilevel estimate fell
        below `eps` and ``pval`` was set to `eps`: the true p-value is at most
        that value, and ``log2err`` is NaN.

    Raises
    ------
    TypeError
        An argument has the wrong type (the message names it).
    ValueError
        Repeated genes (with ``duplicates="error"``), an empty ranking, a
        ranking that shares no gene with the gene sets (the message names
        the likely cause, such as Ensembl IDs against symbols), gene-set
        columns that cannot be told apart, or an invalid option value (named
        as in this call, such as ``sample_size``).
    MemoryError
        The analysis does not fit in memory (its message gives the sizes).
    FileNotFoundError
        A path that does not exist.
    KeyboardInterrupt
        The run was interrupted; it stops promptly and leaves no state behind.

    Warns
    -----
    VarenkoWarning
        For a ranking that shares few genes with the gene sets (fewer than
        a tenth of its genes and of theirs; the message names the likely
        cause: identifiers of another kind, mouse-style against human-style
        symbols, version suffixes), tied or all-positive scores, NaN scores
        dropped, gene sets left
        out for their size, rows still without a p-value (named, with the
        reason), genes whose non-zero score weighs 0 in the integer weights of the
        enrichment scores (scores spanning too many orders of magnitude, or
        a large `gsea_param`), and a `threads` that the existing worker pool
        cannot honour. The same texts are logged to the ``varenkopy`` logger.

    Notes
    -----
    The interpreter lock is released while the analysis computes, so other
    Python threads keep running; analyses that overlap run one after another.

    On a strongly one-sided ranking (signed -log10 p-values, say) large
    random gene sets almost never get a negative ES, so the first
    `n_perm_simple` permutations may hold fewer than 10 scores of a gene
    set's sign, too few to normalise its ES or to compare it with. For each
    size of such gene sets the analysis then draws further random sets of
    that size, from a stream derived from `seed` and the size alone, until
    50 of them have an ES of the sign (at most 2**20 draws). The NES is the
    ES over the mean of those same-signed scores; the p-value is
    P(ES <= es | same sign), counted from those draws when that is precise
    enough, else the multilevel sampler's P(ES <= es and same sign) divided
    by the fraction of same-signed draws; ``log2err`` then includes the
    error of that fraction.

    Examples
    --------
    >>> ranks = varenkopy.datasets.example_ranking()
    >>> res = varenkopy.gsea(ranks, varenkopy.datasets.hallmark(), seed=42)
    >>> res[["pathway", "nes", "padj"]].head(3)
    """
    check_options({"n_perm_simple": n_perm_simple, "min_size": min_size, "max_size": max_size,
                   "sample_size": sample_size, "seed": seed, "threads": threads,
                   "progress": progress})
    check_duplicates(duplicates)
    ranks = ranks_dict(ranking, "ranking", duplicates)
    pairs = gene_sets_to_pairs(gene_sets, "gene_sets", set_column=set_column,
                               gene_column=gene_column)
    universe = gene_sets.genes() if isinstance(gene_sets, PreparedGeneSets) else set_genes(pairs)
    check_identifiers(list(ranks), pairs, universe)
    return analyse_pairs(ranks, pairs, n_perm_simple=n_perm_simple, min_size=min_size,
                         max_size=max_size, eps=eps, score_type=score_type,
                         gsea_param=gsea_param, mode=mode, sample_size=sample_size, seed=seed,
                         threads=threads, progress=progress)


def analyse_pairs(
    ranks: dict[str, float], pairs: list[tuple[str, list[str]]], *, n_perm_simple: int = 1000,
    min_size: int = 15, max_size: int = 500, eps: float = 1e-50, score_type: str = "std",
    gsea_param: float = 1.0, mode: str = "quorin", sample_size: int = 101,
    seed: int | None = None, threads: int | None = None, progress: bool | None = None,
    tallies: bool = False,
) -> pd.DataFrame:
    """The analysis of :func:`gsea` on a checked ranking and gene sets.
    `tallies` adds the columns ``n_more_extreme`` and ``n_same_sign``: the
    permutation counts behind each p-value of the simple stage, for callers
    that decide from the counts (the collapse's sequential test)."""
    note_pool_size(threads)

    bar = ProgressBar() if wanted(progress, len(pairs), n_perm_simple) else None
    try:
        rows, used_seed, messages = _core.run_gsea_sets(
            ranks, pairs, nPermSimple=n_perm_simple, seed=seed, nproc=threads or 0,
            minSize=min_size, maxSize=max_size, eps=eps, scoreType=score_type,
            gseaParam=gsea_param, mode=mode, sampleSize=sample_size, progress=bar,
            tallies=tallies,
        )
    except MemoryError as exc:
        raise MemoryError(
            f"the analysis ran out of memory (sample_size={sample_size}, "
            f"n_perm_simple={n_perm_simple}, {len(ranks)} genes, {len(pairs)} gene sets); "
            f"lower sample_size (the multilevel sampler keeps that many random gene sets at "
            f"a time) or max_size"
        ) from exc
    except (ValueError, TypeError, OverflowError) as exc:
        raise in_caller_words(exc) from None
    finally:
        if bar is not None:
            bar.close()

    for message in messages:
        warn(caller_words(message))
    # The core returns one row per gene set within the size bounds.
    left_out = len(pairs) - len(rows)
    if left_out:
        # The bounds as the analysis clamps them.
        low, high = max(min_size, 1), min(max_size, len(ranks) - 1)
        warn(f"{left_out} of {len(pairs)} gene sets were left out: their number of genes "
             f"in the ranking is outside [{low}, {high}] (min_size, max_size)")
    frame = rows_to_frame(rows, used_seed)
    _warn_no_pvalue(frame, n_perm_simple)
    return frame
