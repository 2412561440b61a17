"""What comes after the results table: leading-edge analysis, overlap of
gene sets, and the collapse of significant sets that only echo a stronger one.

Every function takes a results frame of :func:`varenkopy.gsea` (one row per
gene set, names unique) and orders its significant sets strongest first: by
p-value, then by larger absolute NES, then by name. The collapse is
deterministic for a given seed; its random draws come from the analyses it
runs, each seeded from that seed.
"""
from __future__ import annotations

import math
import secrets
import warnings
from collections.abc import Sequence
from typing import Any

import numpy as np
import pandas as pd

from varenkopy import _core
from varenkopy._analysis import _check_int, analyse_pairs, check_options
from varenkopy._inputs import (
    GeneSetsLike,
    RankingLike,
    gene_sets_to_pairs,
    ranks_dict,
)
from varenkopy._many import signature_seed
from varenkopy._progress import StepBar, wanted
from varenkopy._results import check_result_cells
from varenkopy._warnings import VarenkoWarning, logger

_ON = ("leading_edge", "members")
_METRICS = ("jaccard", "overlap")
# Genes per block of the incidence matrix multiplied in set_overlap: keeps the
# float32 block near 16 MB for a collection of a few thousand sets.
_GENE_BLOCK = 2048
_MASK64 = (1 << 64) - 1


def _check_results(results: object, needed: Sequence[str]) -> pd.DataFrame:
    if not isinstance(results, pd.DataFrame):
        raise TypeError(f"argument 'results': expected a DataFrame from varenkopy.gsea, "
                        f"got {type(results).__name__}")
    missing = [c for c in needed if c not in results.columns]
    if missing:
        raise ValueError(f"argument 'results': missing column(s) {', '.join(missing)}; "
                         f"expected a DataFrame from varenkopy.gsea")
    if "signature" in results.columns and results["signature"].nunique(dropna=False) > 1:
        raise ValueError("argument 'results': rows of several signatures; select one "
                         "signature's rows first (results[results.signature == name])")
    check_result_cells(results)
    repeated = results["pathway"][results["pathway"].duplicated()]
    if len(repeated):
        raise ValueError(f"argument 'results': gene set {str(repeated.iloc[0])!r} occurs "
                         f"more than once")
    return results


def _check_threshold(value: object, name: str) -> float:
    if isinstance(value, bool) or not isinstance(value, (int, float, np.integer, np.floating)):
        raise TypeError(f"argument '{name}': expected float, got {type(value).__name__}")
    number = float(value)
    if not 0.0 <= number <= 1.0:
        raise ValueError(f"argument '{name}': expected a number in [0, 1], got {value!r}")
    return number


def strength_order(results: pd.DataFrame) -> np.ndarray:
    """Row positions of `results` strongest first: by p-value, then larger
    absolute NES, then name; rows without a p-value last."""
    frame = pd.DataFrame({
        "pval": results["pval"].to_numpy(dtype=np.float64),
        "abs_nes": -np.abs(results["nes"].to_numpy(dtype=np.float64)),
        "name": results["pathway"].astype(str).to_numpy(),
    })
    order = frame.sort_values(["pval", "abs_nes", "name"], kind="mergesort",
                              na_position="last").index.to_numpy()
    return order


def significant_rows(results: pd.DataFrame, padj: float) -> np.ndarray:
    """Row positions of the sets with ``padj < padj`` (and a NES), strongest first."""
    order = strength_order(results)
    adjusted = results["padj"].to_numpy(dtype=np.float64)[order]
    nes = results["nes"].to_numpy(dtype=np.float64)[order]
    keep = (adjusted < padj) & ~np.isnan(nes)
    return order[keep]


