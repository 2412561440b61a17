"""write_enrichment_plot_png_py: the PNG it writes (size, resolution chunk and
the pixels the layout fixes, decoded here with zlib), argument conversion,
every failure with its exact type and text in check order, and no file left
behind by a failing call."""
from __future__ import annotations

import math
import os
import re
import struct
import subprocess
import sys
import textwrap
import time
import zlib
from pathlib import Path

import pytest

import varenkopy

WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
GREEN = (0, 180, 0, 255)
RED = (220, 40, 40, 255)
BAR = (70, 70, 70, 255)
SIZE_MSG = "plot size in inches and dpi must be finite positive values"
MIN_MSG = "plot dimensions must be at least 320x240 pixels"
PARAM_MSG = "gsea_param must be a finite value greater than or equal to 0"


def raises_exact(exc_type, message):
    return pytest.raises(exc_type, match="^" + re.escape(message) + "$")


# --- PNG reading ---------------------------------------------------------------


def read_chunks(path: Path) -> list[tuple[str, bytes]]:
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    chunks, pos = [], 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        chunks.append((data[pos + 4 : pos + 8].decode("ascii"), data[pos + 8 : pos + 8 + length]))
        pos += 12 + length
    return chunks


def _paeth(a: int, b: int, c: int) -> int:
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


