"""A static report folder of one analysis that opens offline in any browser.

The pages come from the Jinja2 templates in ``templates/report`` rendered
with autoescaping, so every set or gene name lands as text (SVG text comes
from matplotlib, which escapes it). Every file name made from a set name is
a slug plus a hash of the name: letters, digits, ``_`` and ``-`` only, so it
stays inside the folder and two names never share a file. The folder is
built beside the target and swapped in as a whole by the package's file
rule (:func:`varenkopy._files.replacing_folder`).
"""
from __future__ import annotations

import base64
import datetime
import errno
import hashlib
import io
import json
import math
import os
import re
import stat
import sys
from collections.abc import Iterable, Mapping
from typing import Any

import numpy as np
import pandas as pd

from varenkopy._analysis import COLUMNS, _check_int
from varenkopy._files import read_bytes, read_text, replacing_folder, write_bytes, write_text
from varenkopy._inputs import (
    GeneSetsLike,
    RankingLike,
    ReadFile,
    gene_sets_to_pairs,
    is_path,
    ranks_dict,
    unwrap,
)
from varenkopy._leading_edge import (
    _check_results,
    _check_threshold,
    collapse_redundant,
    strength_order,
)
from varenkopy._pvalues import DEFAULT_EPS, at_floor, conditional_at_floor, format_p
from varenkopy._results import ATTRS_SUFFIX

# Characters kept in the readable part of a file name; the rest become "_".
_SLUG_DROP = re.compile(r"[^A-Za-z0-9_-]+")
_SLUG_LENGTH = 60
_HASH_LENGTH = 12
# Characters that would break a line of the GMT or tab-separated files.
_FIELD_BREAKS = re.compile(r"[\t\r\n]")
_BREAK_NAMES = {"\t": "a tab", "\r": "a carriage return", "\n": "a line break"}
_COLLAPSE_COLUMNS = ("independent", "parent", "conditional_pval")
# Analysis options that the conditional analyses of the collapse share.
_SHARED_OPTIONS = ("n_perm_simple", "score_type", "gsea_param", "threads")
# Columns of a results frame that hold numbers; infinity in one is refused.
_NUMBER_COLUMNS = ("size", "es", "nes", "pval", "padj", "log2err", "conditional_pval")
_MANIFEST = "manifest.json"
# Names of set pages and figures as file_stem makes them.
_PAGE_NAME = re.compile(r"^[A-Za-z0-9_-]+-[0-9a-f]{12}\.(html|svg)$")
# Largest manifest read when recognising an earlier report.
_MANIFEST_LIMIT = 64 << 20
_MINUS = "\N{MINUS SIGN}"


def file_stem(name: str) -> str:
    """A file name stem for gene set `name`: a readable slug of at most 60
    letters, digits, ``_`` and ``-``, then ``-`` and 12 hex digits of the
    SHA-256 of the name. It cannot leave the folder (no ``/``, no dot) and
    differs for different names."""
    slug = _SLUG_DROP.sub("_", name).strip("_-")[:_SLUG_LENGTH] or "set"
    digest = hashlib.sha256(name.encode("utf-8", "surrogatepass")).hexdigest()
    return f"{slug}-{digest[:_HASH_LENGTH]}"


def _number(value: object, digits: int = 3) -> tuple[str, str]:
    """(shown text, sort key) of a number; NaN shows as NA and sorts last,
    infinity as inf."""
    if value is None or value is pd.NA:
        return "NA", ""
    number = float(value)  # type: ignore[arg-type]
    if math.isnan(number):
        return "NA", ""
    if math.isinf(number):
        return ("inf" if number > 0 else "-inf"), repr(number)
    if number == int(number) and abs(number) < 1e15:
        shown = str(int(number))  # counts and ranks in full
    elif abs(number) < 1e-3 or abs(number) >= 1e5:
        shown = f"{number:.{digits - 1}e}"
    else:
        shown = f"{number:.{digits}f}"
    return shown, repr(number)


def _cell(value: object, digits: int = 3) -> dict[str, str]:
    shown, key = _number(value, digits)
    return {"text": shown, "key": key}