def leading_edge_matrix(results: pd.DataFrame, *, padj: float = 0.05,
                        top: int | None = None) -> pd.DataFrame:
    """Which genes are in the leading edge of which significant gene set.

    Parameters
    ----------
    results : DataFrame
        Results of :func:`varenkopy.gsea`.
    padj : float, default 0.05
        Sets with an adjusted p-value below this are selected.
    top : int, optional
        Keep only the first `top` selected sets, strongest first (by
        p-value, then absolute NES, then name); None keeps all.

    Returns
    -------
    pandas.DataFrame
        Boolean, genes x sets. Columns are the selected sets strongest first;
        rows are the genes of their leading edges, ordered by the number of
        sets whose leading edge holds them (most first), ties by first
        appearance in the leading edges of the sets in column order. Genes
        at the top of the frame drive several sets at once.

    Raises
    ------
    TypeError, ValueError
        `results` is not a results frame (or holds several signatures), or
        `padj` or `top` is out of range.

    Examples
    --------
    >>> res = varenkopy.gsea(varenkopy.datasets.example_ranking(),
    ...                      varenkopy.datasets.hallmark(), seed=42)
    >>> le = varenkopy.leading_edge_matrix(res, top=10)
    >>> le.sum(axis=1).head()   # genes shared by the most leading edges
    """
    frame = _check_results(results, ("pathway", "nes", "pval", "padj", "leading_edge"))
    threshold = _check_threshold(padj, "padj")
    if top is not None:
        _check_int(top, "top")
        if top < 0:
            raise ValueError("argument 'top': must not be negative")
    rows = significant_rows(frame, threshold)
    if top is not None:
        rows = rows[:top]
    names = [str(frame["pathway"].iat[i]) for i in rows]
    column: Any = frame["leading_edge"]
    edges = [list(column.iat[i]) for i in rows]
    first: dict[str, int] = {}
    for edge in edges:
        for gene in edge:
            first.setdefault(str(gene), len(first))
    genes = list(first)
    matrix = np.zeros((len(genes), len(names)), dtype=bool)
    for j, edge in enumerate(edges):
        matrix[[first[str(g)] for g in edge], j] = True
    counts = matrix.sum(axis=1)
    order = np.lexsort((np.arange(len(genes)), -counts))
    return pd.DataFrame(matrix[order], index=pd.Index([genes[i] for i in order], dtype=object,
                                                      name="gene"),
                        columns=pd.Index(names, dtype=object, name="pathway"))


def _members_of(results: pd.DataFrame, gene_sets: GeneSetsLike | None, on: str,
                ) -> list[set[str]]:
    names = [str(n) for n in results["pathway"]]
    if on == "leading_edge":
        return [{str(g) for g in edge} for edge in results["leading_edge"]]
    if gene_sets is None:
        raise ValueError("argument 'gene_sets': needed for on='members'")
    pairs = dict(gene_sets_to_pairs(gene_sets, "gene_sets"))
    missing = [n for n in names if n not in pairs]
    if missing:
        raise ValueError(f"argument 'gene_sets': no gene set named {missing[0]!r} "
                         f"(a set of the results)")
    return [set(pairs[n]) for n in names]


def overlap_matrix(members: Sequence[set[str]], metric: str) -> np.ndarray:
    """Pairwise Jaccard index or overlap coefficient of gene sets; 0 where a
    set is empty."""
    index: dict[str, int] = {}
    for genes in members:
        for gene in genes:
            index.setdefault(gene, len(index))
    n = len(members)
    rows = np.fromiter((index[g] for genes in members for g in genes), dtype=np.int64)
    cols = np.repeat(np.arange(n), [len(genes) for genes in members])
    # Genes in blocks: each block of the genes x sets incidence matrix adds its
    # co-occurrence counts, which float32 holds exactly below 2**24 genes.
    shared = np.zeros((n, n), dtype=np.float64)
    order = np.argsort(rows, kind="stable")
    rows, cols = rows[order], cols[order]
    for start in range(0, len(index), _GENE_BLOCK):
        lo, hi = np.searchsorted(rows, [start, start + _GENE_BLOCK])
        block = np.zeros((min(_GENE_BLOCK, len(index) - start), n), dtype=np.float32)
        block[rows[lo:hi] - start, cols[lo:hi]] = 1.0
        shared += block.T @ block
    sizes = np.array([len(genes) for genes in members], dtype=np.float64)
    if metric == "jaccard":
        denominator = sizes[:, None] + sizes[None, :] - shared
    else:
        denominator = np.minimum(sizes[:, None], sizes[None, :])
    with np.errstate(divide="ignore", invalid="ignore"):
        result = np.where(denominator > 0, shared / np.where(denominator > 0, denominator, 1),
                          0.0)
    return result


