"""varenkopy.pl: what the matplotlib plots draw (the core's curve reaching the
row's es, dot areas from adjusted p-values, leading-edge cells), ax=/fig=
drawn on and returned, files saved as valid PNG/SVG/PDF with no figure left
open, long names wrapped or marked, and matplotlib kept out of
``import varenkopy``."""
from __future__ import annotations

import math
import re
import struct
import subprocess
import sys
import textwrap
import unicodedata
import warnings
import xml.etree.ElementTree as ET
from collections.abc import Callable, Iterator
from pathlib import Path
from typing import Any

import numpy as np
import pandas as pd
import pytest

import varenkopy
from varenkopy import pl
from varenkopy.pl._common import fit_name

try:
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:  # the import tests below still run
    plt = None  # type: ignore[assignment]

needs_mpl = pytest.mark.skipif(plt is None, reason="matplotlib is not installed")

RANKING = Path(__file__).resolve().parents[2] / "examples" / "data" / \
    "tcga_ov_mesenchymal_vs_immunoreactive.rnk"
BLOCK_MPL = "import sys; sys.modules['matplotlib'] = None\n"


def run_python(code: str) -> subprocess.CompletedProcess[str]:
    return subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          timeout=300)


def test_import_varenkopy_does_not_import_matplotlib() -> None:
    proc = run_python("import sys, varenkopy, varenkopy.pl\n"
                      "print(sorted(m for m in sys.modules if m.split('.')[0] == 'matplotlib'))")
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == "[]"


def test_a_plot_without_matplotlib_names_the_extra() -> None:
    proc = run_python(BLOCK_MPL + textwrap.dedent("""
        from varenkopy import pl
        try:
            pl.barplot(None)
        except ImportError as exc:
            print(exc)
        """))
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == 'varenkopy.pl needs matplotlib: pip install "varenkopy[plot]"'


def test_cli_svg_without_matplotlib_fails_before_the_analysis(tmp_path: Path,
                                                             example_gmt: Path) -> None:
    out = tmp_path / "res.tsv"
    proc = run_python(BLOCK_MPL + textwrap.dedent(f"""
        from varenkopy.cli import main
        sys.exit(main(["gsea", {str(RANKING)!r}, {str(example_gmt)!r}, "-o", {str(out)!r},
                       "--plots", {str(tmp_path)!r}, "--plot-format", "pdf", "--seed", "1"]))
        """))
    assert proc.returncode == 1
    assert proc.stderr == ('varenkopy: error: --plot-format pdf: varenkopy.pl needs matplotlib: '
                           'pip install "varenkopy[plot]"\n')
    assert not out.exists()


def test_cli_png_plots_without_matplotlib_come_from_the_native_renderer(
        tmp_path: Path, example_gmt: Path) -> None:
    plots = tmp_path / "plots"
    proc = run_python(BLOCK_MPL + textwrap.dedent(f"""
        from varenkopy.cli import main
        sys.exit(main(["gsea", {str(RANKING)!r}, {str(example_gmt)!r}, "-o",
                       {str(tmp_path / "res.tsv")!r}, "--plots", {str(plots)!r}, "--top", "2",
                       "--seed", "1"]))
        """))
    assert proc.returncode == 0, proc.stderr
    names = sorted(p.name for p in plots.iterdir())
    assert len(names) == 3 and names[-1] == "table.png"
    assert struct.unpack(">II", (plots / names[0]).read_bytes()[16:24]) == (900, 660)


