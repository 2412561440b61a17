"""write_gsea_table_plot_png_py: argument conversion, result rows, plot errors
in their order, and the written PNG's size and resolution."""
from __future__ import annotations

import math
import re
import struct
from pathlib import Path

import pytest

import varenkopy

plot = varenkopy.write_gsea_table_plot_png_py

RANKS = {f"G{i}": float(10 - i) for i in range(20)}
PATHWAYS = [("TOP_SET%SOURCE", ["G0", "G1", "G2"]), ("BOTTOM", ["G18", "G19"])]
RESULTS = [
    {"pathway": "TOP_SET%SOURCE", "nes": 1.5, "pval": 0.01, "padj": 0.02},
    {"pathway": "BOTTOM", "nes": -1.2, "pval": 0.2, "padj": 0.3},
]


def png_info(path: Path) -> tuple[int, int, int, int]:
    """(width, height, x pixels per metre, unit) from the IHDR and pHYs chunks."""
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, width, height, phys = 8, 0, 0, None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"pHYs":
            ppm_x, ppm_y, unit = struct.unpack(">IIB", body)
            assert ppm_x == ppm_y
            phys = (ppm_x, unit)
        pos += 12 + length
    assert phys is not None
    return width, height, phys[0], phys[1]


def test_defaults_write_automatic_height_at_300_dpi(tmp_path):
    out = tmp_path / "table.png"
    assert plot(RANKS, PATHWAYS, RESULTS, str(out)) is None
    # Two rows: 0.6 in raised to the 0.7 in minimum.
    assert png_info(out) == (1680, 210, 11811, 1)

    three = tmp_path / "three.png"
    pathways = PATHWAYS + [("MID", ["G9", "G10"])]
    results = RESULTS + [{"pathway": "MID", "nes": 0.1, "pval": 1.0, "padj": 1.0}]
    plot(RANKS, pathways, results, str(three))
    assert png_info(three)[:2] == (1680, 228)


def test_none_height_positional_and_keyword_calls_agree(tmp_path):
    a, b, c = tmp_path / "a.png", tmp_path / "b.png", tmp_path / "c.png"
    plot(RANKS, PATHWAYS, RESULTS, str(a))
    plot(RANKS, PATHWAYS, RESULTS, str(b), 1.0, 5.6, None, 300, False)
    plot(ranks=RANKS, pathways=PATHWAYS, results=RESULTS, output_path=str(c), height_inches=None)
    assert a.read_bytes() == b.read_bytes() == c.read_bytes()


def test_options_reach_the_image(tmp_path):
    out = tmp_path / "sized.png"
    plot(RANKS, tuple(PATHWAYS), tuple(RESULTS), str(out), gseaParam=0, width_inches=1,
         height_inches=1, dpi=600, transparent_background=True)
    width, height, ppm, _ = png_info(out)
    assert height == 600
    assert width > 600  # a narrow request is widened to fit the names and columns
    assert ppm == 23622


def test_run_gsea_rows_can_be_plotted(tmp_path, example_ranks, example_gmt):
    rows = varenkopy.run_gsea_py(example_ranks, str(example_gmt), nPermSimple=100, seed=1,
                                 mode="simple")
    rows = [r for r in rows if r["nes"] is not None and r["padj"] is not None][:5]
    assert rows
    genes = {}
    for line in example_gmt.read_text(encoding="utf-8").splitlines():
        name, _, *members = line.split("\t")
        genes[name] = members
    out = tmp_path / "hallmark.png"
    plot(example_ranks, [(r["pathway"], genes[r["pathway"]]) for r in rows], rows, str(out))
    assert png_info(out)[:2] == (1680, 324)  # 5 rows: 84 + 5 * 48 pixels = 1.08 in