class Image:
    """A decoded 8-bit RGBA PNG."""

    def __init__(self, path: Path):
        chunks = read_chunks(path)
        ihdr = chunks[0][1]
        self.width, self.height, depth, colour = struct.unpack(">IIBB", ihdr[:10])
        assert (depth, colour) == (8, 6)
        raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == "IDAT"))
        stride = self.width * 4
        rows, prev = [], bytes(stride)
        for y in range(self.height):
            start = y * (stride + 1)
            kind, line = raw[start], raw[start + 1 : start + 1 + stride]
            if kind == 0:
                out = bytes(line)
            elif kind == 2:
                out = bytes((a + b) & 255 for a, b in zip(line, prev))
            else:
                buf = bytearray(stride)
                for x in range(stride):
                    left = buf[x - 4] if x >= 4 else 0
                    up_left = prev[x - 4] if x >= 4 else 0
                    pred = {1: left, 3: (left + prev[x]) // 2, 4: _paeth(left, prev[x], up_left)}[kind]
                    buf[x] = (line[x] + pred) & 255
                out = bytes(buf)
            rows.append(out)
            prev = out
        self.rows = rows

    def at(self, x: int, y: int) -> tuple[int, int, int, int]:
        o = x * 4
        return tuple(self.rows[y][o : o + 4])

    def row_has(self, y: int, colour, x0: int = 0, x1: int | None = None) -> bool:
        x1 = self.width if x1 is None else x1
        return any(self.at(x, y) == colour for x in range(x0, x1))


# --- the layout, recomputed --------------------------------------------------


def f32(x: float) -> float:
    return struct.unpack("f", struct.pack("f", x))[0]


def round_half_away(x: float) -> int:
    return int(math.floor(abs(x) + 0.5)) * (1 if x >= 0 else -1)


def nice(x: float, ceiling: bool) -> float:
    e = math.floor(math.log10(abs(x)))
    p = 10.0**e
    f = x / p
    bounds = (1.0, 2.0, 5.0) if ceiling else (1.5, 3.0, 7.0)
    for m, bound in zip((1.0, 2.0, 5.0), bounds):
        if (f <= bound) if ceiling else (f < bound):
            return m * p
    return 10.0 * p


def y_axis(lo: float, hi: float) -> tuple[float, float]:
    """(minimum, maximum) of the value axis with six target ticks."""
    if lo >= 0 or (lo < 0 < hi and -lo / hi <= 0.05):
        step = nice(nice(max(hi, 1e-12), True) / 5, False)
        return 0.0, step * math.ceil(hi / step)
    if (lo < 0 and hi <= 0) or (lo < 0 < hi and hi / -lo <= 0.05):
        step = nice(nice(max(-lo, 1e-12), True) / 5, False)
        return step * math.floor(lo / step), 0.0
    step = nice(nice(hi - lo, True) / 5, False)
    return step * math.floor(lo / step), step * math.ceil(hi / step)


def running_sum(scores: list[float], hits: list[int]) -> list[float]:
    """The curve over the ranked scores (descending) with hit positions (0-based, sorted)."""
    n, k = len(scores), len(hits)
    weights = [abs(scores[h]) for h in hits]
    total = sum(weights)
    values, value, j = [0.0], 0.0, 0
    for i in range(n):
        if j < k and hits[j] == i:
            value += weights[j] / total
            j += 1
        else:
            value -= 1.0 / (n - k)
        values.append(value)
    return values


class Layout:
    def __init__(self, dpi: int, width: int, height: int, curve: list[float], es: float):
        f = f32(dpi / 300.0)
        px = lambda k: round_half_away(f32(k * f))  # noqa: E731
        self.left, self.top = px(122), px(90)
        self.pw, self.ph = width - self.left - px(20), height - self.top - px(80)
        self.bottom = self.top + self.ph
        self.n = len(curve) - 1
        self.ymin, self.ymax = y_axis(min(min(curve), es, 0.0), max(max(curve), es, 0.0))

    def x(self, p: float) -> int:
        return round_half_away(f32(self.left + f32(f32(p / self.n) * self.pw)))

    def y(self, v: float) -> int:
        frac = f32((self.ymax - v) / (self.ymax - self.ymin))
        return round_half_away(f32(self.top + f32(self.ph * frac)))


# --- fixtures ------------------------------------------------------------------

N = 300
SCORES = [1.0 - 2.0 * i / N for i in range(N)]
RANKS = {f"G{i}": s for i, s in enumerate(SCORES)}
TOP_HITS = list(range(3, N // 3, 7))
TOP_GENES = [f"G{i}" for i in TOP_HITS]
BOTTOM_HITS = list(range(200, N, 5))
BOTTOM_GENES = [f"G{i}" for i in BOTTOM_HITS]


def plot(path: Path, genes=TOP_GENES, ranks=RANKS, **kwargs) -> Image:
    assert varenkopy.write_enrichment_plot_png_py(ranks, genes, str(path), **kwargs) is None
    return Image(path)


# --- the written image -------------------------------------------------------


def test_default_call_writes_900_by_660_at_300_dpi(tmp_path):
    path = tmp_path / "plot.png"
    varenkopy.write_enrichment_plot_png_py(RANKS, TOP_GENES, str(path))
    chunks = read_chunks(path)
    kinds = [kind for kind, _ in chunks]
    assert kinds[:2] == ["IHDR", "pHYs"] and kinds[-1] == "IEND"
    assert set(kinds[2:-1]) == {"IDAT"}
    assert struct.unpack(">IIBBBBB", chunks[0][1]) == (900, 660, 8, 6, 0, 0, 0)
    assert struct.unpack(">IIB", chunks[1][1]) == (11811, 11811, 1)


def test_default_pixels(tmp_path):
    img = plot(tmp_path / "plot.png")
    curve = running_sum(SCORES, TOP_HITS)
    es = max(curve)
    lay = Layout(300, 900, 660, curve, es)
    assert (lay.left, lay.pw, lay.ph) == (122, 758, 490)
    assert img.at(0, 0) == WHITE
    assert img.at(500, 300) == WHITE
    assert img.at(122, 300) == (230, 230, 230, 255)  # grid line over the left axis
    assert img.at(300, 580) == BLACK  # the axis starts at zero: zero line on the bottom edge
    assert any(img.row_has(y, GREEN) for y in range(90, 580))
    for dy in (-1, 0, 1):
        assert img.at(128, lay.y(es) + dy) == RED
    for hit in TOP_HITS:
        assert img.at(lay.x(hit + 1), 590) == BAR, hit
    assert img.at(lay.x(250), 590) == WHITE
    assert not any(img.row_has(y, BLACK) for y in range(24, 52))  # no title


def test_600_dpi_doubles_every_length(tmp_path):
    path = tmp_path / "plot.png"
    img = plot(path, dpi=600)
    assert (img.width, img.height) == (1800, 1320)
    assert struct.unpack(">IIB", read_chunks(path)[1][1]) == (23622, 23622, 1)
    curve = running_sum(SCORES, TOP_HITS)
    lay = Layout(600, 1800, 1320, curve, max(curve))
    assert (lay.left, lay.bottom) == (244, 1160)
    assert img.at(244, 600) == (207, 207, 207, 255)
    assert img.at(600, 1160) == BLACK
    for dy in (-2, -1, 0, 1, 2):
        assert img.at(256, lay.y(max(curve)) + dy) == RED
    assert img.at(lay.x(TOP_HITS[0] + 1), 1160 + 35) == BAR


def test_transparent_background(tmp_path):
    img = plot(tmp_path / "plot.png", transparent_background=True)
    assert img.at(0, 0)[3] == 0
    assert img.at(500, 300)[3] == 0
    assert img.at(300, 580) == BLACK
    alphas = {img.at(x, y)[3] for y in range(600, 660) for x in range(400, 500)}
    assert 0 in alphas and 255 in alphas and any(0 < a < 255 for a in alphas)


def test_negative_score_type(tmp_path):
    img = plot(tmp_path / "plot.png", genes=BOTTOM_GENES, scoreType="neg")
    curve = running_sum(SCORES, BOTTOM_HITS)
    es = min(curve)
    lay = Layout(300, 900, 660, curve, es)
    assert lay.ymin < 0
    assert img.at(128, lay.y(es)) == RED
    assert img.at(300, lay.y(0.0)) == BLACK
    assert img.at(140, lay.bottom) == (230, 230, 230, 255)  # the axis extends below zero


def test_title_only_when_given(tmp_path):
    plain = plot(tmp_path / "a.png")
    none_title = plot(tmp_path / "b.png", title=None)
    empty_title = plot(tmp_path / "c.png", title="")
    titled = plot(tmp_path / "d.png", title="HALLMARK_TEST")
    assert plain.rows == none_title.rows == empty_title.rows
    assert any(titled.row_has(y, BLACK, 300, 600) for y in range(24, 52))


def test_score_type_is_case_insensitive(tmp_path):
    upper = plot(tmp_path / "a.png", scoreType="POS")
    lower = plot(tmp_path / "b.png", scoreType="pos")
    assert upper.rows == lower.rows


def test_arguments_by_keyword(tmp_path):
    path = tmp_path / "plot.png"
    varenkopy.write_enrichment_plot_png_py(
        ranks=RANKS, pathway_genes=tuple(TOP_GENES), output_path=str(path), pathway_name="X",
        scoreType="std", gseaParam=0, width_inches=4, height_inches=3, dpi=100,
        transparent_background=False, title="t",
    )
    assert Image(path).width == 400


def test_plot_font_environment_has_no_effect_with_the_embedded_font(tmp_path):
    reference = plot(tmp_path / "ref.png")
    script = textwrap.dedent(
        f"""
        import varenkopy
        varenkopy.write_enrichment_plot_png_py({RANKS!r}, {TOP_GENES!r}, {str(tmp_path / "env.png")!r})
        """
    )
    env = dict(os.environ, VARENKO_PLOT_FONT="/nonexistent/font.ttf")
    subprocess.run([sys.executable, "-c", script], env=env, check=True, capture_output=True)
    assert Image(tmp_path / "env.png").rows == reference.rows


# --- failures ----------------------------------------------------------------

FAILURES = [
    ("zero dpi", dict(dpi=0), RuntimeError, SIZE_MSG),
    ("NaN width", dict(width_inches=math.nan), RuntimeError, SIZE_MSG),
    ("zero height", dict(height_inches=0.0), RuntimeError, SIZE_MSG),
    ("size before ranks", dict(ranks={}, dpi=0), RuntimeError, SIZE_MSG),
    ("too small", dict(width_inches=2.0, height_inches=0.7), RuntimeError, MIN_MSG),
    ("too small before ranks", dict(ranks={}, width_inches=2.0, height_inches=0.7), RuntimeError,
     MIN_MSG),
    ("too large", dict(width_inches=1e5), RuntimeError,
     "canvas of 30000000x660 pixels exceeds the drawing limit of 32768 pixels per side and "
     "268435456 pixels in all"),
    ("empty ranks", dict(ranks={}, gseaParam=-1.0), RuntimeError, "ranks must not be empty"),
    ("negative exponent", dict(gseaParam=-1.0), RuntimeError, PARAM_MSG),
    ("NaN exponent", dict(gseaParam=math.nan), RuntimeError, PARAM_MSG),
    ("no hits", dict(genes=["nope"]), RuntimeError,
     "pathway 'pathway' has no genes present in the ranked list"),
    ("no hits, named", dict(genes=["nope"], pathway_name="MY_SET"), RuntimeError,
     "pathway 'MY_SET' has no genes present in the ranked list"),
    ("full coverage", dict(ranks={"A": 1.0, "B": 2.0}, genes=["B", "A"]), RuntimeError,
     "pathway 'pathway' covers the full ranked list and cannot produce an enrichment curve"),
    ("infinite score", dict(ranks={"A": math.inf, "B": 2.0}, genes=["A"]), ValueError,
     "ranking score of gene 'A' is not finite"),
    ("infinite score before the exponent", dict(ranks={"A": 1.0, "B": -math.inf},
                                                gseaParam=math.inf), ValueError,
     "ranking score of gene 'B' is not finite"),
    ("infinite exponent", dict(gseaParam=math.inf), RuntimeError, PARAM_MSG),
    ("surrogate in a pathway gene", dict(genes=["G1", "G\ud800"]), ValueError,
     "argument 'pathway_genes': 'utf-8' codec can't encode character '\\ud800' in position 1: "
     "surrogates not allowed"),
    ("no drawable area", dict(width_inches=0.32, dpi=1000), RuntimeError,
     "plot dimensions leave no drawable area"),
    ("score type first", dict(ranks={}, dpi=0, scoreType="Two"), ValueError,
     "Invalid scoreType 'two'. Expected one of: std, pos, neg."),
]


@pytest.mark.parametrize("kwargs,exc_type,message", [c[1:] for c in FAILURES],
                         ids=[c[0] for c in FAILURES])
def test_failures_in_order_write_nothing(tmp_path, kwargs, exc_type, message):
    kwargs = dict(kwargs)
    ranks = kwargs.pop("ranks", RANKS)
    genes = kwargs.pop("genes", TOP_GENES)
    start = time.monotonic()
    with raises_exact(exc_type, message):
        varenkopy.write_enrichment_plot_png_py(ranks, genes, str(tmp_path / "plot.png"), **kwargs)
    assert time.monotonic() - start < 30.0  # a guard against hangs, not a speed test
    assert list(tmp_path.iterdir()) == []


def test_unwritable_path_reports_the_system_error(tmp_path):
    with raises_exact(RuntimeError, "No such file or directory"):
        varenkopy.write_enrichment_plot_png_py(RANKS, TOP_GENES, str(tmp_path / "no" / "p.png"))
    (tmp_path / "dir").mkdir()
    with raises_exact(RuntimeError, "Is a directory"):
        varenkopy.write_enrichment_plot_png_py(RANKS, TOP_GENES, str(tmp_path / "dir"))
    assert [p.name for p in tmp_path.iterdir()] == ["dir"]
    assert list((tmp_path / "dir").iterdir()) == []


CONVERSIONS = [
    ("ranks", dict(ranks=[("G0", 1.0)]), TypeError, "argument 'ranks'"),
    ("str pathway_genes", dict(genes="G3"), TypeError, "argument 'pathway_genes'"),
    ("pathway_genes of int", dict(genes=[3]), TypeError, "argument 'pathway_genes'"),
    ("output_path", dict(output_path=5), TypeError, "argument 'output_path'"),
    ("pathway_name", dict(pathway_name=None), TypeError, "argument 'pathway_name'"),
    ("scoreType", dict(scoreType=None), TypeError, "argument 'scoreType'"),
    ("gseaParam", dict(gseaParam="1"), TypeError, "argument 'gseaParam'"),
    ("width_inches", dict(width_inches="3"), TypeError, "argument 'width_inches'"),
    ("height_inches", dict(height_inches=None), TypeError, "argument 'height_inches'"),
    ("dpi float", dict(dpi=300.0), TypeError, "argument 'dpi'"),
    ("transparent_background", dict(transparent_background=1), TypeError,
     "argument 'transparent_background'"),
    ("title", dict(title=5), TypeError, "argument 'title'"),
    ("conversion before score type", dict(scoreType="bad", title=5), TypeError, "argument 'title'"),
]


@pytest.mark.parametrize("kwargs,exc_type,prefix", [c[1:] for c in CONVERSIONS],
                         ids=[c[0] for c in CONVERSIONS])
def test_argument_conversion_names_the_argument(tmp_path, kwargs, exc_type, prefix):
    kwargs = dict(kwargs)
    ranks = kwargs.pop("ranks", RANKS)
    genes = kwargs.pop("genes", TOP_GENES)
    path = kwargs.pop("output_path", str(tmp_path / "plot.png"))
    with pytest.raises(exc_type, match="^" + re.escape(prefix)):
        varenkopy.write_enrichment_plot_png_py(ranks, genes, path, **kwargs)
    assert list(tmp_path.iterdir()) == []


def test_negative_dpi_fails_in_conversion(tmp_path):
    with pytest.raises(OverflowError):
        varenkopy.write_enrichment_plot_png_py(RANKS, TOP_GENES, str(tmp_path / "p.png"), dpi=-1)
    with pytest.raises(OverflowError):
        varenkopy.write_enrichment_plot_png_py(RANKS, TOP_GENES, str(tmp_path / "p.png"), dpi=2**32)
    assert list(tmp_path.iterdir()) == []