@pytest.mark.parametrize(("name", "width", "max_lines", "expected"), [
    ("HALLMARK_HYPOXIA", 30, 2, "HALLMARK_HYPOXIA"),
    ("HALLMARK_EPITHELIAL_MESENCHYMAL_TRANSITION", 24, 2,
     "HALLMARK_EPITHELIAL_\nMESENCHYMAL_TRANSITION"),
    ("GOBP_REGULATION_OF_TRANSCRIPTION_BY_RNA_POLYMERASE_II_IN_RESPONSE", 20, 2,
     "GOBP_REGULATION_OF_\nTRANSCRIPTION_BY\N{HORIZONTAL ELLIPSIS}"),
    ("a very long name with spaces that goes on", 16, 3,
     "a very long name\nwith spaces that\ngoes on"),
    ("NOSEPARATORSATALLINTHISVERYLONGNAME", 12, 2, "NOSEPARATORS\nATALLINTHIS\N{HORIZONTAL ELLIPSIS}"),
])
def test_long_names_are_wrapped_or_end_in_an_ellipsis(name: str, width: int, max_lines: int,
                                                      expected: str) -> None:
    got = fit_name(name, width, max_lines)
    assert got == expected
    lines = got.split("\n")
    assert len(lines) <= max_lines and all(len(line) <= width for line in lines)
    if not got.endswith("\N{HORIZONTAL ELLIPSIS}"):
        assert got.replace("\n", "").replace(" ", "") == name.replace(" ", "")


# --- drawing ---------------------------------------------------------------------

@pytest.fixture(scope="module")
def ranks() -> pd.Series[float]:
    return varenkopy.read_ranking(RANKING)


@pytest.fixture(scope="module")
def results(ranks: pd.Series[float], example_gmt: Path) -> pd.DataFrame:
    return varenkopy.gsea(ranks, example_gmt, seed=7, progress=False)


@pytest.fixture(scope="module")
def many(ranks: pd.Series[float], example_gmt: Path) -> pd.DataFrame:
    rng = np.random.default_rng(5)
    matrix = pd.DataFrame({f"s{i}": ranks.to_numpy() + rng.normal(0.0, 0.5, len(ranks))
                           for i in range(3)}, index=ranks.index)
    return varenkopy.gsea_many(matrix, example_gmt, seed=5, progress=False)


@pytest.fixture(autouse=True)
def close_figures() -> Iterator[None]:
    yield
    if plt is not None:
        plt.close("all")


def curve_line(ax: Any) -> Any:
    (line,) = [ln for ln in ax.get_lines() if ln.get_label() == "running score"]
    return line


def sets_of(gmt: Path) -> dict[str, list[str]]:
    return dict(varenkopy.read_gmt(gmt))


@needs_mpl
@pytest.mark.parametrize(("score_type", "gsea_param"),
                         [("std", 1.0), ("pos", 1.0), ("neg", 1.0), ("std", 0.0), ("std", 1.7)])
def test_enrichment_curve_reaches_the_rows_es_exactly(ranks: pd.Series[float], example_gmt: Path,
                                                      score_type: str, gsea_param: float) -> None:
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", varenkopy.VarenkoWarning)  # few permutations: no p-values
        res = varenkopy.gsea(ranks, example_gmt, seed=1, mode="simple", n_perm_simple=20,
                             score_type=score_type, gsea_param=gsea_param, progress=False)
    members = sets_of(example_gmt)
    order = {g: i for i, g in enumerate(ranks.sort_values(ascending=False, kind="mergesort").index)}
    # The curve's maximum is the score of the upper tail, its minimum the lower one's.
    ups = res[res["es"] > 0] if score_type != "neg" else res.iloc[:0]
    downs = res[res["es"] < 0] if score_type != "pos" else res.iloc[:0]
    chosen = [ups.loc[ups["es"].idxmax()], ups.loc[ups["es"].idxmin()]] if len(ups) else []
    chosen += [downs.loc[downs["es"].idxmin()], downs.loc[downs["es"].idxmax()]] if len(downs) else []
    assert len(chosen) == (2 if score_type != "std" else 4)
    for row in chosen:
        with warnings.catch_warnings():
            warnings.simplefilter("error")  # no "differs from the curve's es" warning
            fig = pl.enrichment(ranks, row["pathway"], example_gmt, result=res,
                                score_type=score_type, gsea_param=gsea_param)
        top, middle, _ = fig.axes
        y = curve_line(top).get_ydata()
        extreme = y.max() if row["es"] > 0 else y.min()
        assert extreme == row["es"], row["pathway"]
        hits = sorted(order[g] + 1 for g in members[row["pathway"]] if g in order)
        (ticks,) = middle.collections
        assert [int(seg[0][0]) for seg in ticks.get_segments()] == hits
        assert top.get_title().replace("\n", "") == row["pathway"]
        label = [t.get_text() for t in top.texts]
        assert label and f"NES {row['nes']:.2f}".replace("-", "\N{MINUS SIGN}") in label[0]
        plt.close(fig)