def _p_cells(row: Any, attrs: Mapping[Any, Any]) -> tuple[dict[str, str], dict[str, str]]:
    """The p-value and adjusted p-value of a row; a p-value at the floor
    shows as "< 1e-50" and its adjusted value as an upper bound."""
    pval, padj = _cell(row.pval), _cell(row.padj)
    series = pd.Series({"pval": row.pval, "pval_at_eps": getattr(row, "pval_at_eps", None)})
    series.attrs = dict(attrs)
    if at_floor(series, "pval", None):
        pval["text"] = format_p(float(row.pval), True)
        if padj["key"]:
            padj["text"] = "\N{LESS-THAN OR EQUAL TO} " + padj["text"]
    return pval, padj


def _breakable(name: object) -> Any:
    """A set or gene name as HTML text that may wrap after its underscores:
    long collection names have no spaces, and breaking them anywhere else
    makes them hard to read."""
    from markupsafe import Markup, escape

    return escape(str(name)).replace("_", Markup("_<wbr>"))


def _environment() -> Any:
    import jinja2

    env = jinja2.Environment(
        loader=jinja2.PackageLoader("varenkopy", "templates/report"),
        autoescape=True, undefined=jinja2.StrictUndefined, trim_blocks=True,
        lstrip_blocks=True, keep_trailing_newline=True)
    env.filters["breakable"] = _breakable
    return env


class _Pages:
    """Renders the report's pages with one script and style sheet."""

    def __init__(self) -> None:
        from markupsafe import Markup

        self.env = _environment()
        script = self.env.loader.get_source(self.env, "sort.js")[0].strip()
        style = self.env.loader.get_source(self.env, "style.css")[0]
        digest = base64.b64encode(hashlib.sha256(script.encode("utf-8")).digest()).decode("ascii")
        # Only the pages' own script runs, and only sibling files load: an
        # escaping slip elsewhere could not run an injected handler.
        self.common = {
            "policy": (f"default-src 'none'; img-src 'self' file: data:; "
                       f"style-src 'unsafe-inline'; script-src 'sha256-{digest}'"),
            "script": Markup(script), "style": Markup(style)}

    def render(self, template: str, title: str, **values: Any) -> bytes:
        text: str = self.env.get_template(template).render(title=title, **self.common, **values)
        return text.encode("utf-8")


def _sha256_of(data: bytes) -> str:
    return hashlib.sha256(data).hexdigest()


def _input_record(source: object, canonical: bytes) -> dict[str, Any]:
    """Provenance of an input: the SHA-256 of its file when given as a path,
    else of its canonical text as written beside the report."""
    if isinstance(source, ReadFile):  # read once by the caller
        return {"source": "file", "name": os.path.basename(source.path),
                "sha256": source.sha256, "bytes": source.size}
    if is_path(source):
        path = os.fspath(source)  # type: ignore[call-overload]
        with open(path, "rb") as fh:  # the bytes as given, compressed or not
            data = fh.read()
        return {"source": "file", "name": os.path.basename(path), "sha256": _sha256_of(data),
                "bytes": len(data)}
    return {"source": type(source).__name__, "sha256": _sha256_of(canonical),
            "bytes": len(canonical), "note": "SHA-256 of the written copy"}


def _ranking_text(ranks: dict[str, float]) -> str:
    order = sorted(ranks.items(), key=lambda kv: -kv[1])  # stable: ties keep their order
    return "".join(f"{g}\t{score!r}\n" for g, score in order)


def _gmt_text(names: Iterable[str], pairs: dict[str, list[str]]) -> str:
    return "".join(f"{name}\t{name}\t{chr(9).join(pairs[name])}\n" for name in names)