def test_unranked_pathway_needs_no_result_and_extra_keys_are_ignored(tmp_path):
    out = tmp_path / "skip.png"
    pathways = [("UNKNOWN", ["X1", "X2"])] + PATHWAYS
    results = [dict(r, size=3, leading_edge=["G0"], es=0.5) for r in RESULTS]
    plot(RANKS, pathways, results, str(out))
    assert png_info(out)[:2] == (1680, 210)


# Argument conversion: TypeError naming the argument, nothing written.
CONVERSION_ERRORS = [
    ("ranks not a dict", dict(ranks=[("G0", 1.0)]), TypeError,
     "argument 'ranks': expected dict of str to float, got list"),
    ("pathways as a str", dict(pathways="TOP"), TypeError,
     "argument 'pathways': expected a sequence of (name, genes) tuples, got a single str"),
    ("pathways not a sequence", dict(pathways=5), TypeError,
     "argument 'pathways': expected a sequence of (name, genes) tuples, got int"),
    ("pathway as a list", dict(pathways=[["TOP_SET%SOURCE", ["G0"]]]), TypeError,
     "argument 'pathways': item 0: expected a (name, genes) tuple, got list"),
    ("pathway tuple of three", dict(pathways=[("A", ["G0"], "x")]), TypeError,
     "argument 'pathways': item 0: expected a (name, genes) tuple, got a tuple of 3 items"),
    ("pathway name not a str", dict(pathways=[PATHWAYS[0], (7, ["G0"])]), TypeError,
     "argument 'pathways': item 1: expected a str name, got int"),
    ("pathway genes as a str", dict(pathways=[("A", "G0")]), TypeError,
     "argument 'pathways': expected a sequence of str, got a single str"),
    ("results as a str", dict(results="rows"), TypeError,
     "argument 'results': expected a sequence of dict, got a single str"),
    ("result not a dict", dict(results=[RESULTS[0], [("pathway", "A")]]), TypeError,
     "argument 'results': item 1: expected dict, got list"),
    ("result key not a str", dict(results=[{"pathway": "A", 1: 2}]), TypeError,
     "argument 'results': item 0: expected str keys, got int"),
    ("output path not a str", dict(output_path=b"x.png"), TypeError,
     "argument 'output_path': expected str, got bytes"),
    ("gseaParam a str", dict(gseaParam="1"), TypeError,
     "argument 'gseaParam': expected float, got str"),
    ("width a str", dict(width_inches="5"), TypeError,
     "argument 'width_inches': expected float, got str"),
    ("height a str", dict(height_inches="2"), TypeError,
     "argument 'height_inches': expected float, got str"),
    ("dpi a float", dict(dpi=300.0), TypeError, "argument 'dpi': expected int, got float"),
    ("dpi negative", dict(dpi=-1), OverflowError,
     "argument 'dpi': can't convert negative int to unsigned"),
    ("dpi above 32 bits", dict(dpi=2**32), OverflowError,
     "argument 'dpi': int too big to convert to an unsigned 32-bit integer"),
    ("surrogate in a set name", dict(pathways=[("S\ud800", ["G0"])]), ValueError,
     "argument 'pathways': 'utf-8' codec can't encode character '\\ud800' in position 1: "
     "surrogates not allowed"),
    ("infinite score after the result rows", dict(ranks=dict(RANKS, G5=math.inf)), ValueError,
     "ranking score of gene 'G5' is not finite"),
    ("transparent not a bool", dict(transparent_background=1), TypeError,
     "argument 'transparent_background': expected bool, got int"),
    # Every argument is converted before any result row is read.
    ("conversion before result rows", dict(results=[{"pathway": "A"}], width_inches="5"),
     TypeError, "argument 'width_inches': expected float, got str"),
]


@pytest.mark.parametrize("case", CONVERSION_ERRORS, ids=[c[0] for c in CONVERSION_ERRORS])
def test_conversion_errors(tmp_path, case):
    _, changes, error, message = case
    out = tmp_path / "never.png"
    args = dict(ranks=RANKS, pathways=PATHWAYS, results=RESULTS, output_path=str(out))
    args.update(changes)
    with pytest.raises(error, match=f"^{re.escape(message)}$"):
        plot(**args)
    assert not out.exists()


