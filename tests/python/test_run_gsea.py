"""run_gsea_py: argument conversion errors naming each argument, every failure
of the entry with its exact type and text, the order in which the checks run,
and the shape and order of the returned rows."""
from __future__ import annotations

import math
import os
import re
import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

import varenkopy

ROW_KEYS = {"pathway", "size", "es", "nes", "pval", "padj", "log2err", "leading_edge"}
SCORE_TYPE_MSG = "Invalid scoreType '{}'. Expected one of: std, pos, neg."
MODE_MSG = "Invalid mode '{}'. Expected one of: quorin, multilevel, simple."
GPU_MSG = "gpu=True requires building varenkopy with the 'gpu' feature."
SAMPLE_SIZE_MSG = "sampleSize must be greater than 0."


def run(ranks, gmt, **kwargs):
    return varenkopy.run_gsea_py(ranks, str(gmt), **kwargs)


def raises_exact(exc_type, message):
    return pytest.raises(exc_type, match="^" + re.escape(message) + "$")


# --- argument conversion -----------------------------------------------------

WRONG_TYPES = [
    ("ranks", [("G0", 1.0)]),
    ("gmt_path", 5),
    ("nPermSimple", 1.5),
    ("seed", "7"),
    ("nproc", 2.0),
    ("minSize", "1"),
    ("maxSize", 3.5),
    ("eps", "1e-10"),
    ("scoreType", None),
    ("gseaParam", "1"),
    ("mode", None),
    ("nperm", 1.5),
    ("sampleSize", None),
    ("gpu", 1),
]


@pytest.mark.parametrize("name,value", WRONG_TYPES, ids=[n for n, _ in WRONG_TYPES])
def test_wrong_type_names_the_argument(name, value, small_ranks, small_gmt):
    kwargs = {"ranks": small_ranks, "gmt_path": str(small_gmt), name: value}
    with pytest.raises(TypeError, match=f"^argument '{name}': "):
        varenkopy.run_gsea_py(**kwargs)


@pytest.mark.parametrize(
    "name,value",
    [("nPermSimple", -1), ("seed", -1), ("seed", 2**64), ("nproc", -3), ("minSize", -1),
     ("maxSize", -1), ("nperm", -5), ("sampleSize", -1), ("nPermSimple", 2**70)],
)
def test_out_of_range_integers_raise_overflow_error(name, value, small_ranks, small_gmt):
    with pytest.raises(OverflowError, match=f"^argument '{name}': "):
        run(small_ranks, small_gmt, **{name: value})


@pytest.mark.parametrize(
    "ranks",
    [{"G0": "1.0"}, {1: 1.0}, {b"G0": 1.0}, {"G0": None}, {"G0": [1.0]}],
    ids=["str-value", "int-key", "bytes-key", "none-value", "list-value"],
)
def test_bad_ranks_entries_are_type_errors(ranks, small_gmt):
    with pytest.raises(TypeError, match="^argument 'ranks': "):
        run(ranks, small_gmt)


def test_all_fourteen_arguments_by_position(small_ranks, small_gmt):
    rows = varenkopy.run_gsea_py(
        small_ranks, str(small_gmt), 100, 7, 0, 1, None, 1e-10, "std", 1.0, "simple", None, 101, False
    )
    assert [r["pathway"] for r in rows] == ["BOTTOM", "MID", "TOP"]


def test_arity_and_unknown_keywords_come_from_the_interpreter(small_ranks, small_gmt):
    with pytest.raises(TypeError):
        varenkopy.run_gsea_py(small_ranks)
    with pytest.raises(TypeError):
        varenkopy.run_gsea_py(small_ranks, str(small_gmt), nPermsimple=10)
    with pytest.raises(TypeError):
        varenkopy.run_gsea_py(*([small_ranks, str(small_gmt)] + [None] * 13))


def test_scores_accept_int_and_objects_with_float_or_index(small_gmt):
    class F:
        def __float__(self):
            return 2.5

    class I:
        def __index__(self):
            return 3

    rows = run({"G0": 1, "G1": F(), "G2": I(), "G3": True, "G4": -1.0}, small_gmt, seed=1)
    assert [r["pathway"] for r in rows] == ["TOP"]


# --- failures in the order of the steps --------------------------------------

def test_sample_size_zero(small_ranks, small_gmt):
    with raises_exact(ValueError, SAMPLE_SIZE_MSG):
        run(small_ranks, small_gmt, sampleSize=0)


def test_sample_size_zero_beats_a_missing_gmt(small_ranks, tmp_path):
    with raises_exact(ValueError, SAMPLE_SIZE_MSG):
        run(small_ranks, tmp_path / "missing.gmt", sampleSize=0, scoreType="bad", mode="bad", gpu=True)


def test_conversion_errors_come_before_every_check(small_ranks, tmp_path):
    with pytest.raises(TypeError, match="^argument 'gpu': "):
        run(small_ranks, tmp_path / "missing.gmt", sampleSize=0, gpu="yes")