def enrichment_map_table(results: pd.DataFrame) -> str:
    """The results as the generic enrichment table that network tools read:
    tab-separated, a header, then one row per set with a p-value, FDR and
    NES: ID (the name in the GMT), description, p-value, FDR q-value,
    phenotype (+1 enriched at the top of the ranking, -1 at the bottom) and
    the leading-edge genes joined by commas. Names must hold no tab or line
    break (:func:`write_report` refuses them)."""
    lines = ["GO.ID\tDescription\tP.Value\tFDR\tPhenotype\tGenes\n"]
    row: Any
    for row in results.itertuples(index=False):
        p, q, nes = float(row.pval), float(row.padj), float(row.nes)
        if math.isnan(p) or math.isnan(q) or math.isnan(nes) or nes == 0:
            continue
        name = str(row.pathway)
        genes = ",".join(str(g) for g in row.leading_edge)
        lines.append(f"{name}\t{name}\t{p!r}\t{q!r}\t{'+1' if nes > 0 else '-1'}\t{genes}\n")
    return "".join(lines)


def _check_finite(frame: pd.DataFrame) -> None:
    """Infinity in a number column is refused: no analysis gives it, and the
    tables and the manifest cannot show it as a number."""
    for column in _NUMBER_COLUMNS:
        if column not in frame.columns:
            continue
        values = pd.to_numeric(frame[column], errors="coerce").to_numpy(dtype=np.float64,
                                                                       na_value=np.nan)
        bad = np.flatnonzero(np.isinf(values))
        if len(bad):
            i = int(bad[0])
            raise ValueError(f"argument 'results': column {column!r} holds {float(values[i])!r} "
                             f"(gene set {str(frame['pathway'].iat[i])!r}, row {i}); a results "
                             f"frame of varenkopy.gsea has only finite numbers or NaN there")


def _check_fields(frame: pd.DataFrame, pairs: dict[str, list[str]],
                  ranks: dict[str, float]) -> None:
    """Names written as fields of the GMT, TSV and ranking files may hold no
    tab or line break: the file would split them or, with the character
    replaced, merge them with another name."""
    def refuse(what: str, name: str, where: str) -> None:
        found = _FIELD_BREAKS.search(name)
        if found:
            raise ValueError(f"{what} {name!r}{where} holds {_BREAK_NAMES[found.group()]}, "
                             f"which gene_sets.gmt, enrichment_map.txt and results.tsv cannot "
                             f"hold; rename it")

    for name in frame["pathway"]:
        refuse("argument 'results': gene set", str(name), "")
        for gene in pairs[str(name)]:
            refuse("argument 'gene_sets': gene", gene, f" (in gene set {str(name)!r})")
    for gene in ranks:
        refuse("argument 'ranking': gene", gene, "")


def _descriptions(gene_sets: object, names: set[str]) -> dict[str, str]:
    """The description (second field) of each named set of a GMT file; none
    for gene sets given as objects."""
    if isinstance(gene_sets, ReadFile):  # read once, its descriptions kept then
        found = gene_sets.descriptions or {}
        return {name: found[name] for name in names if name in found}
    if not is_path(gene_sets):
        return {}
    return gmt_descriptions(read_text(os.fspath(gene_sets)), names)  # type: ignore[call-overload]


def gmt_descriptions(text: str, names: set[str]) -> dict[str, str]:
    """The description (second field) of each named set in GMT `text`; the
    first line of a name counts."""
    found: dict[str, str] = {}
    for line in text.split("\n"):
        fields = line.rstrip("\r").split("\t")
        name = fields[0].strip()
        if len(fields) >= 2 and name in names and name not in found:
            found[name] = fields[1].strip()
    return found


def _is_url(text: str) -> bool:
    return re.fullmatch(r"https?://[^\s\"'<>]+", text) is not None