# Result dictionaries, read in list order: "pathway", then "nes", "pval", "padj".
ROW_ERRORS = [
    ("no pathway key reported first", [{"nes": None}], ValueError,
     "Result row missing 'pathway'."),
    ("pathway not a str", [{"pathway": 3, "nes": 1.0}], TypeError,
     "argument 'pathway': expected str, got int"),
    ("nes before pval and padj", [{"pathway": "A"}], ValueError, "Result row missing 'nes'."),
    ("pval before padj", [{"pathway": "A", "nes": 1.0}], ValueError,
     "Result row missing 'pval'."),
    ("padj missing", [{"pathway": "A", "nes": 1.0, "pval": 0.1}], ValueError,
     "Result row missing 'padj'."),
    ("nes None as run_gsea_py may return it",
     [{"pathway": "A", "nes": None, "pval": 0.1, "padj": 0.2}], TypeError,
     "argument 'nes': expected float, got NoneType"),
    ("padj a str", [{"pathway": "A", "nes": 1.0, "pval": 0.1, "padj": "0.2"}], TypeError,
     "argument 'padj': expected float, got str"),
    ("first failing row stops the call, even of an undrawn pathway",
     RESULTS + [{"pathway": "ELSEWHERE", "nes": 1.0}, {"nes": 1.0}], ValueError,
     "Result row missing 'pval'."),
]


@pytest.mark.parametrize("case", ROW_ERRORS, ids=[c[0] for c in ROW_ERRORS])
def test_result_row_errors(tmp_path, case):
    _, results, error, message = case
    out = tmp_path / "never.png"
    with pytest.raises(error, match=f"^{re.escape(message)}$"):
        plot(RANKS, PATHWAYS, results, str(out))
    assert not out.exists()


def test_result_rows_come_before_plot_errors(tmp_path):
    out = tmp_path / "never.png"
    with pytest.raises(ValueError, match=re.escape("Result row missing 'padj'.")):
        plot(RANKS, PATHWAYS, [{"pathway": "A", "nes": 1.0, "pval": 0.1}], str(out), dpi=0)


SIZE = "plot size in inches and dpi must be finite positive values"
CANVAS = ("table plot of 18000x210 pixels exceeds the drawing limit of 16384 pixels per side "
          "and 67108864 pixels in all")
PLOT_ERRORS = [
    ("zero dpi", dict(dpi=0), SIZE),
    ("zero width", dict(width_inches=0), SIZE),
    ("infinite width", dict(width_inches=math.inf), SIZE),
    ("NaN height", dict(height_inches=math.nan), SIZE),
    ("negative height", dict(height_inches=-2.0), SIZE),
    ("options before the data", dict(ranks={}, dpi=0), SIZE),
    ("empty ranking", dict(ranks={}), "ranks must not be empty"),
    ("no pathways", dict(pathways=[]), "pathways must not be empty"),
    ("negative exponent", dict(gseaParam=-0.5),
     "gsea_param must be a finite value greater than or equal to 0"),
    ("NaN exponent", dict(gseaParam=math.nan),
     "gsea_param must be a finite value greater than or equal to 0"),
    ("missing result names the first pathway", dict(results=RESULTS[1:]),
     "pathway 'TOP_SET%SOURCE' missing from quorin results"),
    ("no pathway has ranked genes", dict(pathways=[("U", ["X"]), ("V", [])]),
     "none of the requested pathways have genes present in the ranked list"),
    ("data before the height", dict(results=[], dpi=100),
     "pathway 'TOP_SET%SOURCE' missing from quorin results"),
    ("automatic height too small at 100 dpi", dict(dpi=100),
     "plot height must be at least 180 pixels"),
    ("given height too small", dict(height_inches=0.5),
     "plot height must be at least 180 pixels"),
    ("doubled canvas too wide", dict(width_inches=60), CANVAS),
]