@needs_mpl
def test_enrichment_warns_when_the_row_is_from_another_weighting(ranks: pd.Series[float],
                                                                 example_gmt: Path,
                                                                 results: pd.DataFrame) -> None:
    name = results["pathway"].iloc[0]
    with pytest.warns(varenkopy.VarenkoWarning, match=r"the result's es \(.*\) differs from the "
                      r"curve's \(.*\): was the result computed from another ranking"):
        pl.enrichment(ranks, name, example_gmt, result=results, gsea_param=0.0)


@needs_mpl
def test_enrichment_refuses_another_sets_row(ranks: pd.Series[float], example_gmt: Path,
                                             results: pd.DataFrame) -> None:
    row = results[results["pathway"] == "HALLMARK_MYOGENESIS"].iloc[0]
    with pytest.raises(ValueError, match=re.escape(
            "argument 'result': the row is of gene set 'HALLMARK_MYOGENESIS', not "
            "'HALLMARK_HYPOXIA'")):
        pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, result=row)
    with pytest.raises(KeyError, match="gene set 'HALLMARK_HYPOXIA' is not in result"):
        pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, result=results.iloc[:3])
    assert plt.get_fignums() == []


@needs_mpl
@pytest.mark.parametrize(("row", "attrs", "eps", "shown"), [
    ({"nes": 2.5, "pval": 1e-50, "padj": 3e-49}, {}, None,
     "NES 2.50\np < 1e-50\nadj. p \N{LESS-THAN OR EQUAL TO} 3.0e-49"),
    ({"nes": -1.25, "pval": 1e-10, "padj": 2e-9, "pval_at_eps": True}, {}, None,
     "NES \N{MINUS SIGN}1.25\np < 1e-10\nadj. p \N{LESS-THAN OR EQUAL TO} 2.0e-9"),
    ({"nes": 1.0, "pval": 1e-50, "padj": 1e-49, "pval_at_eps": False}, {}, None,
     "NES 1.00\np = 1.0e-50\nadj. p = 1.0e-49"),
    ({"nes": 1.0, "pval": 1e-20, "padj": 0.0123}, {"eps": 1e-20}, None,
     "NES 1.00\np < 1e-20\nadj. p \N{LESS-THAN OR EQUAL TO} 0.012"),
    ({"nes": 1.0, "pval": 1e-20, "padj": 0.0123}, {}, 1e-20,
     "NES 1.00\np < 1e-20\nadj. p \N{LESS-THAN OR EQUAL TO} 0.012"),
    ({"nes": 1.0, "pval": 0.0432, "padj": 0.5}, {}, None, "NES 1.00\np = 0.043\nadj. p = 0.5"),
    ({"nes": math.nan, "pval": math.nan, "padj": math.nan}, {}, None, None),
])
def test_enrichment_labels_floored_p_values(ranks: pd.Series[float], example_gmt: Path,
                                            row: dict[str, Any], attrs: dict[str, Any],
                                            eps: float | None, shown: str | None) -> None:
    series = pd.Series(row)
    series.attrs.update(attrs)
    fig = pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, result=series, eps=eps)
    texts = [t.get_text() for t in fig.axes[0].texts]
    assert texts == ([shown] if shown else [])


@needs_mpl
def test_running_scores_draw_each_sets_curve(ranks: pd.Series[float], example_gmt: Path,
                                             results: pd.DataFrame) -> None:
    names = [*results["pathway"][:3], results["pathway"].iloc[-1]]
    ax = pl.running_scores(ranks, names, example_gmt)
    curves = [ln for ln in ax.get_lines() if not ln.get_label().startswith("_")]
    assert [ln.get_label().replace("\n", "") for ln in curves] == names
    es = results.set_index("pathway")["es"]
    for name, line in zip(names, curves, strict=True):
        y = line.get_ydata()
        assert (y.max() if es[name] > 0 else y.min()) == es[name]
    assert len(ax.get_legend().get_texts()) == len(names)