def set_overlap(results: pd.DataFrame, gene_sets: GeneSetsLike | None = None, *,
                on: str = "leading_edge", metric: str = "jaccard") -> pd.DataFrame:
    """How much the gene sets of `results` overlap, pairwise.

    Parameters
    ----------
    results : DataFrame
        Results of :func:`varenkopy.gsea`; every row is a set of the output
        (filter the rows first to compare only some, e.g.
        ``res[res.padj < 0.05]``).
    gene_sets : Mapping, DataFrame or path, optional
        The gene sets of the analysis; needed for ``on="members"``.
    on : {"leading_edge", "members"}, default "leading_edge"
        Compare the sets' leading edges, or their whole member lists as
        given in `gene_sets`.
    metric : {"jaccard", "overlap"}, default "jaccard"
        Jaccard index ``|A & B| / |A | B|`` or overlap coefficient
        ``|A & B| / min(|A|, |B|)``; 0 where a set is empty.

    Returns
    -------
    pandas.DataFrame
        Sets x sets, symmetric, in the row order of `results`, values in
        [0, 1] (1 on the diagonal of non-empty sets).

    Raises
    ------
    TypeError, ValueError
        A bad argument, or a set of `results` that `gene_sets` lacks.

    Examples
    --------
    >>> res = varenkopy.gsea(varenkopy.datasets.example_ranking(),
    ...                      varenkopy.datasets.hallmark(), seed=42)
    >>> sig = res[res.padj < 0.05]
    >>> varenkopy.set_overlap(sig, on="leading_edge").iloc[:3, :3].round(2)
    """
    frame = _check_results(results, ("pathway", "leading_edge"))
    if on not in _ON:
        raise ValueError(f"argument 'on': expected one of {', '.join(_ON)}, got {on!r}")
    if metric not in _METRICS:
        raise ValueError(f"argument 'metric': expected one of {', '.join(_METRICS)}, "
                         f"got {metric!r}")
    members = _members_of(frame, gene_sets, on)
    names = pd.Index([str(n) for n in frame["pathway"]], dtype=object, name="pathway")
    return pd.DataFrame(overlap_matrix(members, metric), index=names, columns=names.copy())


def _quiet_gsea(ranks: dict[str, float], pairs: list[tuple[str, list[str]]],
                options: dict[str, Any]) -> pd.DataFrame:
    """One conditional analysis, with the permutation counts behind each
    p-value (columns ``n_more_extreme`` and ``n_same_sign``); its warnings
    (ties, sizes) repeat those of the first analysis and would flood the
    caller, so they are dropped."""
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", VarenkoWarning)
        disabled = logger.disabled
        logger.disabled = True
        try:
            return analyse_pairs(ranks, pairs, progress=False, tallies=True, **options)
        finally:
            logger.disabled = disabled


# A conditional test is settled once an exact binomial test on its permutation
# counts rejects, at this level on either side, that its p-value equals the
# threshold: a 95% two-sided interval that excludes the threshold.
_SETTLE_ALPHA = 0.025
# Where no counts stand behind a p-value (a multilevel or tail estimate), it
# is settled once the estimate lies more than this many standard errors
# (log2err, on the log2 scale) from the threshold: about the same interval.
_SETTLE_SE = 2.0
# Further random sets of the rounds that repeat an unsettled conditional test,
# in multiples of n_perm_simple: each round adds its draws to the counts so
# far, so that a test still unsettled after the last has been counted against
# 32 times n_perm_simple random sets (at 1,000, with half of them of its sign:
# a p-value near 0.05 known within about 7%, two standard errors). Most tests
# are settled by the first analysis or the first repetition; the doubling
# keeps the cost of those near the threshold at about twice their last round.
_REPEATS = (1, 2, 4, 8, 16)
# The first round counts permutations only when they resolve p-values down to
# eps: with at least this many permutations per eps^-1 a p-value at eps is
# expected to be seen about 10 times among all permutations (about 5 of its
# sign), so estimates below eps are told apart from those above it.
_SIMPLE_RESOLUTION = 10.0


def _binomial_tail(k: int, n: int, t: float, lower: bool) -> float:
    """P(K <= k) (`lower`) or P(K >= k) for K ~ Binomial(n, t), 0 < t < 1;
    1.0, an upper bound, where k lies on the other side of the mean (the
    tail is then at least about a half, which no test here needs exactly)."""
    mean = n * t
    if (lower and k >= mean) or (not lower and k <= mean):
        return 1.0
    log_pmf = (math.lgamma(n + 1) - math.lgamma(k + 1) - math.lgamma(n - k + 1)
               + k * math.log(t) + (n - k) * math.log1p(-t))
    # The terms away from k into the tail shrink at least geometrically.
    total = term = 1.0
    j = k
    odds = t / (1.0 - t)
    while (j > 0) if lower else (j < n):
        if lower:
            term *= j / (n - j + 1) / odds
            j -= 1
        else:
            term *= (n - j) / (j + 1) * odds
            j += 1
        total += term
        if term <= total * 1e-17:
            break
    return math.exp(log_pmf) * total