def _check_replaceable(folder: str) -> None:
    """Raises unless `folder` is empty or an earlier report: its manifest is
    ours and it holds only the files the manifest names (and set pages)."""
    entries = os.listdir(folder)
    if not entries:
        return
    manifest_path = os.path.join(folder, _MANIFEST)
    refuse = (f"argument 'outdir': {folder!r} is a folder that is not a varenkopy report "
              f"(no {_MANIFEST} of a report in it); the report replaces its folder as a "
              f"whole, so choose a new or empty folder")
    try:
        if not stat.S_ISREG(os.lstat(manifest_path).st_mode):
            raise ValueError(refuse)
        recorded = json.loads(read_text(manifest_path, limit=_MANIFEST_LIMIT))
    except (OSError, ValueError):
        if not os.path.isdir(folder):  # a concurrent run has just moved it away
            raise FileNotFoundError(errno.ENOENT, os.strerror(errno.ENOENT), folder) from None
        raise ValueError(refuse) from None
    if (not isinstance(recorded, dict) or recorded.get("generator") != "varenkopy"
            or not isinstance(recorded.get("files"), dict)):
        raise ValueError(refuse)
    listed = {_MANIFEST, *map(str, recorded["files"])}
    for top, dirs, files in os.walk(folder):  # links to folders are not entered
        for entry in [*files, *dirs]:
            relative = os.path.relpath(os.path.join(top, entry), folder).replace(os.sep, "/")
            if relative in listed or relative == "sets":
                continue
            if relative.startswith("sets/") and _PAGE_NAME.match(relative[5:]):
                continue  # a page of a report written before the folder was replaced whole
            raise ValueError(f"argument 'outdir': {folder!r} holds {relative!r}, which is not "
                             f"part of the report written there; the report replaces its "
                             f"folder as a whole, so move that away or choose another folder")


def _svg_bytes(figure: Any, tight: bool = True) -> bytes:
    import matplotlib.pyplot as plt

    buffer = io.BytesIO()
    try:
        figure.savefig(buffer, format="svg", bbox_inches="tight" if tight else None,
                       metadata={"Date": None})
    finally:
        plt.close(figure)
    return buffer.getvalue()


def _as_figure(drawn: Any) -> Any:
    # An Axes-returning plot hands back its figure through .figure.
    return drawn if hasattr(drawn, "savefig") else drawn.figure


def _heatmap_rows(ax: Any, names: list[str], pages: dict[str, str]) -> list[dict[str, Any]]:
    """Where each row of the saved heatmap lies, in percent of the figure,
    from its left edge to the right of the cells: links laid over the image
    follow it however wide the page shows it. Read after saving, so the
    layout is the one the SVG file holds."""
    box = ax.get_position()  # in figure fractions
    bottom_limit, top_limit = ax.get_ylim()  # rows run downwards: (n, 0)
    span = top_limit - bottom_limit
    rows = []
    for i, name in enumerate(names):
        upper = box.y0 + (i - bottom_limit) / span * box.height
        lower = box.y0 + (i + 1 - bottom_limit) / span * box.height
        rows.append({"name": name, "href": pages[name], "left": 0.0,
                     "width": round(100 * box.x1, 3),
                     "top": round(100 * (1 - upper), 3),
                     "height": round(100 * (upper - lower), 3)})
    return rows


def _members(ranks: dict[str, float], position: dict[str, int], genes: list[str],
             leading: set[str], options: Mapping[str, Any]
             ) -> tuple[list[dict[str, Any]], list[str]]:
    """Every gene of a set in the ranking, in rank order, with its score and
    the running enrichment score just after it; and the genes not ranked."""
    from varenkopy import _core

    unique = list(dict.fromkeys(genes))  # a gene listed twice counts once
    ranked = [g for g in unique if g in ranks]
    absent = [g for g in unique if g not in ranks]
    if not ranked:
        return [], absent
    raw = _core.running_sum(ranks, ranked, scoreType=str(options.get("score_type", "std")),
                            gseaParam=float(options.get("gsea_param", 1.0)))
    order = sorted(ranked, key=lambda g: position[g])
    rows = []
    for gene, rank, running in zip(order, raw["positions"], raw["top"], strict=True):
        rows.append({"name": gene, "rank": _cell(int(rank) + 1), "score": _cell(ranks[gene]),
                     "running": _cell(float(running)), "leading": gene in leading})
    return rows, absent


def _stats_text(row: Any, attrs: Mapping[Any, Any]) -> str:
    pval, padj = _p_cells(row, attrs)
    nes = _number(row.nes)[0].replace("-", _MINUS)
    bound = pval["text"].startswith("<")
    return (f"NES {nes}, p {'' if bound else '= '}{pval['text']}, adj. p "
            f"{'' if padj['text'].startswith(chr(0x2264)) else '= '}{padj['text']}")