@needs_mpl
def test_barplot_bars_are_the_top_sets_nes(results: pd.DataFrame) -> None:
    ax = pl.barplot(results, top=7, strip_prefix=False, figsize=(9.0, 4.0))
    bars = ax.containers[0]
    expected = results.sort_values(["padj", "pval"], kind="mergesort").head(7).iloc[::-1]
    assert [b.get_width() for b in bars] == list(expected["nes"])
    assert [t.get_text().replace("\n", "") for t in ax.get_yticklabels()] == list(expected["pathway"])
    # Darker (lower luminance) for smaller adjusted p-values.
    luminance = [np.dot(b.get_facecolor()[:3], [0.2126, 0.7152, 0.0722]) for b in bars]
    assert luminance[-1] < luminance[0]


@needs_mpl
def test_barplot_writes_a_shared_prefix_once(results: pd.DataFrame) -> None:
    ax = pl.barplot(results, top=5)
    # A level head of the column of names, above them: a label, not a fragment.
    (head,) = [t for t in ax.texts if t.get_text() == "HALLMARK_\N{HORIZONTAL ELLIPSIS}"]
    ax.figure.draw_without_rendering()
    box, panel = head.get_window_extent(), ax.get_window_extent()
    assert head.get_rotation() == 0 and box.y0 >= panel.y1 and box.x1 <= panel.x0
    labels = [t.get_text().replace("\n", "") for t in ax.get_yticklabels()]
    assert all(not label.startswith("HALLMARK_") for label in labels)


def expected_areas(padj: np.ndarray[Any, Any]) -> np.ndarray[Any, Any]:
    v = -np.log10(np.clip(padj, padj[padj > 0].min(), 1.0))
    return 4.0 + 106.0 * v / max(v.max(), 1.0)


@needs_mpl
def test_dotplot_of_one_frame_places_dots_at_nes_sized_by_padj(results: pd.DataFrame) -> None:
    ax = pl.dotplot(results, top=8)
    dots = ax.collections[0]
    chosen = results.sort_values(["padj", "pval"], kind="mergesort").head(8)
    # Rows by NES, the most negative at the bottom (row 0).
    expected = chosen.assign(area=expected_areas(chosen["padj"].to_numpy())).sort_values(
        "nes", kind="mergesort")
    drawn = sorted(zip(dots.get_offsets()[:, 1], dots.get_offsets()[:, 0], dots.get_sizes(),
                       strict=True))
    assert [y for y, *_ in drawn] == list(range(8))
    assert [x for _, x, _ in drawn] == list(expected["nes"])
    np.testing.assert_allclose([s for *_, s in drawn], expected["area"], rtol=1e-12)
    # The x-axis is the NES: no colour scale without a key repeats it.
    assert dots.get_array() is None and len(dots.get_facecolors()) == 1
    assert_dots_inside(ax)


def assert_dots_inside(ax: Any) -> None:
    """Every dot, with its radius, lies inside the axes."""
    dots = ax.collections[0]
    ax.figure.draw_without_rendering()
    centres = ax.transData.transform(dots.get_offsets())
    radius = np.sqrt(dots.get_sizes()) / 2 * ax.figure.dpi / 72
    box = ax.get_window_extent()
    assert (centres[:, 0] - radius >= box.x0).all() and (centres[:, 0] + radius <= box.x1).all()
    assert (centres[:, 1] - radius >= box.y0).all() and (centres[:, 1] + radius <= box.y1).all()