def test_missing_gmt_is_an_os_error_with_the_reader_message(small_ranks, tmp_path):
    with pytest.raises(IOError) as info:
        run(small_ranks, tmp_path / "missing.gmt")
    assert isinstance(info.value, FileNotFoundError)
    assert str(info.value) == "No such file or directory (os error 2)"


def test_malformed_gmt_line(small_ranks, tmp_path):
    gmt = tmp_path / "bad.gmt"
    gmt.write_text("OK\t\tG0\tG1\nBROKEN\tonly two\n", encoding="utf-8")
    with raises_exact(OSError, "Malformed GMT line 2: expected at least 3 tab-separated columns."):
        run(small_ranks, gmt)


@pytest.mark.skipif(not os.path.exists("/dev/zero"), reason="needs /dev/zero")
def test_endless_gmt_line_fails_at_256_mib(small_ranks):
    with raises_exact(OSError, "Malformed GMT line 1: longer than 268435456 bytes."):
        run(small_ranks, "/dev/zero")


def test_unreadable_gmt_beats_an_invalid_score_type(small_ranks, tmp_path):
    with pytest.raises(OSError):
        run(small_ranks, tmp_path / "missing.gmt", scoreType="two", mode="fast", gpu=True)


@pytest.mark.parametrize(
    "text,shown",
    [("two", "two"), ("STD2", "std2"), ("", ""), ("ΣΤΔΣ", "στδς"), ("İX", "i\u0307x"),
     ("a\0b", "a\0b")],
)
def test_invalid_score_type(text, shown, small_ranks, small_gmt):
    with raises_exact(ValueError, SCORE_TYPE_MSG.format(shown)):
        run(small_ranks, small_gmt, scoreType=text)


def test_invalid_score_type_beats_an_invalid_mode(small_ranks, small_gmt):
    with raises_exact(ValueError, SCORE_TYPE_MSG.format("x")):
        run(small_ranks, small_gmt, scoreType="X", mode="fast")


@pytest.mark.parametrize("text,shown", [("fast", "fast"), ("Quorin2", "quorin2"), ("", "")])
def test_invalid_mode(text, shown, small_ranks, small_gmt):
    with raises_exact(ValueError, MODE_MSG.format(shown)):
        run(small_ranks, small_gmt, mode=text)


def test_invalid_mode_beats_gpu(small_ranks, small_gmt):
    with raises_exact(ValueError, MODE_MSG.format("fast")):
        run(small_ranks, small_gmt, mode="fast", gpu=True)


def test_gpu_is_refused_after_the_gmt_was_read(small_ranks, small_gmt):
    with raises_exact(RuntimeError, GPU_MSG):
        run(small_ranks, small_gmt, gpu=True)


def test_internal_error_type_is_a_base_exception():
    assert issubclass(varenkopy.InternalError, BaseException)
    assert not issubclass(varenkopy.InternalError, Exception)


# --- rows ---------------------------------------------------------------------

@pytest.mark.parametrize("score_type", ["POS", "Std", "nEg"])
@pytest.mark.parametrize("mode", ["Multilevel", "SIMPLE", "quorin"])
def test_case_insensitive_texts(score_type, mode, small_ranks, small_gmt):
    rows = run(small_ranks, small_gmt, scoreType=score_type, mode=mode, seed=3, nPermSimple=200)
    assert len(rows) == 3


def test_rows_have_the_eight_keys_and_types(small_ranks, small_gmt):
    rows = run(small_ranks, small_gmt, seed=11)
    assert len(rows) == 3
    for row in rows:
        assert set(row) == ROW_KEYS
        assert isinstance(row["pathway"], str)
        assert isinstance(row["size"], int) and row["size"] == 4
        assert isinstance(row["es"], float)
        assert isinstance(row["pval"], float)
        for key in ("nes", "padj", "log2err"):
            assert row[key] is None or isinstance(row[key], float)
        assert all(isinstance(g, str) for g in row["leading_edge"])
    top = next(r for r in rows if r["pathway"] == "TOP")
    assert top["leading_edge"] == ["G0", "G1", "G2", "G3"]
    assert top["es"] == 1.0
    assert top["pval"] < 0.01


def test_no_permutations_give_nan_pvalues(small_ranks, small_gmt):
    rows = run(small_ranks, small_gmt, mode="simple", nPermSimple=0)
    for row in rows:
        assert math.isnan(row["pval"])
        assert row["nes"] is None and row["padj"] is None and row["log2err"] is None
        assert row["leading_edge"]