def write_report(
    results: pd.DataFrame,
    ranking: RankingLike,
    gene_sets: GeneSetsLike,
    outdir: str | os.PathLike[str],
    *,
    top: int = 20,
    padj: float = 0.05,
    title: str | None = None,
    options: Mapping[str, Any] | None = None,
) -> dict[str, Any]:
    """Writes a self-contained report folder of an analysis.

    The folder opens offline in any browser and can be zipped and sent:

    ``index.html``
        The positive and negative sets in tables that sort on a click, the
        leading-edge heatmap of the top sets (a click on a row opens the
        set's page), the redundancy grouping of the significant sets and the
        provenance of the run.
    ``sets/<name>-<hash>.html`` and ``.svg``
        A page per top set (the first `top` of each direction, strongest
        first, and the sets of the heatmap): its enrichment plot, numbers,
        description (or link) from the GMT file, and every gene of the set
        in the ranking with its rank, score, running enrichment score and
        whether it is in the leading edge.
    ``plots.html``
        The enrichment plots of the top sets side by side.
    ``leading_edge.svg``
        The leading-edge heatmap of the top `top` significant sets.
    ``results.tsv``
        The results as the command line writes them (full precision,
        ``pval_at_eps`` kept).
    ``enrichment_map.txt``, ``gene_sets.gmt``, ``ranking.rnk``
        The results as a generic enrichment table for network tools (ID,
        description, p-value, FDR, phenotype +1/-1, leading-edge genes), the
        GMT whose names are those IDs, and the ranking.
    ``manifest.json``
        Provenance: package version, seed, options, SHA-256 of the inputs
        and of every file written (the list by which a later report
        recognises the folder as one it may replace), counts and the date.

    A p-value at the analysis' floor (``pval_at_eps``) shows as ``< 1e-50``
    (the `eps` used) and its adjusted p-value as an upper bound.

    Parameters
    ----------
    results : DataFrame
        Results of :func:`varenkopy.gsea` on `ranking` and `gene_sets`. When
        they lack the columns of :func:`varenkopy.collapse_redundant`, it is
        run here with `padj` and the results' seed.
    ranking : Series, DataFrame, Mapping or path
        The ranking of the analysis.
    gene_sets : Mapping, DataFrame or path
        The gene sets of the analysis.
    outdir : str or os.PathLike
        The folder. It is built anew beside `outdir` and swapped in whole:
        an earlier report there is replaced (none of its files stay), and
        after a failure or an interruption it is left as it was. A folder
        that is not empty and is not a report (no ``manifest.json`` of one,
        or files the manifest does not name) is refused, never emptied.
    top : int, default 20
        Sets per direction that get a page; also the sets of the heatmap.
    padj : float, default 0.05
        Significance threshold of the heatmap and the redundancy grouping.
    title : str, optional
        Title of the index page.
    options : Mapping, optional
        The options of :func:`varenkopy.gsea` that made `results`, recorded
        in the manifest; those the conditional analyses of
        :func:`varenkopy.collapse_redundant` share (``n_perm_simple``,
        ``score_type``, ``gsea_param``, ``threads``) are passed on.

    Returns
    -------
    dict
        The manifest, as written to ``manifest.json``.

    Raises
    ------
    ImportError
        matplotlib or Jinja2 is not installed (``pip install "varenkopy[plot]"``).
    TypeError, ValueError
        A bad argument; infinity in a number column of `results`; a set or
        gene name with a tab or line break (the GMT and TSV files cannot hold
        it); `outdir` holds something other than a report.
    OSError
        The folder or a file in it cannot be written.

    Examples
    --------
    >>> rnk = varenkopy.datasets.example_ranking()
    >>> gmt = varenkopy.datasets.hallmark()
    >>> res = varenkopy.gsea(rnk, gmt, seed=42)
    >>> manifest = varenkopy.write_report(res, rnk, gmt, "tcga-report", top=10)
    >>> manifest["counts"]["significant"]
    """
    try:
        import matplotlib
    except ImportError:
        raise ImportError('write_report needs matplotlib: pip install "varenkopy[plot]"') from None
    try:
        import jinja2  # noqa: F401
    except ImportError:
        raise ImportError('write_report needs Jinja2: pip install "varenkopy[plot]"') from None
    from varenkopy import __version__, pl
    from varenkopy.cli import write_tsv

    frame = _check_results(results, ("pathway", "size", "es", "nes", "pval", "padj",
                                     "log2err", "leading_edge"))
    _check_int(top, "top")
    if top < 0:
        raise ValueError("argument 'top': must not be negative")
    threshold = _check_threshold(padj, "padj")
    if title is not None and not isinstance(title, str):
        raise TypeError(f"argument 'title': expected str, got {type(title).__name__}")
    given = dict(options) if options is not None else {}
    ranks = ranks_dict(unwrap(ranking), "ranking")
    pairs = dict(gene_sets_to_pairs(unwrap(gene_sets), "gene_sets"))
    missing = [str(n) for n in frame["pathway"] if str(n) not in pairs]
    if missing:
        raise ValueError(f"argument 'gene_sets': no gene set named {missing[0]!r} "
                         f"(a set of the results)")
    _check_finite(frame)
    _check_fields(frame, pairs, ranks)
    analysis_columns = [c for c in COLUMNS if c in frame.columns]
    analysis_frame = frame[analysis_columns]

    with replacing_folder(outdir, _check_replaceable) as folder:
        collapse_done_here = not all(c in frame.columns for c in _COLLAPSE_COLUMNS)
        if collapse_done_here:
            shared = {k: v for k, v in given.items() if k in _SHARED_OPTIONS}
            frame = collapse_redundant(frame, ranks, pairs, padj=threshold, **shared)
        _check_finite(frame)
        manifest = _build(frame, analysis_frame, ranks, pairs, folder, given, top, threshold,
                          title, collapse_done_here, ranking, gene_sets, write_tsv,
                          __version__, matplotlib, pl)
    return manifest