@needs_mpl
def test_dotplot_of_many_signatures_takes_each_ones_top_sets(many: pd.DataFrame) -> None:
    ax = pl.dotplot(many, top=3, strip_prefix=False, figsize=(9.0, 4.0))
    dots = ax.collections[0]
    columns = [t.get_text() for t in ax.get_xticklabels()]
    rows = [t.get_text().replace("\n", "") for t in ax.get_yticklabels()]
    assert columns == ["s0", "s1", "s2"] and ax.get_xlabel() == "signature"
    assert_dots_inside(ax)
    drawable = many.dropna(subset=["nes", "padj"]).sort_values(["padj", "pval"], kind="mergesort")
    wanted = set(drawable.groupby("signature").head(3)["pathway"])
    assert set(rows) == wanted
    keep = drawable[drawable["pathway"].isin(wanted)]
    cells = {(rows[int(y)], columns[int(x)]): s
             for (x, y), s in zip(dots.get_offsets(), dots.get_sizes(), strict=True)}
    areas = expected_areas(keep["padj"].to_numpy())
    assert len(cells) == len(keep)
    for (name, signature), area in zip(zip(keep["pathway"], keep["signature"], strict=True),
                                       areas, strict=True):
        assert cells[(name, signature)] == pytest.approx(area, rel=1e-12)
    # Rows by mean NES: the most negative at the bottom (row 0).
    means = keep.groupby("pathway")["nes"].mean()
    assert list(means.sort_values(kind="mergesort").index) == rows


@needs_mpl
@pytest.mark.parametrize("max_genes", [1000, 12])
def test_heatmap_cells_are_leading_edge_membership(results: pd.DataFrame, example_gmt: Path,
                                                   max_genes: int) -> None:
    ax = pl.leading_edge_heatmap(results, example_gmt, top=6, max_genes=max_genes,
                                 strip_prefix=False, figsize=(12.0, 4.0))
    mesh = ax.collections[0]
    names = [t.get_text().replace("\n", "") for t in ax.get_yticklabels()]
    genes = [t.get_text() for t in ax.get_xticklabels()]
    significant = results[results["padj"] < 0.05].sort_values(["padj", "pval"], kind="mergesort")
    edges = dict(zip(significant["pathway"], significant["leading_edge"], strict=True))
    assert names == list(significant["pathway"][:6])
    cells = np.asarray(mesh.get_array()).reshape(len(names), len(genes))
    # A set's cells carry its direction: 1 for NES > 0, -1 for NES < 0.
    nes = significant.set_index("pathway")["nes"]
    expected = np.array([[(g in edges[n]) * np.sign(nes[n]) for g in genes] for n in names])
    np.testing.assert_array_equal(cells, expected)
    assert {-1.0, 1.0} <= set(cells.ravel())
    cells = np.abs(cells)
    counts = cells.sum(axis=0)
    assert list(counts) == sorted(counts, reverse=True)  # shared genes first
    assert cells.sum(axis=1).min() >= 1  # every set shows genes
    union = {g for n in names for g in edges[n]}
    assert len(genes) == min(len(union), max_genes)
    assert str(len(union)) in ax.get_xlabel()


# --- ax=, fig=, save= ------------------------------------------------------------

def axes_level_calls(ranks: pd.Series[float], gmt: Path, res: pd.DataFrame
                     ) -> dict[str, Callable[..., Any]]:
    return {
        "running_scores": lambda **kw: pl.running_scores(ranks, list(res["pathway"][:2]), gmt, **kw),
        "barplot": lambda **kw: pl.barplot(res, **kw),
        "dotplot": lambda **kw: pl.dotplot(res, **kw),
        "leading_edge_heatmap": lambda **kw: pl.leading_edge_heatmap(res, gmt, **kw),
        "enrichment": lambda **kw: pl.enrichment(ranks, res["pathway"].iloc[0], gmt, result=res,
                                                 **kw),
    }


PLOTS = ["running_scores", "barplot", "dotplot", "leading_edge_heatmap", "enrichment"]


@needs_mpl
@pytest.mark.parametrize("plot", PLOTS[:4])
def test_given_axes_are_drawn_on_and_returned(plot: str, ranks: pd.Series[float],
                                              example_gmt: Path, results: pd.DataFrame) -> None:
    _, ax = plt.subplots()
    before = plt.get_fignums()
    got = axes_level_calls(ranks, example_gmt, results)[plot](ax=ax)
    assert got is ax
    assert ax.get_lines() or ax.collections or ax.patches
    assert plt.get_fignums() == before  # no figure of its own