def _settled_counts(k: int, z: int, threshold: float) -> bool:
    """Whether `k` random scores at least as extreme among `z` of the same
    sign decide ``p <= threshold`` (exact binomial test at `_SETTLE_ALPHA`
    on each side)."""
    if not 0.0 < threshold < 1.0:
        return True
    return (_binomial_tail(k, z, threshold, lower=True) <= _SETTLE_ALPHA
            or _binomial_tail(k, z, threshold, lower=False) <= _SETTLE_ALPHA)


def _settled(p: float, err: float, threshold: float) -> bool:
    """Whether the estimate `p` (log2 standard error `err`, NaN for a p-value
    at the floor eps, which is an upper bound) decides ``p <= threshold``."""
    if math.isnan(p):
        return False
    if math.isnan(err):
        return p <= threshold
    spread = 2.0 ** (_SETTLE_SE * err)
    return p * spread <= threshold or p / spread > threshold


def _more_extreme(scores: np.ndarray, es: float, score_type: str) -> tuple[int, int]:
    """Of the random `scores`, those at least as extreme as `es` and those on
    its side of 0, counted as the analysis counts its permutations."""
    if score_type == "pos" or (score_type == "std" and es > 0):
        return int(np.count_nonzero(scores >= es)), int(np.count_nonzero(scores >= 0))
    if score_type == "std" and es == 0:
        return int(np.count_nonzero(scores <= es)), int(np.count_nonzero(scores >= 0))
    return int(np.count_nonzero(scores <= es)), int(np.count_nonzero(scores <= 0))


def _conditional_tests(
    rest: dict[str, float], tested: list[tuple[str, list[str]]], nes: dict[str, float],
    threshold: float, eps: float, options: dict[str, Any], seed: int,
) -> tuple[dict[str, tuple[float, float, bool]], int]:
    """The conditional tests of the sets `tested` on the ranking `rest`:
    name -> (p-value, NES, whether the p-value is the floor `eps`), and the
    number of analyses and repetitions run.

    Sequential: one analysis runs every test with the options' permutations,
    counted only (when they resolve p-values down to `eps`, see
    `_SIMPLE_RESOLUTION`) or else refined by the multilevel sampler down to
    `eps`. A test its counts (or, for a refined estimate, its error) do not
    settle gets the further random sets of its size of the rounds
    `_REPEATS`, seeded ``signature_seed(signature_seed(seed, r), j)`` for
    round r (from 1) of the j-th test, each round added to its counts and
    settled again; after the last, the estimate ``(k + 1) / (z + 1)``
    decides.
    """
    n_perm = int(options["n_perm_simple"])
    # Refining a p-value already known to lie far below the threshold is
    # what costs time (about five times the counting alone), and the verdict
    # does not need it: counted estimates below eps are reported as eps.
    counted = eps * n_perm >= _SIMPLE_RESOLUTION
    # max_size is clamped to the ranking by the analysis.
    run = dict(options, mode="simple" if counted else "quorin", seed=seed, eps=eps,
               min_size=1, max_size=len(rest))
    first = _quiet_gsea(rest, tested, run)
    runs = 1
    out: dict[str, tuple[float, float, bool]] = {}
    # Unsettled tests: position, name, size, ES, and the counts so far.
    pending: list[tuple[int, str, int, float, int, int]] = []
    position = {name: j for j, (name, _) in enumerate(tested)}
    for name, size, es, p, err, new_nes, at_eps, k, z in zip(
            first["pathway"], first["size"], first["es"].to_numpy(dtype=np.float64),
            first["pval"].to_numpy(dtype=np.float64),
            first["log2err"].to_numpy(dtype=np.float64),
            first["nes"].to_numpy(dtype=np.float64), first["pval_at_eps"],
            first["n_more_extreme"], first["n_same_sign"], strict=True):
        name, p, new_nes, k, z = str(name), float(p), float(new_nes), int(k), int(z)
        out[name] = (p, new_nes, bool(at_eps))
        # Counts carry on where they are what the p-value was estimated
        # from; a multilevel or tail estimate leaves none to add to.
        from_counts = p == (k + 1) / (z + 1)
        if not from_counts:
            k = z = 0
        if math.isnan(p) or math.isnan(new_nes):
            # No p-value (too few random sets of its sign): more draws may give one.
            decided = False
        elif new_nes * nes[name] <= 0:
            # A NES of the other sign decides at once: the set does not stay
            # enriched in its direction whatever its p-value.
            decided = True
        elif from_counts:
            decided = _settled_counts(k, z, threshold)
        else:
            decided = _settled(p, float(err), threshold)
        if not decided:
            pending.append((position[name], name, int(size), float(es), k, z))
    for name, _ in tested:
        # A test the analysis left out (no gene in the ranking) has no p-value.
        out.setdefault(name, (math.nan, math.nan, False))
    score_type = str(options.get("score_type", "std"))
    for round_, factor in enumerate(_REPEATS, start=1):
        if not pending:
            break
        last = round_ == len(_REPEATS)
        round_seed = signature_seed(seed, round_)
        unsettled = []
        for j, name, size, es, k, z in pending:
            # Each test alone, with random sets of its own size: a batch would
            # score random sets of the largest size for every one of them.
            drawn = _core.random_set_scores(
                rest, size, factor * n_perm, signature_seed(round_seed, j),
                scoreType=score_type, gseaParam=float(options.get("gsea_param", 1.0)))
            runs += 1
            more, same = _more_extreme(np.frombuffer(drawn, dtype=np.float64), es, score_type)
            k, z = k + more, z + same
            if z:
                _, new_nes, _ = out[name]
                out[name] = ((k + 1) / (z + 1), new_nes, False)
            if not last and not (z and _settled_counts(k, z, threshold)):
                unsettled.append((j, name, size, es, k, z))
        pending = unsettled
    return out, runs


