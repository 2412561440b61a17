"""Whether a ranking and gene sets name genes the same way.

A ranking of Ensembl IDs against gene sets of symbols, or of mouse symbols
(``Trp53``) against human ones (``TP53``), shares no gene with the sets:
every set then has no gene in the ranking and the analysis ends in an empty
table. :func:`check_identifiers` refuses a ranking that shares no gene with
the sets and warns when it shares few, naming the likely cause from the form
of the identifiers on each side.
"""
from __future__ import annotations

import re
from collections import Counter
from collections.abc import Iterable, Sequence

from varenkopy._warnings import warn

# The ranking shares "few" genes with the sets when fewer than this fraction
# of its genes are in a set AND fewer than this fraction of the sets' genes
# are in the ranking: a small custom collection against a whole-genome
# ranking covers little of the ranking but most of its own genes.
FEW = 0.1
# Identifiers looked at to tell their kind.
_SAMPLE = 2000
# Examples shown in a message.
_SHOWN = 3

_KINDS = (
    ("versioned Ensembl IDs", re.compile(r"ENS[A-Z]*G\d{6,}\.\d+")),
    ("Ensembl IDs", re.compile(r"ENS[A-Z]*G\d{6,}")),
    ("numeric IDs (Entrez IDs?)", re.compile(r"\d+")),
    ("upper-case (human-style) symbols", re.compile(r"(?=[^a-z]*[A-Z])[A-Z0-9][A-Z0-9_.\-]*")),
    ("capitalised (mouse-style) symbols", re.compile(r"[A-Z][a-z0-9_.\-]*[a-z][a-z0-9_.\-]*")),
)
_VERSION = re.compile(r"\.\d+$")


def _kind(ids: Sequence[str]) -> str | None:
    """The form most of `ids` take, or None when no form holds half of them."""
    counts: Counter[str] = Counter()
    for gene in ids[:_SAMPLE]:
        for name, pattern in _KINDS:
            if pattern.fullmatch(gene):
                counts[name] += 1
                break
    if not counts:
        return None
    name, count = counts.most_common(1)[0]
    return name if 2 * count >= min(len(ids), _SAMPLE) else None


def _examples(ids: Iterable[str]) -> str:
    shown = []
    for gene in ids:
        shown.append(repr(gene))
        if len(shown) == _SHOWN:
            break
    return ", ".join(shown)


def _cause(genes: Sequence[str], universe: frozenset[str], set_genes: Sequence[str],
           matched: int) -> str:
    """The likely reason why few of `genes` are in `universe`, in words."""
    ranked, listed = _kind(genes), _kind(set_genes)
    sides = (f"ranking: {_examples(genes)}; gene sets: {_examples(set_genes)}")
    if ranked == "versioned Ensembl IDs" and listed == "Ensembl IDs":
        return (f"the ranking's Ensembl IDs carry version suffixes that the gene sets' lack "
                f"({sides}): strip them, e.g. ranking.index.str.replace(r'\\.\\d+$', '', "
                f"regex=True)")
    if ranked == "Ensembl IDs" and listed == "versioned Ensembl IDs":
        return (f"the gene sets' Ensembl IDs carry version suffixes that the ranking's lack "
                f"({sides}): strip them from the gene sets")
    folded = {g.casefold() for g in universe}
    by_case = sum(g.casefold() in folded for g in genes)
    if by_case >= 2 * max(matched, 1):
        return (f"{by_case} of the ranking's genes match a gene of the sets only when case is "
                f"ignored ({sides}): mouse-style symbols against human gene sets (or the "
                f"reverse)? Use gene sets of the ranking's species, or map the genes to "
                f"orthologues")
    if ranked is not None and listed is not None and ranked != listed:
        return (f"the ranking holds {ranked} and the gene sets {listed} ({sides}): map the "
                f"ranking's genes to the gene sets' identifiers, or use gene sets that name "
                f"genes as the ranking does")
    return (f"check that both name genes the same way, and are of the same species "
            f"({sides})")


def check_identifiers(genes: Sequence[str], pairs: Sequence[tuple[str, Sequence[str]]],
                      universe: frozenset[str]) -> None:
    """Refuses a ranking that shares no gene with the gene sets and warns when
    it shares few, naming the likely cause (identifiers of other kinds, a
    species' case, version suffixes).

    Parameters
    ----------
    genes : sequence of str
        The ranking's genes.
    pairs : sequence of (str, sequence of str)
        The gene sets.
    universe : frozenset of str
        Every gene of the gene sets.
    """
    if not genes or not universe:
        return
    matched = sum(g in universe for g in genes)
    if matched and not (matched < FEW * len(genes) and matched < FEW * len(universe)):
        return
    set_genes = list(dict.fromkeys(g for _, members in pairs for g in members[:_SAMPLE]))
    set_genes = set_genes[:_SAMPLE]
    cause = _cause(genes, universe, set_genes, matched)
    if not matched:
        raise ValueError(f"argument 'ranking': none of its {len(genes)} genes is in any of "
                         f"the {len(pairs)} gene sets; {cause}")
    warn(f"only {matched} of the ranking's {len(genes)} genes are in any of the "
         f"{len(pairs)} gene sets, which hold {len(universe)} genes; {cause}")