@needs_mpl
def test_enrichment_draws_into_a_given_figure_subfigure_or_axes(ranks: pd.Series[float],
                                                                example_gmt: Path) -> None:
    fig = plt.figure(layout="constrained")
    left, right = fig.subfigures(1, 2)
    assert pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, fig=left) is left
    assert len(left.axes) == 3
    axes = right.subplots(3, 1)
    assert pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, axes=list(axes)) is fig
    assert curve_line(axes[0]).get_ydata().size > 0
    assert plt.get_fignums() == [fig.number]
    with pytest.raises(TypeError, match=re.escape("argument 'axes': expected a sequence of three "
                                                  "matplotlib Axes")):
        pl.enrichment(ranks, "HALLMARK_HYPOXIA", example_gmt, axes=list(axes[:2]))


@needs_mpl
@pytest.mark.parametrize("fmt", ["png", "svg", "pdf"])
@pytest.mark.parametrize("plot", PLOTS)
def test_save_writes_a_valid_file_and_closes_its_figure(plot: str, fmt: str, tmp_path: Path,
                                                        ranks: pd.Series[float],
                                                        example_gmt: Path,
                                                        results: pd.DataFrame) -> None:
    path = tmp_path / f"plot.{fmt.upper() if plot == 'barplot' else fmt}"
    before = plt.get_fignums()
    axes_level_calls(ranks, example_gmt, results)[plot](save=path)
    assert plt.get_fignums() == before
    data = path.read_bytes()
    if fmt == "png":
        assert data[:8] == b"\x89PNG\r\n\x1a\n"
    elif fmt == "pdf":
        assert data[:5] == b"%PDF-" and data.rstrip().endswith(b"%%EOF")
    else:
        assert ET.fromstring(data).tag == "{http://www.w3.org/2000/svg}svg"


@needs_mpl
def test_save_with_given_axes_leaves_the_callers_figure_open(tmp_path: Path,
                                                             results: pd.DataFrame) -> None:
    fig, ax = plt.subplots()
    pl.barplot(results, ax=ax, save=tmp_path / "bars.svg")
    assert plt.fignum_exists(fig.number)
    assert (tmp_path / "bars.svg").read_bytes().startswith(b"<?xml")


@needs_mpl
@pytest.mark.parametrize("plot", PLOTS)
def test_an_unknown_suffix_is_refused_before_drawing(plot: str, tmp_path: Path,
                                                     ranks: pd.Series[float], example_gmt: Path,
                                                     results: pd.DataFrame) -> None:
    path = tmp_path / "plot.jpg"
    with pytest.raises(ValueError, match=re.escape(
            f"argument 'save': the file name must end in .png, .svg or .pdf (the suffix "
            f"chooses the format), got {str(path)!r}")):
        axes_level_calls(ranks, example_gmt, results)[plot](save=path)
    assert plt.get_fignums() == [] and not path.exists()


@needs_mpl
def test_cli_plot_format_svg_draws_with_pl(tmp_path: Path, example_gmt: Path) -> None:
    plots = tmp_path / "plots"
    proc = subprocess.run([sys.executable, "-m", "varenkopy", "gsea", str(RANKING),
                           str(example_gmt), "-o", str(tmp_path / "res.tsv"), "--seed", "3",
                           "--plots", str(plots), "--top", "2", "--plot-format", "svg"],
                          capture_output=True, text=True, timeout=300)
    assert proc.returncode == 0, proc.stderr
    assert proc.stderr == ""
    res = pd.read_csv(tmp_path / "res.tsv", sep="\t")
    expected = [f"enrichment_{i:02d}_{n}.svg" for i, n in enumerate(res["pathway"][:2], 1)]
    assert sorted(p.name for p in plots.iterdir()) == sorted([*expected, "barplot.svg"])
    for path in plots.iterdir():
        assert ET.parse(path).getroot().tag == "{http://www.w3.org/2000/svg}svg"


# --- what a reader sees: labels inside, text as text ---------------------------

C2_LONGEST = Path(__file__).resolve().parents[1] / "data" / "c2_longest_names.txt"


def all_inside(fig: Any) -> None:
    """Every drawn artist lies inside the figure (1 pixel of rounding allowed)."""
    fig.draw_without_rendering()
    box = fig.get_tightbbox(fig.canvas.get_renderer())
    width, height = fig.get_size_inches()
    assert box.x0 >= -0.01 and box.y0 >= -0.01, box
    assert box.x1 <= width + 0.01 and box.y1 <= height + 0.01, (box, width, height)