def collapse_redundant(
    results: pd.DataFrame,
    ranking: RankingLike,
    gene_sets: GeneSetsLike,
    *,
    padj: float = 0.05,
    seed: int | None = None,
    min_overlap: float = 0.1,
    n_perm_simple: int = 1000,
    eps: float | None = None,
    score_type: str = "std",
    gsea_param: float = 1.0,
    threads: int | None = None,
    progress: bool | None = None,
) -> pd.DataFrame:
    """Tells for each significant gene set whether its enrichment stands on its
    own or only echoes a stronger overlapping set.

    The test: the significant sets (``padj < padj``) are taken strongest
    first (p-value, then absolute NES, then name). The strongest is
    independent. Each time a set P is found independent, every weaker
    significant set T that is not yet explained and shares at least
    `min_overlap` of its genes with P (overlap coefficient of the members
    found in the ranking) is analysed again on the ranking with all of P's
    genes taken out. T *stays significant* given P if that analysis gives it
    a p-value at most `padj` with a NES of the same sign. A set is
    independent when it stays significant given every independent stronger
    set it was tested against; otherwise it is explained, and its ``parent``
    is the strongest independent set given which it did not stay
    significant. A set with no gene left outside P is explained by P without
    an analysis.

    A set is called independent only when each of its conditional tests
    rejects, at level `padj`, that its enrichment is due to P's genes: an
    intersection-union test, whose level is `padj` without a correction for
    the number of parents. The conditional analyses use the options given
    here, all sizes (``min_size=1``), and the seed
    ``signature_seed(seed, k)`` for the k-th independent set (from 0), so
    the result depends on the inputs and `seed` alone, not on `threads`.

    Each conditional test is settled with the fewest permutations that
    decide whether its p-value is at most `padj`. A first analysis counts
    `n_perm_simple` permutations of every test: the k random scores at
    least as extreme as the test's among the z of its sign. A test is
    settled when an exact binomial test of those counts rejects
    ``p == padj`` at 2.5% on either side (a 95% interval that excludes
    `padj`). An unsettled test draws further random sets of its own size,
    1, 2, 4, 8, then 16 times `n_perm_simple` of them, each round added to
    its counts and tested again; after the last the estimate
    ``(k + 1) / (z + 1)`` decides. The r-th round of the j-th test of the
    k-th independent set is seeded
    ``signature_seed(signature_seed(signature_seed(seed, k), r), j)``.

    Parameters
    ----------
    results : DataFrame
        Results of :func:`varenkopy.gsea` on `ranking` and `gene_sets`.
    ranking : Series, DataFrame, Mapping or path
        The ranking of the analysis (as for :func:`varenkopy.gsea`).
    gene_sets : Mapping, DataFrame or path
        The gene sets of the analysis.
    padj : float, default 0.05
        Sets with an adjusted p-value below this are significant; the level of
        each conditional test.
    seed : int, optional
        Seed in [0, 2**64) from which the conditional analyses' seeds are
        derived; None takes ``results.attrs["seed"]`` (or draws one when the
        results carry none). The seed used is in
        ``attrs["collapse_seed"]`` of the returned frame.
    min_overlap : float, default 0.1
        Only sets sharing at least this fraction of the smaller set's genes
        with an independent stronger set are tested against it; with less
        overlap taking P's genes out barely changes the set. 0 tests every
        pair that shares a gene.
    eps : float, optional
        Smallest conditional p-value estimated, at most ``padj / 2``; smaller
        ones are reported as `eps`, with ``conditional_pval_at_eps`` True.
        None uses ``padj / 2``: the verdict needs only whether a p-value is
        at most `padj`, and the permutations resolve p-values down to
        ``padj / 2``. An `eps` below ``10 / n_perm_simple`` (``1e-10``, say)
        has the first analysis refine the small p-values with the
        multilevel sampler down to `eps`, at several times the cost.
    n_perm_simple, score_type, gsea_param, threads
        Options of the conditional analyses, as for :func:`varenkopy.gsea`;
        give those of the analysis that made `results`.
    progress : bool, optional
        True shows a progress bar on standard error (the significant sets
        settled so far, and the analyses run), False never; None shows one
        when standard error is a terminal or a notebook and the collapse is
        expected to take more than a couple of seconds.

    Returns
    -------
    pandas.DataFrame
        A copy of `results` with four more columns: ``independent``
        (boolean; NA for sets that are not significant), ``parent`` (the
        name of the set that explains it, else None), ``conditional_pval``
        (for an explained set its p-value given the parent; for an
        independent set the largest of its conditional p-values, NaN when
        it was tested against no set) and ``conditional_pval_at_eps``
        (boolean: True where ``conditional_pval`` is the floor `eps`, an
        upper bound: the p-value is at most that, show it as ``< eps``).
        ``attrs`` keeps those of `results` and adds ``collapse_seed`` and
        ``collapse_options`` (the options, ``eps``, ``padj``,
        ``min_overlap``, ``analyses``: conditional analyses, one per
        independent set with candidates, and ``runs``: those and the
        rounds of further random sets of single tests).

    Raises
    ------
    TypeError, ValueError
        A bad argument, or a significant set missing from `gene_sets`.

    Notes
    -----
    The cost is one analysis per independent set that has weaker
    overlapping candidates, each of only those candidates, plus the further
    random sets of the tests the first analysis leaves unsettled: those near
    `padj`, and those with few random scores of their sign; sets that are
    not significant are never analysed again.

    Examples
    --------
    >>> rnk = varenkopy.datasets.example_ranking()
    >>> gmt = varenkopy.datasets.hallmark()
    >>> res = varenkopy.gsea(rnk, gmt, seed=42)
    >>> col = varenkopy.collapse_redundant(res, rnk, gmt)
    >>> col.loc[col.independent.notna(), ["pathway", "nes", "independent", "parent"]]
    """
    frame = _check_results(results, ("pathway", "nes", "pval", "padj", "leading_edge"))
    threshold = _check_threshold(padj, "padj")
    overlap_needed = _check_threshold(min_overlap, "min_overlap")
    if seed is None:
        attr = frame.attrs.get("seed")
        seed = int(attr) if isinstance(attr, (int, np.integer)) else secrets.randbits(64)
    _check_int(seed, "seed")
    if not 0 <= int(seed) <= _MASK64:
        raise ValueError("argument 'seed': expected an integer in [0, 2**64)")
    if eps is None:
        eps = threshold / 2
    eps = min(_check_threshold(eps, "eps"), threshold / 2)
    check_options({"n_perm_simple": n_perm_simple, "min_size": 1, "max_size": 1,
                   "sample_size": 1, "seed": None, "threads": threads, "progress": progress})
    options: dict[str, Any] = dict(n_perm_simple=n_perm_simple, score_type=score_type,
                                   gsea_param=gsea_param, threads=threads)
    ranks = ranks_dict(ranking, "ranking")
    pairs = dict(gene_sets_to_pairs(gene_sets, "gene_sets"))
    # The ranking as arrays: each conditional analysis takes a float Series of
    # it without some genes, which the analysis reads without checking every
    # score again.
    genes = np.array(list(ranks), dtype=object)
    scores = np.fromiter(ranks.values(), dtype=np.float64, count=len(ranks))
    position = {g: i for i, g in enumerate(ranks)}

    rows = significant_rows(frame, threshold)
    names = [str(frame["pathway"].iat[i]) for i in rows]
    nes = frame["nes"].to_numpy(dtype=np.float64)[rows]
    members: list[set[str]] = []
    for name in names:
        if name not in pairs:
            raise ValueError(f"argument 'gene_sets': no gene set named {name!r} "
                             f"(a significant set of the results)")
        members.append({g for g in pairs[name] if g in ranks})
    overlap = overlap_matrix(members, "overlap") if names else np.zeros((0, 0))
    # Sets that share no gene are never paired, even with min_overlap=0.
    shares = overlap > 0

    parent: list[str | None] = [None] * len(names)
    cond_p = np.full(len(names), math.nan)
    cond_bound = np.zeros(len(names), dtype=bool)
    independent = np.zeros(len(names), dtype=bool)
    explained = np.zeros(len(names), dtype=bool)
    analyses = runs = 0
    bar = StepBar(len(names), "collapsing", "set") if wanted(
        progress, len(names), n_perm_simple) else None
    try:
        for i, name in enumerate(names):
            if explained[i]:
                continue
            independent[i] = True
            later = [j for j in range(i + 1, len(names))
                     if not explained[j] and shares[i, j] and overlap[i, j] >= overlap_needed]
            removed = members[i]
            tested: list[tuple[str, list[str]]] = []
            for j in later:
                left = members[j] - removed
                if left:
                    tested.append((names[j], [g for g in pairs[names[j]] if g in left]))
                else:
                    explained[j], parent[j], cond_p[j] = True, name, math.nan
            if tested:
                keep = np.ones(len(genes), dtype=bool)
                keep[[position[g] for g in removed]] = False
                rest = dict(zip(genes[keep].tolist(), scores[keep].tolist(), strict=True))
                decided, used = _conditional_tests(
                    rest, tested, {names[j]: float(nes[j]) for j in later}, threshold,
                    float(eps), options, signature_seed(int(seed), analyses))
                analyses += 1
                runs += used
                for j in later:
                    if explained[j]:
                        continue
                    p, n, at_eps = decided[names[j]]
                    stays = p <= threshold and n * nes[j] > 0
                    # Below the floor eps a p-value is reported as eps, an upper bound.
                    if p < eps:
                        p, at_eps = float(eps), True
                    if not stays:
                        explained[j], parent[j] = True, name
                        cond_p[j], cond_bound[j] = p, at_eps
                    elif math.isnan(cond_p[j]) or p > cond_p[j]:
                        cond_p[j], cond_bound[j] = p, at_eps
                    elif p == cond_p[j]:
                        cond_bound[j] = cond_bound[j] and at_eps
            if bar is not None:
                bar.advance(int(independent[:i + 1].sum() + explained.sum()) - bar.done,
                            analyses=analyses, runs=runs)
    finally:
        if bar is not None:
            bar.close()

    out = frame.copy()
    out_independent = pd.array([pd.NA] * len(out), dtype="boolean")
    out_parent = np.full(len(out), None, dtype=object)
    out_cond = np.full(len(out), math.nan)
    out_bound = np.zeros(len(out), dtype=bool)
    for k, row in enumerate(rows):
        out_independent[row] = bool(independent[k] and not explained[k])
        out_parent[row] = parent[k]
        out_cond[row] = cond_p[k]
        out_bound[row] = cond_bound[k]
    out["independent"] = out_independent
    out["parent"] = pd.Series(out_parent, index=out.index, dtype=object)
    out["conditional_pval"] = out_cond
    out["conditional_pval_at_eps"] = out_bound
    out.attrs = dict(frame.attrs)
    out.attrs["collapse_seed"] = int(seed)
    out.attrs["collapse_options"] = dict(options, eps=float(eps), padj=threshold,
                                         min_overlap=overlap_needed, analyses=analyses,
                                         runs=runs)
    return out

