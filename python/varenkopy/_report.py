"""A static report folder of one analysis that opens offline in any browser.

Everything a gene set or gene name reaches is escaped for where it lands
(HTML text and attributes, JSON, SVG from matplotlib), and every file name
made from a set name is a slug plus a hash of the name: letters, digits,
``_`` and ``-`` only, so it stays inside the folder and two names never
share a file. All files are written through the package's file rule.
"""
from __future__ import annotations

import datetime
import hashlib
import html
import io
import json
import math
import os
import re
import sys
from collections.abc import Iterable, Mapping
from typing import Any

import numpy as np
import pandas as pd

from varenkopy._analysis import _check_int
from varenkopy._files import write_bytes, write_text
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

# Characters kept in the readable part of a file name; the rest become "_".
_SLUG_DROP = re.compile(r"[^A-Za-z0-9_-]+")
_SLUG_LENGTH = 60
_HASH_LENGTH = 12
# Characters that would break a line of the GMT or tab-separated files.
_FIELD_BREAKS = re.compile(r"[\t\r\n]")
_COLLAPSE_COLUMNS = ("independent", "parent", "conditional_pval")
# Analysis options that the conditional analyses of the collapse share.
_SHARED_OPTIONS = ("n_perm_simple", "score_type", "gsea_param", "threads")

# Sorts a table when its header is clicked: numbers by data-v (empty last),
# text by its content; a second click reverses. No external resource.
_SORT_SCRIPT = """
document.querySelectorAll("table.sortable").forEach(function (table) {
  var heads = table.tHead.rows[0].cells;
  Array.prototype.forEach.call(heads, function (th, col) {
    th.tabIndex = 0;
    function sort() {
      var asc = th.getAttribute("aria-sort") !== "ascending";
      Array.prototype.forEach.call(heads, function (h) { h.removeAttribute("aria-sort"); });
      th.setAttribute("aria-sort", asc ? "ascending" : "descending");
      var num = th.dataset.type === "num";
      var body = table.tBodies[0];
      var rows = Array.prototype.slice.call(body.rows);
      function key(row) {
        var cell = row.cells[col];
        if (!num) { return cell.textContent; }
        var v = cell.dataset.v;
        return v === undefined || v === "" ? null : parseFloat(v);
      }
      rows.sort(function (a, b) {
        var x = key(a), y = key(b);
        if (x === y) { return 0; }
        if (x === null) { return 1; }
        if (y === null) { return -1; }
        var c = num ? x - y : String(x).localeCompare(String(y));
        return asc ? c : -c;
      });
      rows.forEach(function (row) { body.appendChild(row); });
    }
    th.addEventListener("click", sort);
    th.addEventListener("keydown", function (e) { if (e.key === "Enter") { sort(); } });
  });
});
"""

_STYLE = """
body { font-family: sans-serif; margin: 1.5em auto; max-width: 72em; padding: 0 1em;
       color: #222; }
h1 { font-size: 1.5em; overflow-wrap: anywhere; }
h2 { font-size: 1.2em; margin-top: 1.6em; }
table { border-collapse: collapse; font-size: 0.85em; margin: 0.5em 0; }
th, td { border-bottom: 1px solid #ddd; padding: 0.2em 0.6em; text-align: left;
         vertical-align: top; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
table.sortable th { cursor: pointer; background: #f3f3f3; user-select: none; }
table.sortable th[aria-sort=ascending]::after { content: " \\25B2"; }
table.sortable th[aria-sort=descending]::after { content: " \\25BC"; }
td.name { max-width: 34em; overflow-wrap: anywhere; }
.wrap { max-height: 32em; overflow: auto; border: 1px solid #ddd; }
.wrap table { margin: 0; }
.wrap thead th { position: sticky; top: 0; }
img.figure { max-width: 100%; height: auto; border: 1px solid #eee; }
img.plot { width: 36em; }
img.heatmap { width: 56em; }
dl.numbers { display: grid; grid-template-columns: max-content auto; gap: 0.1em 1em; }
dl.numbers dt { font-weight: bold; }
dl.numbers dd { margin: 0; }
.note { color: #555; font-size: 0.9em; }
ul.groups li { margin: 0.2em 0; }
"""


def file_stem(name: str) -> str:
    """A file name stem for gene set `name`: a readable slug of at most 60
    letters, digits, ``_`` and ``-``, then ``-`` and 12 hex digits of the
    SHA-256 of the name. It cannot leave the folder (no ``/``, no dot) and
    differs for different names."""
    slug = _SLUG_DROP.sub("_", name).strip("_-")[:_SLUG_LENGTH] or "set"
    digest = hashlib.sha256(name.encode("utf-8", "surrogatepass")).hexdigest()
    return f"{slug}-{digest[:_HASH_LENGTH]}"