def long_names(example_gmt: Path) -> list[str]:
    return [*sets_of(example_gmt), *C2_LONGEST.read_text().split()]


def synthetic_results(names: list[str], genes: list[str]) -> pd.DataFrame:
    n = len(names)
    padj = np.geomspace(1e-12, 0.04, n)
    return pd.DataFrame({"pathway": names, "es": np.linspace(0.8, -0.8, n),
                         "nes": np.linspace(2.5, -2.5, n), "pval": padj / 2, "padj": padj,
                         "leading_edge": [genes[i % 7:i % 7 + 5] for i in range(n)]})


@needs_mpl
def test_every_hallmark_and_long_c2_title_fits_the_enrichment_figure(
        ranks: pd.Series[float], example_gmt: Path) -> None:
    names = long_names(example_gmt)
    assert len(names) == 150
    small = ranks.iloc[::25]  # the curve does not matter, the title does
    genes = list(small.index[:40:3])
    for name in names:
        fig = pl.enrichment(small, genes, title=name)
        all_inside(fig)
        assert fig.axes[0].get_title().replace("\n", "").rstrip("\N{HORIZONTAL ELLIPSIS}") \
            in name
        plt.close(fig)


@needs_mpl
@pytest.mark.parametrize("plot", ["barplot", "dotplot", "leading_edge_heatmap", "running_scores"])
def test_long_names_stay_inside_the_summary_plots(plot: str, ranks: pd.Series[float],
                                                  example_gmt: Path) -> None:
    names = long_names(example_gmt)
    genes = list(ranks.index[:60])
    for start in range(0, len(names), 25):
        chunk = names[start:start + 25]
        frame = synthetic_results(chunk, genes)
        if plot == "running_scores":
            ax = pl.running_scores(ranks, {n: genes[i:i + 20] for i, n in enumerate(chunk[:4])})
        else:
            ax = getattr(pl, plot)(frame, top=25)
        all_inside(ax.figure)
        plt.close(ax.figure)


@needs_mpl
@pytest.mark.parametrize("count", [1, 2, 6, 10])
def test_running_scores_legend_keeps_clear_of_the_labels(count: int, ranks: pd.Series[float],
                                                         example_gmt: Path) -> None:
    names = sorted(sets_of(example_gmt), key=len, reverse=True)[:count]
    ax = pl.running_scores(ranks, names, example_gmt)
    fig = ax.figure
    all_inside(fig)
    renderer = fig.canvas.get_renderer()
    legend = ax.get_legend().get_window_extent(renderer)
    xlabel = ax.xaxis.get_tightbbox(renderer)
    assert legend.y1 <= xlabel.y0  # below "Rank" and the tick labels, not over them
    assert ax.get_window_extent().height >= 0.45 * fig.bbox.height / (1 + count / 6)


HOSTILE_NAMES = {
    "dollars": "A $x^2$ and $\\frac{1$ B",
    "zero width only": "\u200b\u200c\u200d",
    "control": "A\x00B\x07C\x1b[31mD",
    "bidi override": "\u202eSTES_ENEG\u202c",
    "10,000 characters": "LONG_" * 2000,
    "lone surrogate": "A\ud800B",
    "empty": "",
}
INVISIBLE = {"Cc", "Cf", "Cs", "Co", "Cn", "Zl", "Zp"}


def drawn_texts(fig: Any) -> list[Any]:
    from matplotlib.text import Text

    return [t for t in fig.findobj(Text) if t.get_text()]


@needs_mpl
@pytest.mark.parametrize("kind", ["enrichment", "running_scores", "barplot", "dotplot",
                                  "leading_edge_heatmap"])