@pytest.mark.parametrize("case", PLOT_ERRORS, ids=[c[0] for c in PLOT_ERRORS])
def test_plot_errors_are_runtime_errors(tmp_path, case):
    _, changes, message = case
    out = tmp_path / "never.png"
    args = dict(ranks=RANKS, pathways=PATHWAYS, results=RESULTS, output_path=str(out))
    args.update(changes)
    with pytest.raises(RuntimeError, match=f"^{re.escape(message)}$"):
        plot(**args)
    assert not out.exists()


def test_write_failure_is_a_runtime_error(tmp_path):
    out = tmp_path / "missing" / "table.png"
    with pytest.raises(RuntimeError, match=f"^{re.escape('No such file or directory')}$"):
        plot(RANKS, PATHWAYS, RESULTS, str(out))
    assert not out.parent.exists()


def test_failure_leaves_an_existing_file_alone(tmp_path):
    out = tmp_path / "kept.png"
    out.write_bytes(b"previous")
    with pytest.raises(RuntimeError):
        plot(RANKS, PATHWAYS, RESULTS, str(out), dpi=100)
    assert out.read_bytes() == b"previous"


def test_float_conversion_cannot_mutate_the_rows_being_read(tmp_path):
    # A value whose float conversion empties the caller's dict: the rows were
    # copied during argument conversion, so the call still sees every key.
    row = {"pathway": "TOP_SET%SOURCE", "pval": 0.01, "padj": 0.02}

    class Sneaky:
        def __float__(self):
            row.clear()
            return 1.5

    row["nes"] = Sneaky()
    out = tmp_path / "sneaky.png"
    plot(RANKS, PATHWAYS, [row, RESULTS[1]], str(out))
    assert png_info(out)[:2] == (1680, 210)


def _genes_clearing_the_pathways():
    # The pathways list's only references to its tuples go when a gene
    # sequence's __getitem__ clears it mid-conversion.
    pathways: list = []

    class Genes:
        def __len__(self):
            return 3

        def __getitem__(self, i):
            pathways.clear()
            return ["G0", "G1", "G2"][i]

    pathways += [("TOP_SET%SOURCE", Genes()), ("BOTTOM", ["G18", "G19"])]
    return RANKS, pathways, [dict(r) for r in RESULTS]


def _row_keys_clearing_the_results():
    # A dict subclass whose keys() (and iteration) empties the results list.
    results: list = []

    class Row(dict):
        def keys(self):
            results.clear()
            return super().keys()

        def __iter__(self):
            results.clear()
            return super().__iter__()

    results += [Row(r) for r in RESULTS]
    return RANKS, PATHWAYS, results


def _float_clearing_everything():
    # A score whose float conversion empties the ranking being read, and row
    # values whose conversion (after every argument) empties all three.
    ranks = dict(RANKS)
    pathways = list(PATHWAYS)
    results: list = []

    class SneakyScore:
        def __float__(self):
            ranks.clear()
            return -9.5

    class Sneaky:
        def __float__(self):
            ranks.clear()
            pathways.clear()
            results.clear()
            return 0.5

    ranks["G19"] = SneakyScore()
    results += [dict(RESULTS[0], nes=Sneaky()), dict(RESULTS[1], padj=Sneaky())]
    return ranks, pathways, results


@pytest.mark.parametrize("make", [_genes_clearing_the_pathways, _row_keys_clearing_the_results,
                                  _float_clearing_everything],
                         ids=["genes getitem", "row keys", "float"])
def test_python_code_changing_the_arguments_cannot_crash(tmp_path, make):
    # The entry converts snapshots that own their items, so these calls draw
    # from what the arguments held when the call began.
    ranks, pathways, results = make()
    out = tmp_path / "hostile.png"
    plot(ranks, pathways, results, str(out))
    assert png_info(out)[:2] == (1680, 210)