def _esc(value: object) -> str:
    return html.escape(str(value), quote=True)


def _number(value: object, digits: int = 3) -> tuple[str, str]:
    """(shown text, sort key) of a number; NaN shows as NA and sorts last."""
    if value is None or value is pd.NA:
        return "NA", ""
    number = float(value)  # type: ignore[arg-type]
    if math.isnan(number):
        return "NA", ""
    if number == int(number) and abs(number) < 1e15:
        shown = str(int(number))  # counts and ranks in full
    elif abs(number) < 1e-3 or abs(number) >= 1e5:
        shown = f"{number:.{digits - 1}e}"
    else:
        shown = f"{number:.{digits}f}"
    return shown, repr(number)


def _name(name: str) -> str:
    """A set or gene name as HTML text that may wrap after its underscores:
    long collection names have no spaces, and breaking them anywhere else
    makes them hard to read."""
    return _esc(name).replace("_", "_<wbr>")


def _num_cell(value: object, digits: int = 3) -> str:
    shown, key = _number(value, digits)
    return f'<td class="n" data-v="{_esc(key)}">{_esc(shown)}</td>'


def _field(text: str) -> str:
    """A name as one field of a tab-separated or GMT line."""
    return _FIELD_BREAKS.sub(" ", text)


def _page(title: str, body: str) -> str:
    script = _SORT_SCRIPT.strip()
    digest = hashlib.sha256(script.encode("utf-8")).digest()
    import base64

    script_hash = base64.b64encode(digest).decode("ascii")
    # Only this page's own script runs, and only sibling files load: an
    # escaping slip elsewhere could not run an injected handler.
    policy = (f"default-src 'none'; img-src 'self' file: data:; style-src 'unsafe-inline'; "
              f"script-src 'sha256-{script_hash}'")
    return (
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        f"<meta http-equiv=\"Content-Security-Policy\" content=\"{_esc(policy)}\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        f"<title>{_esc(title)}</title>\n<style>{_STYLE}</style>\n</head>\n<body>\n"
        f"{body}\n<script>{script}</script>\n</body>\n</html>\n"
    )


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
        with open(path, "rb") as fh:
            data = fh.read()
        return {"source": "file", "name": os.path.basename(path), "sha256": _sha256_of(data),
                "bytes": len(data)}
    return {"source": type(source).__name__, "sha256": _sha256_of(canonical),
            "bytes": len(canonical), "note": "SHA-256 of the written copy"}


def _ranking_text(ranks: dict[str, float]) -> str:
    order = sorted(ranks.items(), key=lambda kv: -kv[1])  # stable: ties keep their order
    return "".join(f"{_field(g)}\t{score!r}\n" for g, score in order)


def _gmt_text(names: Iterable[str], pairs: dict[str, list[str]]) -> str:
    lines = []
    for name in names:
        genes = "\t".join(_field(g) for g in pairs[name])
        lines.append(f"{_field(name)}\t{_field(name)}\t{genes}\n")
    return "".join(lines)


def enrichment_map_table(results: pd.DataFrame) -> str:
    """The results as the generic enrichment table that network tools read:
    tab-separated, a header, then one row per set with a p-value, FDR and
    NES: ID (the name in the GMT), description, p-value, FDR q-value,
    phenotype (+1 enriched at the top of the ranking, -1 at the bottom) and
    the leading-edge genes joined by commas."""
    lines = ["GO.ID\tDescription\tP.Value\tFDR\tPhenotype\tGenes\n"]
    row: Any
    for row in results.itertuples(index=False):
        p, q, nes = float(row.pval), float(row.padj), float(row.nes)
        if math.isnan(p) or math.isnan(q) or math.isnan(nes) or nes == 0:
            continue
        name = _field(str(row.pathway))
        genes = ",".join(_field(str(g)) for g in row.leading_edge)
        lines.append(f"{name}\t{name}\t{p!r}\t{q!r}\t{'+1' if nes > 0 else '-1'}\t{genes}\n")
    return "".join(lines)