@pytest.mark.parametrize("case", list(HOSTILE_NAMES))
def test_hostile_names_are_drawn_as_text(kind: str, case: str, ranks: pd.Series[float],
                                         tmp_path: Path) -> None:
    name = HOSTILE_NAMES[case]
    genes = list(ranks.index[:300:7])
    frame = synthetic_results([name, "OTHER_SET"], genes)
    calls: dict[str, Callable[[], Any]] = {
        "enrichment": lambda: pl.enrichment(ranks, genes, title=name),
        "running_scores": lambda: pl.running_scores(ranks, {name: genes, "OTHER": genes[::2]}),
        "barplot": lambda: pl.barplot(frame),
        "dotplot": lambda: pl.dotplot(frame),
        "leading_edge_heatmap": lambda: pl.leading_edge_heatmap(frame),
    }
    drawn = calls[kind]()
    fig = drawn if kind == "enrichment" else drawn.figure
    fig.savefig(tmp_path / "plot.png")  # drawing does not raise
    all_inside(fig)
    texts = drawn_texts(fig)
    for text in texts:
        shown = text.get_text()
        assert not any(unicodedata.category(c) in INVISIBLE - {"Cc"} or
                       (unicodedata.category(c) == "Cc" and c != "\n") for c in shown), shown
        assert len(shown) < 1000
        if "x^2" in shown:
            assert not text.get_parse_math()  # markup stays text
    if case == "dollars":
        assert any("$x^2$" in t.get_text() for t in texts)


@pytest.mark.parametrize("case", list(HOSTILE_NAMES))
def test_native_plots_draw_hostile_names(case: str, ranks: pd.Series[float],
                                         tmp_path: Path) -> None:
    name = HOSTILE_NAMES[case]
    genes = list(ranks.index[:300:7])
    varenkopy.plot_enrichment(ranks, genes, tmp_path / "one.png", title=name)
    sets = {name: genes, "OTHER_SET": genes[::2],
            name[:150] + "X": genes[1::2]}  # shortens like the long name
    frame = synthetic_results(list(sets), genes)
    varenkopy.plot_table(frame, sets, ranks, tmp_path / "table.png")
    assert (tmp_path / "table.png").read_bytes()[:4] == b"\x89PNG"


@needs_mpl
@pytest.mark.parametrize("plot", ["barplot", "dotplot", "leading_edge_heatmap"])
def test_a_top_beyond_what_can_be_read_is_capped_with_a_warning(plot: str,
                                                                ranks: pd.Series[float]) -> None:
    frame = synthetic_results([f"SET_{i:04d}" for i in range(130)], list(ranks.index[:60]))
    with pytest.warns(varenkopy.VarenkoWarning, match=r"argument 'top': 130 gene sets make a "
                      r"plot no one can read; drawing the first 100"):
        ax = getattr(pl, plot)(frame, top=5000)
    assert len(ax.get_yticklabels()) == 100
    assert ax.figure.get_figheight() < 40


@needs_mpl
@pytest.mark.parametrize("fmt", ["png", "svg"])
@pytest.mark.parametrize("dpi", [None, 100])
def test_saved_png_is_300_dpi_unless_told(fmt: str, dpi: int | None, tmp_path: Path,
                                          results: pd.DataFrame) -> None:
    path = tmp_path / f"bars.{fmt}"
    ax = pl.barplot(results, top=3, figsize=(3.5, 2.0), save=path, dpi=dpi)
    if fmt == "png":
        width, height = struct.unpack(">II", path.read_bytes()[16:24])
        assert (width, height) == (round(3.5 * (dpi or 300)), round(2.0 * (dpi or 300)))
    else:  # vector: sized in points, as before
        root = ET.parse(path).getroot()
        assert (root.get("width"), root.get("height")) == ("252pt", "144pt")
    assert not plt.fignum_exists(ax.figure.number)


@needs_mpl
def test_a_notebook_shows_a_saved_figure(tmp_path: Path, results: pd.DataFrame,
                                         monkeypatch: pytest.MonkeyPatch) -> None:
    backend_inline = pytest.importorskip("matplotlib_inline.backend_inline")
    shown: list[Any] = []
    monkeypatch.setattr(backend_inline, "display", lambda fig, **kw: shown.append(fig))
    plt.switch_backend("module://matplotlib_inline.backend_inline")
    try:
        ax = pl.barplot(results, top=3, save=tmp_path / "bars.png")
        backend_inline.show()  # what the notebook runs after the cell
    finally:
        plt.close("all")
        plt.switch_backend("Agg")
    assert shown == [ax.figure]
    assert (tmp_path / "bars.png").exists()