def _build(frame: pd.DataFrame, analysis_frame: pd.DataFrame, ranks: dict[str, float],
           pairs: dict[str, list[str]], folder: str, given: dict[str, Any], top: int,
           threshold: float, title: str | None, collapse_done_here: bool, ranking: object,
           gene_sets: object, write_tsv: Any, version: str, matplotlib: Any, pl: Any
           ) -> dict[str, Any]:
    """Writes the report's files into the new `folder`; returns the manifest."""
    attrs = frame.attrs
    order = strength_order(frame)
    ordered = frame.iloc[order]
    nes = ordered["nes"].to_numpy(dtype=np.float64)
    positive = ordered[nes > 0]
    negative = ordered[nes < 0]
    undirected = ordered[~(nes > 0) & ~(nes < 0)]

    significant = frame[(frame["padj"] < threshold) & frame["nes"].notna()]
    # The heatmap's rows: the significant sets by adjusted p-value, as it orders them.
    sort_by = ["padj", "pval"]
    heat_rows = significant.sort_values(sort_by, kind="mergesort").head(top) if top else \
        significant.iloc[:0]
    top_rows = pd.concat([positive.head(top), negative.head(top)])
    paged = pd.concat([top_rows, heat_rows[~heat_rows["pathway"].isin(top_rows["pathway"])]])
    stems = {str(n): file_stem(str(n)) for n in paged["pathway"]}
    pages_root = {n: f"sets/{s}.html" for n, s in stems.items()}
    pages_sets = {n: f"{s}.html" for n, s in stems.items()}
    descriptions = _descriptions(gene_sets, set(stems))
    renderer = _Pages()

    os.mkdir(os.path.join(folder, "sets"))
    written: dict[str, bytes] = {}

    def put(relative: str, data: bytes) -> None:
        write_bytes(os.path.join(folder, *relative.split("/")), data)
        written[relative] = data

    # The curve of each figure is drawn with the analysis' weighting.
    plot_options: dict[str, Any] = {k: given[k] for k in ("score_type", "gsea_param", "eps") if k in given}
    heatmap: dict[str, Any] | None = None
    # Rank of each gene: by score, ties in the ranking's order, as the core ranks them.
    position = {g: i for i, g in enumerate(sorted(ranks, key=lambda g: -ranks[g]))}
    with matplotlib.rc_context({"svg.hashsalt": "varenkopy-report", "svg.fonttype": "path"}):
        row: Any
        for row in paged.itertuples(index=False):
            name = str(row.pathway)
            stem = stems[name]
            figure = _as_figure(pl.enrichment(ranks, name, pairs, result=frame, **plot_options))
            put(f"sets/{stem}.svg", _svg_bytes(figure))
            put(f"sets/{stem}.html", _set_page(renderer, row, attrs, ranks, position,
                                               pairs[name], descriptions.get(name, ""),
                                               f"{stem}.svg", pages_sets, plot_options))
        if len(heat_rows):
            ax = pl.leading_edge_heatmap(heat_rows, pairs, top=len(heat_rows), alpha=threshold)
            names = [str(n) for n in heat_rows["pathway"]]
            figure = _as_figure(ax)
            size = figure.get_size_inches() * 72  # SVG points
            put("leading_edge.svg", _svg_bytes(figure, tight=False))
            rows = _heatmap_rows(ax, names, pages_root)
            # Shown half again as large as its natural size: gene names
            # under the cells are small.
            heatmap = {"rows": rows, "width": round(float(size[0]) * 2),
                       "height": round(float(size[1]) * 2)}

    rnk_text = _ranking_text(ranks)
    gmt_text = _gmt_text([str(n) for n in frame["pathway"]], pairs)
    put("enrichment_map.txt", enrichment_map_table(ordered).encode("utf-8"))
    put("gene_sets.gmt", gmt_text.encode("utf-8"))
    put("ranking.rnk", rnk_text.encode("utf-8"))
    results_path = os.path.join(folder, "results.tsv")
    write_tsv(analysis_frame, results_path)
    written["results.tsv"] = read_bytes(results_path)
    # The table's attrs (the seed, ...) go beside it, for read_results.
    if os.path.exists(results_path + ATTRS_SUFFIX):
        written["results.tsv" + ATTRS_SUFFIX] = read_bytes(results_path + ATTRS_SUFFIX)

    seed = attrs.get("seed")
    counts = {
        "genes_in_ranking": len(ranks),
        "gene_sets_given": len(pairs),
        "gene_sets_analysed": len(frame),
        "significant": len(significant),
        "significant_positive": int((significant["nes"] > 0).sum()),
        "significant_negative": int((significant["nes"] < 0).sum()),
        "independent": int((frame["independent"] == True).sum()),  # noqa: E712
        "pages": len(paged),
    }
    heading = title if title is not None else "Gene set enrichment report"
    date = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0).isoformat()

    def table(rows: pd.DataFrame) -> list[dict[str, Any]]:
        out = []
        row: Any
        for rank, row in enumerate(rows.itertuples(index=False), start=1):
            name = str(row.pathway)
            pval, padj = _p_cells(row, attrs)
            independent = row.independent
            parent = "" if row.parent is None else str(row.parent)
            out.append({"rank": _cell(rank), "name": name, "href": pages_root.get(name),
                        "size": _cell(row.size), "es": _cell(row.es), "nes": _cell(row.nes),
                        "pval": pval, "padj": padj, "leading": _cell(len(row.leading_edge)),
                        "independent": "" if independent is pd.NA else
                        ("yes" if independent else "no"),
                        "parent": parent, "parent_href": pages_root.get(parent)})
        return out

    put("index.html", renderer.render(
        "index.html", heading, heading=heading, version=version, seed=seed, date=date,
        counts=counts, threshold=threshold, positive=table(positive), negative=table(negative),
        undirected=table(undirected), heatmap=heatmap, floor=_floor_text(frame, given),
        groups=_groups(frame, order, pages_root)))
    sections = []
    for label, rows in (("Enriched at the top of the ranking (NES > 0)", positive.head(top)),
                        ("Enriched at the bottom of the ranking (NES < 0)", negative.head(top))):
        sections.append({"title": label, "figures": [
            {"name": str(r.pathway), "href": pages_root[str(r.pathway)],
             "svg": f"sets/{stems[str(r.pathway)]}.svg", "stats": _stats_text(r, attrs)}
            for r in rows.itertuples(index=False)]})
    put("plots.html", renderer.render("plots.html", f"{heading}: top sets", heading=heading,
                                      sections=sections))

    collapse_options = attrs.get("collapse_options", {})
    manifest: dict[str, Any] = {
        "generator": "varenkopy",
        "version": version,
        "python": sys.version.split()[0],
        "matplotlib": matplotlib.__version__,
        "date": date,
        "seed": seed,
        "collapse_seed": attrs.get("collapse_seed"),
        "options": {"top": top, "padj": threshold, "title": title,
                    "analysis": given,
                    "collapse": dict(collapse_options),
                    "collapse_run_by_report": collapse_done_here},
        "inputs": {"ranking": _input_record(ranking, rnk_text.encode("utf-8")),
                   "gene_sets": _input_record(gene_sets, gmt_text.encode("utf-8"))},
        "counts": counts,
        "files": {name: {"sha256": _sha256_of(data), "bytes": len(data)}
                  for name, data in sorted(written.items())},
    }
    text = json.dumps(manifest, indent=2, ensure_ascii=True, allow_nan=False,
                      default=_json_default)
    write_text(os.path.join(folder, _MANIFEST), text + "\n")
    recorded: dict[str, Any] = json.loads(text)
    return recorded