def _results_table(rows: pd.DataFrame, pages: dict[str, str], collapsed: bool,
                   table_id: str) -> str:
    heads = [("#", "num"), ("gene set", "text"), ("size", "num"), ("ES", "num"),
             ("NES", "num"), ("p-value", "num"), ("adjusted p", "num"),
             ("leading edge", "num")]
    if collapsed:
        heads += [("independent", "text"), ("explained by", "text")]
    head = "".join(f'<th scope="col" data-type="{kind}">{_esc(text)}</th>'
                   for text, kind in heads)
    body = []
    row: Any
    for rank, row in enumerate(rows.itertuples(index=False), start=1):
        name = str(row.pathway)
        link = pages.get(name)
        shown = f'<a href="{_esc(link)}">{_name(name)}</a>' if link else _name(name)
        cells = [_num_cell(rank), f'<td class="name">{shown}</td>', _num_cell(row.size),
                 _num_cell(row.es), _num_cell(row.nes), _num_cell(row.pval),
                 _num_cell(row.padj), _num_cell(len(row.leading_edge))]
        if collapsed:
            independent = row.independent
            text = "" if independent is pd.NA else ("yes" if independent else "no")
            parent = "" if row.parent is None else str(row.parent)
            target = pages.get(parent)
            explained = (f'<a href="{_esc(target)}">{_name(parent)}</a>' if target
                         else _name(parent))
            cells += [f"<td>{text}</td>", f'<td class="name">{explained}</td>']
        body.append("<tr>" + "".join(cells) + "</tr>")
    return (f'<div class="wrap"><table class="sortable" id="{table_id}">'
            f"<thead><tr>{head}</tr></thead>\n<tbody>\n" + "\n".join(body)
            + "\n</tbody></table></div>")


def _groups_html(frame: pd.DataFrame, order: Iterable[int], pages: dict[str, str],
                 prefix: str) -> str:
    children: dict[str, list[str]] = {}
    roots: list[str] = []
    nes: dict[str, str] = {}
    for i in order:
        independent = frame["independent"].iat[i]
        if independent is pd.NA:
            continue
        name = str(frame["pathway"].iat[i])
        nes[name] = _number(frame["nes"].iat[i])[0]
        if independent:
            roots.append(name)
        else:
            children.setdefault(str(frame["parent"].iat[i]), []).append(name)

    def link(name: str) -> str:
        page = pages.get(name)
        shown = f'<a href="{_esc(prefix + page)}">{_name(name)}</a>' if page else _name(name)
        return f'{shown} <span class="note">NES {_esc(nes[name])}</span>'

    if not roots:
        return "<p>No significant gene sets.</p>"
    items = []
    for root in roots:
        kids = children.get(root, [])
        inner = ("<ul>" + "".join(f"<li>{link(k)}</li>" for k in kids) + "</ul>") if kids else ""
        count = f" <span class=\"note\">(explains {len(kids)})</span>" if kids else ""
        items.append(f"<li>{link(root)}{count}{inner}</li>")
    return '<ul class="groups">' + "".join(items) + "</ul>"


def _svg_bytes(figure: Any) -> bytes:
    import matplotlib.pyplot as plt

    buffer = io.BytesIO()
    try:
        figure.savefig(buffer, format="svg", bbox_inches="tight", metadata={"Date": None})
    finally:
        plt.close(figure)
    return buffer.getvalue()


def _as_figure(drawn: Any) -> Any:
    # An Axes-returning plot hands back its figure through .figure.
    return drawn if hasattr(drawn, "savefig") else drawn.figure