def test_rows_sorted_by_name_bytes_and_duplicates_kept(small_ranks, tmp_path):
    gmt = tmp_path / "names.gmt"
    gmt.write_text(
        "b\t\tG0\tG1\n"
        "ab\t\tG2\tG3\n"
        "\u00e9t\u00e9\t\tG4\tG5\n"
        "B\t\tG6\tG7\n"
        "a\t\tG8\tG9\n"
        "dup\t\tG10\tG11\tG12\n"
        "Z\t\tG13\tG14\n"
        "dup\t\tG15\tG16\n",
        encoding="utf-8",
    )
    rows = run(small_ranks, gmt, seed=5, nPermSimple=100, mode="simple")
    assert [r["pathway"] for r in rows] == ["B", "Z", "a", "ab", "b", "dup", "dup", "\u00e9t\u00e9"]
    assert [r["size"] for r in rows if r["pathway"] == "dup"] == [3, 2]


def test_max_size_none_means_n_minus_one(tmp_path):
    ranks = {f"G{i}": float(5 - i) for i in range(5)}
    gmt = tmp_path / "sizes.gmt"
    gmt.write_text("ALL\t\tG0\tG1\tG2\tG3\tG4\nFOUR\t\tG0\tG1\tG2\tG3\n", encoding="utf-8")
    rows = run(ranks, gmt, seed=1, nPermSimple=50)
    assert [r["pathway"] for r in rows] == ["FOUR"]
    assert [r["pathway"] for r in run(ranks, gmt, seed=1, nPermSimple=50, maxSize=4)] == ["FOUR"]
    assert run(ranks, gmt, seed=1, nPermSimple=50, maxSize=3) == []


def test_min_size_zero_never_keeps_a_pathway_without_ranked_genes(small_ranks, tmp_path):
    gmt = tmp_path / "nohits.gmt"
    gmt.write_text("NONE\t\tX1\tX2\nONE\t\tG3\tX1\n", encoding="utf-8")
    rows = run(small_ranks, gmt, minSize=0, seed=2, nPermSimple=100)
    assert [(r["pathway"], r["size"]) for r in rows] == [("ONE", 1)]


def test_empty_ranks_give_no_rows(small_gmt):
    assert run({}, small_gmt) == []


def test_same_seed_same_rows_other_seed_differs(example_ranks, example_gmt):
    first = run(example_ranks, example_gmt, seed=1, nperm=300)
    again = run(example_ranks, example_gmt, seed=1, nperm=300)
    other = run(example_ranks, example_gmt, seed=2, nperm=300)
    assert repr(first) == repr(again)
    assert [r["pval"] for r in first] != [r["pval"] for r in other]


def test_a_nan_gene_in_no_set_only_adds_a_miss_at_the_end(example_ranks, example_gmt):
    # The NaN gene is ranked last with weight 0: scores barely move, and NES
    # moves only by the permutations' noise (drawn from one more position).
    ranks = dict(example_ranks, FILTERED_OUT_GENE=math.nan)
    kwargs = dict(seed=1, mode="simple", nPermSimple=20000)
    base = {r["pathway"]: r for r in run(example_ranks, example_gmt, **kwargs)}
    rows = run(ranks, example_gmt, **kwargs)
    assert sorted(base) == [r["pathway"] for r in rows]
    for row in rows:
        want = base[row["pathway"]]
        assert row["size"] == want["size"]
        assert abs(row["es"] - want["es"]) <= 1e-3, row["pathway"]
        assert abs(row["nes"] / want["nes"] - 1.0) <= 0.01, row["pathway"]
        assert "FILTERED_OUT_GENE" not in row["leading_edge"]


def test_nperm_in_default_mode_disables_refinement(example_ranks, example_gmt):
    rows = run(example_ranks, example_gmt, seed=9, nperm=200)
    finite = [r["pval"] for r in rows if not math.isnan(r["pval"])]
    assert finite and min(finite) >= 1 / 201


def test_worker_pool_size_is_decided_once_and_clamped():
    # A fresh interpreter: the first request creates the pool (clamped to 256
    # threads); a later request changes nothing.
    script = textwrap.dedent(
        """
        import os, tempfile, varenkopy
        d = tempfile.mkdtemp()
        gmt = os.path.join(d, "p.gmt")
        open(gmt, "w").write("P\\t\\tA\\tB\\n")
        ranks = {"A": 2.0, "B": 1.0, "C": -1.0}
        rows = varenkopy.run_gsea_py(ranks, gmt, nproc=10**6, seed=1, nPermSimple=10)
        first = len(os.listdir("/proc/self/task"))
        varenkopy.run_gsea_py(ranks, gmt, nproc=3, seed=1, nPermSimple=10)
        print(len(rows), first, len(os.listdir("/proc/self/task")))
        """
    )
    env = {k: v for k, v in os.environ.items() if not k.startswith("VARENKO_")}
    env["PYTHONPATH"] = str(Path(varenkopy.__file__).parent)
    out = subprocess.run(
        [sys.executable, "-c", script], capture_output=True, text=True, timeout=120, env=env
    )
    assert out.returncode == 0, out.stderr
    rows, first, later = map(int, out.stdout.split())
    assert rows == 1
    assert 256 <= first <= 270
    assert later == first