def _floor_text(frame: pd.DataFrame, given: Mapping[str, Any]) -> str:
    """The p-value floor of the analysis as a label shows it ("1e-50")."""
    eps = float(given.get("eps", DEFAULT_EPS))
    if "pval_at_eps" in frame.columns:
        floored = frame["pval"][frame["pval_at_eps"].astype(bool)]
        if len(floored):
            eps = float(floored.iloc[0])
    return format_p(eps, True)[2:]


def _groups(frame: pd.DataFrame, order: Iterable[int], pages: dict[str, str]
            ) -> list[dict[str, Any]]:
    """The independent significant sets, each with the sets it explains."""
    children: dict[str, list[dict[str, Any]]] = {}
    roots: list[dict[str, Any]] = []
    for i in order:
        independent = frame["independent"].iat[i]
        if independent is pd.NA:
            continue
        name = str(frame["pathway"].iat[i])
        entry: dict[str, Any] = {"name": name, "href": pages.get(name),
                 "nes": _number(frame["nes"].iat[i])[0], "children": []}
        if independent:
            roots.append(entry)
        else:
            children.setdefault(str(frame["parent"].iat[i]), []).append(entry)
    for root in roots:
        root["children"] = children.get(root["name"], [])
    return roots


def _set_page(renderer: _Pages, row: Any, attrs: Mapping[Any, Any], ranks: dict[str, float],
              position: dict[str, int], genes: list[str], description: str, svg_name: str,
              pages: dict[str, str], options: Mapping[str, Any]) -> bytes:
    name = str(row.pathway)
    pval, padj = _p_cells(row, attrs)
    numbers = [("size (genes in the ranking)", _number(row.size)[0]),
               ("enrichment score (ES)", _number(row.es)[0]),
               ("normalised ES (NES)", _number(row.nes)[0]),
               ("p-value", pval["text"]),
               ("adjusted p-value (BH)", padj["text"]),
               ("log2 error of the p-value", _number(row.log2err)[0]),
               ("leading-edge genes", str(len(row.leading_edge)))]
    verdict = None
    if row.independent is not pd.NA:
        conditional = float(row.conditional_pval)
        if math.isnan(conditional):
            shown = "not tested (no stronger overlapping set)"
        else:
            shown = format_p(conditional, conditional_at_floor(row._asdict(), attrs))
        parent = None if row.independent else str(row.parent)
        verdict = {"parent": parent, "parent_href": pages.get(parent or ""),
                   "conditional": shown}
    leading = {str(g) for g in row.leading_edge}
    members, absent = _members(ranks, position, genes, leading, options)
    return renderer.render(
        "set.html", name, name=name, url=description if _is_url(description) else "",
        description=description, numbers=numbers, verdict=verdict, svg=svg_name,
        members=members, absent=absent, leading=sum(m["leading"] for m in members))


def _json_default(value: object) -> object:
    if isinstance(value, np.integer):
        return int(value)
    if isinstance(value, np.floating):
        number = float(value)
        return None if math.isnan(number) else number
    return str(value)