def _set_page(row: Any, ranks: dict[str, float], positions: dict[str, int], svg_name: str,
              collapsed: bool, pages: dict[str, str]) -> str:
    name = str(row.pathway)
    numbers = [("size (genes in the ranking)", _number(row.size)[0]),
               ("enrichment score (ES)", _number(row.es)[0]),
               ("normalised ES (NES)", _number(row.nes)[0]),
               ("p-value", _number(row.pval)[0]),
               ("adjusted p-value (BH)", _number(row.padj)[0]),
               ("log2 error of the p-value", _number(row.log2err)[0]),
               ("leading-edge genes", str(len(row.leading_edge)))]
    if collapsed and row.independent is not pd.NA:
        if row.independent:
            verdict = "independent: stays significant given every stronger overlapping set"
        else:
            parent = str(row.parent)
            target = pages.get(parent)
            shown = (f'<a href="{_esc(target)}">{_name(parent)}</a>' if target
                     else _name(parent))
            verdict = f"explained by {shown}"
        numbers.append(("redundancy", verdict))
        tested = not math.isnan(float(row.conditional_pval))
        numbers.append(("conditional p-value", _number(row.conditional_pval)[0] if tested
                        else "not tested (no stronger overlapping set)"))
    dl = "".join(f"<dt>{_esc(k)}</dt><dd>{v if k == 'redundancy' else _esc(v)}</dd>"
                 for k, v in numbers)
    genes = []
    for gene in row.leading_edge:
        gene = str(gene)
        genes.append(f'<tr><td class="name">{_esc(gene)}</td>'
                     f"{_num_cell(positions.get(gene, math.nan))}"
                     f"{_num_cell(ranks.get(gene, math.nan))}</tr>")
    table = ('<div class="wrap"><table class="sortable" id="leading-edge"><thead><tr>'
             '<th scope="col" data-type="text">gene</th>'
             '<th scope="col" data-type="num">position in the ranking</th>'
             '<th scope="col" data-type="num">score</th></tr></thead>\n<tbody>\n'
             + "\n".join(genes) + "\n</tbody></table></div>")
    body = (f'<p><a href="../index.html">&larr; all gene sets</a></p>\n<h1>{_name(name)}</h1>\n'
            f'<dl class="numbers">{dl}</dl>\n'
            f'<h2>Enrichment plot</h2>\n<img class="figure plot" src="{_esc(svg_name)}" '
            f'alt="{_esc("enrichment plot of " + name)}">\n'
            f"<h2>Leading-edge genes</h2>\n{table}")
    return _page(name, body)


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
        leading-edge heatmap of the top sets, the redundancy grouping of the
        significant sets and the provenance of the run.
    ``sets/<name>-<hash>.html`` and ``.svg``
        A page per top set (the first `top` of each direction, strongest
        first): its enrichment plot, numbers and leading-edge genes.
    ``leading_edge.svg``
        The leading-edge heatmap of the top `top` significant sets.
    ``enrichment_map.txt``, ``gene_sets.gmt``, ``ranking.rnk``
        The results as a generic enrichment table for network tools (ID,
        description, p-value, FDR, phenotype +1/-1, leading-edge genes), the
        GMT whose names are those IDs, and the ranking.
    ``manifest.json``
        Provenance: package version, seed, options, SHA-256 of the inputs
        and of every file written, counts and the date.

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
        The folder, created when missing. Files of an earlier report there
        are replaced; other files are left alone.
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
        matplotlib is not installed (``pip install "varenkopy[plot]"``).
    TypeError, ValueError
        A bad argument.
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
    from varenkopy import __version__, pl

    frame = _check_results(results, ("pathway", "size", "es", "nes", "pval", "padj",
                                     "log2err", "leading_edge"))
    _check_int(top, "top")
    if top < 0:
        raise ValueError("argument 'top': must not be negative")
    threshold = _check_threshold(padj, "padj")
    if title is not None and not isinstance(title, str):
        raise TypeError(f"argument 'title': expected str, got {type(title).__name__}")
    given = dict(options) if options is not None else {}
    folder = os.fspath(outdir)
    ranks = ranks_dict(unwrap(ranking), "ranking")
    pairs = dict(gene_sets_to_pairs(unwrap(gene_sets), "gene_sets"))
    missing = [str(n) for n in frame["pathway"] if str(n) not in pairs]
    if missing:
        raise ValueError(f"argument 'gene_sets': no gene set named {missing[0]!r} "
                         f"(a set of the results)")

    collapse_done_here = not all(c in frame.columns for c in _COLLAPSE_COLUMNS)
    if collapse_done_here:
        shared = {k: v for k, v in given.items() if k in _SHARED_OPTIONS}
        frame = collapse_redundant(frame, ranks, pairs, padj=threshold, **shared)
    order = strength_order(frame)
    ordered = frame.iloc[order]
    nes = ordered["nes"].to_numpy(dtype=np.float64)
    positive = ordered[nes > 0]
    negative = ordered[nes < 0]
    undirected = ordered[~(nes > 0) & ~(nes < 0)]

    top_rows = pd.concat([positive.head(top), negative.head(top)])
    stems = {str(n): file_stem(str(n)) for n in top_rows["pathway"]}
    pages_root = {n: f"sets/{s}.html" for n, s in stems.items()}
    pages_sets = {n: f"{s}.html" for n, s in stems.items()}

    os.makedirs(os.path.join(folder, "sets"), exist_ok=True)
    written: dict[str, bytes] = {}

    def put(relative: str, data: bytes) -> None:
        write_bytes(os.path.join(folder, *relative.split("/")), data)
        written[relative] = data

    # The curve of each figure is drawn with the analysis' weighting.
    plot_options = {k: given[k] for k in ("score_type", "gsea_param", "eps") if k in given}
    ranked_genes = sorted(ranks, key=lambda g: -ranks[g])
    positions = {g: i + 1 for i, g in enumerate(ranked_genes)}
    with matplotlib.rc_context({"svg.hashsalt": "varenkopy-report", "svg.fonttype": "path"}):
        row: Any
        for row in top_rows.itertuples(index=False):
            name = str(row.pathway)
            stem = stems[name]
            figure = _as_figure(pl.enrichment(ranks, name, pairs, result=frame, **plot_options))
            put(f"sets/{stem}.svg", _svg_bytes(figure))
            put(f"sets/{stem}.html", _set_page(row, ranks, positions, f"{stem}.svg",
                                               True, pages_sets).encode("utf-8"))
        heatmap = False
        if ((frame["padj"] < threshold) & frame["nes"].notna()).any() and top > 0:
            figure = _as_figure(pl.leading_edge_heatmap(frame, pairs, top=top, alpha=threshold))
            put("leading_edge.svg", _svg_bytes(figure))
            heatmap = True

    rnk_text = _ranking_text(ranks)
    gmt_text = _gmt_text([str(n) for n in frame["pathway"]], pairs)
    put("enrichment_map.txt", enrichment_map_table(ordered).encode("utf-8"))
    put("gene_sets.gmt", gmt_text.encode("utf-8"))
    put("ranking.rnk", rnk_text.encode("utf-8"))

    significant = frame[(frame["padj"] < threshold) & frame["nes"].notna()]
    seed = frame.attrs.get("seed")
    counts = {
        "genes_in_ranking": len(ranks),
        "gene_sets_given": len(pairs),
        "gene_sets_analysed": len(frame),
        "significant": len(significant),
        "significant_positive": int((significant["nes"] > 0).sum()),
        "significant_negative": int((significant["nes"] < 0).sum()),
        "independent": int((frame["independent"] == True).sum()),  # noqa: E712
        "pages": len(top_rows),
    }
    heading = title if title is not None else "Gene set enrichment report"
    date = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0).isoformat()
    body = [f"<h1>{_esc(heading)}</h1>",
            f'<p class="note">varenkopy {_esc(__version__)}, seed {_esc(seed)}, {_esc(date)}. '
            f'{counts["gene_sets_analysed"]} gene sets analysed on {counts["genes_in_ranking"]} '
            f'genes; {counts["significant"]} with adjusted p below {_esc(threshold)} '
            f'({counts["significant_positive"]} up, {counts["significant_negative"]} down), '
            f'{counts["independent"]} of them independent. Provenance: '
            f'<a href="manifest.json">manifest.json</a>.</p>',
            '<p class="note">Click a column header to sort. Files for network tools: '
            '<a href="enrichment_map.txt">enrichment_map.txt</a> (generic enrichment table), '
            '<a href="gene_sets.gmt">gene_sets.gmt</a>, <a href="ranking.rnk">ranking.rnk</a>.'
            "</p>",
            f"<h2>Enriched at the top of the ranking (NES &gt; 0): {len(positive)} sets</h2>",
            _results_table(positive, pages_root, True, "positive"),
            f"<h2>Enriched at the bottom of the ranking (NES &lt; 0): {len(negative)} sets</h2>",
            _results_table(negative, pages_root, True, "negative")]
    if len(undirected):
        body += [f"<h2>Without a direction (NES not available): {len(undirected)} sets</h2>",
                 _results_table(undirected, pages_root, True, "undirected")]
    body.append("<h2>Leading-edge genes shared by the top significant sets</h2>")
    body.append('<img class="figure heatmap" src="leading_edge.svg" alt="leading-edge heatmap">'
                if heatmap else "<p>No significant gene sets.</p>")
    body += ["<h2>Redundancy: independent sets and the sets they explain</h2>",
             '<p class="note">A set is explained by a stronger overlapping one when it is no '
             "longer significant once that set's genes are taken out of the ranking "
             "(varenkopy.collapse_redundant).</p>",
             _groups_html(frame, order, pages_root, "")]
    put("index.html", _page(heading, "\n".join(body)).encode("utf-8"))

    collapse_options = frame.attrs.get("collapse_options", {})
    manifest: dict[str, Any] = {
        "generator": "varenkopy",
        "version": __version__,
        "python": sys.version.split()[0],
        "matplotlib": matplotlib.__version__,
        "date": date,
        "seed": seed,
        "collapse_seed": frame.attrs.get("collapse_seed"),
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
    write_text(os.path.join(folder, "manifest.json"), text + "\n")
    recorded: dict[str, Any] = json.loads(text)
    return recorded


def _json_default(value: object) -> object:
    if isinstance(value, np.integer):
        return int(value)
    if isinstance(value, np.floating):
        number = float(value)
        return None if math.isnan(number) else number
    return str(value)
