"""Odd and hostile input to run_gsea_py: it must raise a clean Python
exception or return rows, never crash or hang; files as people have them
(byte-order marks, gzip) and files that are broken or never end, for every
reader. Ends with a fixed number of calls with random argument types and
values."""
from __future__ import annotations

import gzip
import math
import os
import random
import re
import stat
import time

import pytest

import varenkopy
from varenkopy import _files, cli

ROW_KEYS = {"pathway", "size", "es", "nes", "pval", "padj", "log2err", "leading_edge"}


def run(ranks, gmt, **kwargs):
    return varenkopy.run_gsea_py(ranks, str(gmt), **kwargs)


def test_non_str_keys_are_refused(small_gmt):
    for key in (1, 2.5, None, ("G0",), b"G0"):
        with pytest.raises(TypeError, match="^argument 'ranks': "):
            run({"G1": 1.0, key: 2.0}, small_gmt)


def test_str_subclass_keys_and_values_that_are_numbers_subclasses(small_gmt):
    class Name(str):
        pass

    class Score(float):
        pass

    rows = run({Name("G0"): Score(3.0), "G1": 2.0, "G2": 1.0, "G3": 0.5, "G4": -1.0}, small_gmt,
               seed=1, nPermSimple=50)
    assert [r["pathway"] for r in rows] == ["TOP"]


def test_dict_mutated_by_a_score_conversion(small_gmt):
    ranks = {}

    class Evil:
        def __float__(self):
            ranks.clear()
            ranks.update({f"X{i}": float(i) for i in range(50)})
            return 1.0

    ranks.update({"G0": Evil(), "G1": 2.0, "G2": 0.5})
    rows = run(ranks, small_gmt, seed=1, nPermSimple=20)
    assert all(set(r) == ROW_KEYS for r in rows)


def test_score_conversion_raising_is_passed_on(small_gmt):
    class Broken:
        def __float__(self):
            raise ZeroDivisionError("no score")

    with pytest.raises(ZeroDivisionError):
        run({"G0": Broken()}, small_gmt)


def test_embedded_nul_in_gmt_path(small_ranks, small_gmt):
    with pytest.raises(OSError, match="NUL"):
        run(small_ranks, str(small_gmt) + "\0.txt")


@pytest.mark.parametrize("name", ["ranks", "gmt_path", "scoreType", "mode"])
def test_lone_surrogate_is_a_value_error_naming_the_argument(name, small_ranks, small_gmt):
    args = {"ranks": small_ranks, "gmt_path": str(small_gmt)}
    args[name] = {"G\ud800": 1.0} if name == "ranks" else "x\ud800"
    with pytest.raises(ValueError, match=f"^argument '{name}': .*surrogates not allowed") as info:
        varenkopy.run_gsea_py(**args)
    assert type(info.value) is ValueError


def test_nan_scores_are_ranked_last(small_ranks, small_gmt):
    ranks = dict(small_ranks)
    ranks["G0"] = math.nan
    ranks["G19"] = math.nan
    for mode in ("simple", "quorin"):
        rows = run(ranks, small_gmt, seed=3, nPermSimple=100, mode=mode, sampleSize=11)
        assert all(set(r) == ROW_KEYS for r in rows)
        assert all(math.isfinite(r["es"]) for r in rows)


PARAM_MSG = "gsea_param must be a finite value greater than or equal to 0"


@pytest.mark.parametrize(
    "changes,message",
    [({"G7": math.inf}, "ranking score of gene 'G7' is not finite"),
     ({"G7": -math.inf}, "ranking score of gene 'G7' is not finite"),
     ({"gseaParam": math.nan}, PARAM_MSG), ({"gseaParam": math.inf}, PARAM_MSG),
     ({"gseaParam": -1.0}, PARAM_MSG), ({"gseaParam": -0.5, "G7": math.inf},
                                        "ranking score of gene 'G7' is not finite")],
    ids=repr,
)
def test_infinite_scores_and_bad_exponents_are_refused(changes, message, small_ranks, tmp_path):
    changes = dict(changes)
    kwargs = {k: changes.pop(k) for k in list(changes) if k == "gseaParam"}
    # Refused before the GMT file is read.
    with pytest.raises(ValueError, match=f"^{re.escape(message)}$"):
        run(dict(small_ranks, **changes), tmp_path / "missing.gmt", **kwargs)


def test_all_scores_nan_or_zero(small_gmt):
    for value in (math.nan, 0.0, -0.0, 5e-324):
        ranks = {f"G{i}": value for i in range(20)}
        rows = run(ranks, small_gmt, seed=3, nPermSimple=100, sampleSize=11)
        assert len(rows) == 3


@pytest.mark.parametrize(
    "kwargs",
    [{"eps": math.nan}, {"eps": -1.0}, {"eps": 2.0}, {"eps": math.inf}, {"gseaParam": 1e308},
     {"gseaParam": 0.0}, {"minSize": 10**9},
     {"maxSize": 0}, {"sampleSize": 1}, {"nPermSimple": 1}, {"nperm": 0}, {"nproc": 1}],
    ids=repr,
)
def test_odd_option_values(kwargs, small_ranks, small_gmt):
    rows = run(small_ranks, small_gmt, seed=8, **kwargs)
    assert all(set(r) == ROW_KEYS for r in rows)


def test_empty_inputs(tmp_path, small_ranks):
    empty = tmp_path / "empty.gmt"
    empty.write_bytes(b"")
    assert run(small_ranks, empty) == []
    assert run({}, empty) == []
    blank = tmp_path / "blank.gmt"
    blank.write_bytes(b"\n\n   \n")
    assert run(small_ranks, blank) == []
    one_gene = tmp_path / "one.gmt"
    one_gene.write_text("P\t\tG0\n", encoding="utf-8")
    assert run({"G0": 1.0}, one_gene) == []  # max' is 0 with one ranked gene


def test_two_hundred_thousand_genes(tmp_path):
    rng = random.Random(5)
    ranks = {f"GENE{i}": rng.gauss(0.0, 1.0) for i in range(200_000)}
    gmt = tmp_path / "big.gmt"
    names = list(ranks)
    gmt.write_text(
        "".join(f"S{j}\t\t" + "\t".join(rng.sample(names, 50)) + "\n" for j in range(20)),
        encoding="utf-8",
    )
    start = time.monotonic()
    rows = run(ranks, gmt, seed=1, nperm=200)
    assert len(rows) == 20
    assert time.monotonic() - start < 60


def test_hundred_thousand_line_gmt(tmp_path, small_ranks):
    gmt = tmp_path / "long.gmt"
    with gmt.open("w", encoding="utf-8") as fh:
        for j in range(100_000):
            fh.write(f"SET{j:06d}\tdesc\tG{j % 20}\tG{(j * 7 + 3) % 20}\tABSENT{j}\n")
    rows = run(small_ranks, gmt, seed=1, mode="simple", nPermSimple=0)
    assert len(rows) == 100_000
    assert rows[0]["pathway"] == "SET000000" and rows[-1]["pathway"] == "SET099999"


# --- fuzz ---------------------------------------------------------------------

PARAMS = ["ranks", "gmt_path", "nPermSimple", "seed", "nproc", "minSize", "maxSize", "eps",
          "scoreType", "gseaParam", "mode", "nperm", "sampleSize", "gpu"]


def random_value(rng: random.Random, gmt: str):
    choices = [
        lambda: None, lambda: True, lambda: False, lambda: rng.randint(-5, 300),
        lambda: rng.choice([0, 1, 2**32, 2**64, -(2**63), 10**30]),
        lambda: rng.choice([0.0, -0.0, 1e-300, 1.5, math.nan, math.inf, -1.0]),
        lambda: rng.choice(["std", "POS", "neg", "simple", "quorin", "multilevel", "", "\0", "x\ud800"]),
        lambda: gmt, lambda: b"bytes", lambda: [1, "a"], lambda: ("a",), lambda: object(),
        lambda: {f"G{i}": rng.choice([1.0, -2.0, math.nan, 3, True]) for i in range(rng.randint(0, 25))},
        lambda: {rng.choice(["G1", 2, None]): rng.choice([1.0, "s", None])},
    ]
    return rng.choice(choices)()


FUZZ_CALLS = 20_000


def test_fuzz_random_arguments(small_ranks, small_gmt):
    rng = random.Random(20240611)
    gmt = str(small_gmt)
    # A fixed count, not a time budget: every run makes the same calls however
    # busy the machine is.
    for _ in range(FUZZ_CALLS):
        kwargs = {"ranks": small_ranks, "gmt_path": gmt, "seed": 1, "nPermSimple": 50, "sampleSize": 11}
        for name in rng.sample(PARAMS, rng.randint(1, 4)):
            kwargs[name] = random_value(rng, gmt)
        # Keep the runs short: huge permutation counts are valid but slow.
        for name in ("nPermSimple", "nperm", "sampleSize"):
            value = kwargs.get(name)
            if isinstance(value, int) and not isinstance(value, bool) and value > 300:
                kwargs[name] = 300
        try:
            rows = varenkopy.run_gsea_py(**kwargs)
        except (TypeError, ValueError, OverflowError, OSError, RuntimeError):
            pass
        else:
            assert isinstance(rows, list)
            assert all(set(r) == ROW_KEYS for r in rows)


# --- files as people have them, and files that never end ------------------------------

# Each reader with a file whose first gene is JUNB, and what it returns as genes.
FILE_READERS = [
    pytest.param(varenkopy.read_ranking, "JUNB\t2.5\nA\t1.0\n",
                 lambda r: list(r.index), ValueError, id="ranking"),
    pytest.param(cli.read_signature_matrix, "gene\ts\nJUNB\t2.5\nA\t1.0\n",
                 lambda r: list(r.index), ValueError, id="matrix"),
    pytest.param(varenkopy.read_gmt, "S\t\tJUNB\tA\n",
                 lambda r: r["S"], OSError, id="gmt"),
]


@pytest.mark.parametrize("read, text, genes, error", FILE_READERS)
@pytest.mark.parametrize("bom", [False, True], ids=["", "bom"])
@pytest.mark.parametrize("name", ["in.txt", "in.txt.gz", "gz-without-suffix.txt"])
def test_byte_order_marks_and_gzip_are_read(tmp_path, read, text, genes, error, bom, name):
    data = ("\ufeff" if bom else "").encode() + text.encode()
    path = tmp_path / name
    path.write_bytes(data if name == "in.txt" else gzip.compress(data))
    assert genes(read(str(path))) == ["JUNB", "A"]


@pytest.mark.parametrize("read, text, genes, error", FILE_READERS)
@pytest.mark.parametrize("case, message", [
    ("not utf-8", "line 2 is not valid UTF-8"),
    ("broken gzip", "broken gzip data"),
    ("too large", "larger than 1000 bytes"),
    ("line too long", "line 2 is longer than 100 bytes"),
])
def test_unreadable_files_are_named(tmp_path, monkeypatch, read, text, genes, error, case,
                                    message):
    path = tmp_path / "in.txt"
    first = text.split("\n", 1)[0] + "\n"
    if case == "not utf-8":
        path.write_bytes(first.encode() + b"A\xff\t1\tx\n")
    elif case == "broken gzip":
        path.write_bytes(gzip.compress(text.encode())[:-12])
    elif case == "too large":
        monkeypatch.setattr(_files, "MAX_READ_BYTES", 1000)
        path.write_bytes(gzip.compress(first.encode() + b"A\t1\tx\n" * 200))
    else:
        monkeypatch.setattr(_files, "MAX_LINE_BYTES", 100)
        path.write_bytes(first.encode() + b"A" * 101 + b"\n")
    with pytest.raises(error) as info:
        read(str(path))
    assert str(info.value).startswith(f"{path}: ") and message in str(info.value)


def test_an_endless_device_is_refused(tmp_path):
    zero = tmp_path / "zero"
    try:
        os.mknod(zero, stat.S_IFCHR | 0o444, os.makedev(1, 5))
    except PermissionError:
        pytest.skip("mknod is not permitted here")
    with pytest.raises(ValueError, match=re.escape(
            f"{zero}: line 1 is longer than 268435456 bytes")):
        varenkopy.read_ranking(zero)


@pytest.mark.parametrize("read, sep, body", [
    (varenkopy.read_ranking, ",", "gene,score\nA,1\n{field},2\n"),
    (cli.read_signature_matrix, "\t", "gene\ts\nA\t1\n{field}\t2\n"),
])
def test_a_long_field_is_read_whole(tmp_path, read, sep, body):
    path = tmp_path / "in.csv" if sep == "," else tmp_path / "in.tsv"
    path.write_text(body.format(field="G" * 200_000), encoding="utf-8")
    assert list(read(str(path)).index) == ["A", "G" * 200_000]


def test_an_empty_gene_set_file_warns(tmp_path):
    path = tmp_path / "empty.gmt"
    path.write_text("\n", encoding="utf-8")
    with pytest.warns(varenkopy.VarenkoWarning, match=re.escape(f"{path} contains no gene sets")):
        assert varenkopy.read_gmt(path) == {}


@pytest.mark.parametrize("name, text, options, message", [
    ("q.rnk", 'A\t1\n"B\t2\nC\t3\n', {}, "line 2: a quote (\") opens a field that no quote"),
    ("q.csv", 'A,1\n"B\nX",2\n', {}, "line 2: a quote (\") opens a field that no quote"),
    ("u.rnk", "# c\nA\t1\nB\t1_000\n", {}, "line 3: score '1_000' is not a number"),
    ("c.rnk", "A\t1\nB\t1,5\n", {}, "line 2: score '1,5' is not a number"),
    ("one.rnk", "\nA\nB\n", {}, "line 2 holds one field"),
    ("gene.rnk", "A\t1\n \t2\n", {}, "line 2: a score without a gene name"),
    ("sets.gmt", "S1\thttp://x\tA\tB\nS2\t\tC\tD\n", {},
     "this looks like a gene set (GMT) file, not a ranking"),
    ("deseq.csv", '"",baseMean,log2FoldChange,stat\nA,9,1,2\n', {},
     "the header names 4 columns ('', 'baseMean', 'log2FoldChange', 'stat'); say which holds "
     "the scores (score= in Python, --score-column on the command line), or build the ranking "
     "from the table with varenkopy.ranking_from_table"),
    ("deseq.csv", '"",baseMean,stat\nA,9,2\n', {"score": "padj"},
     "argument 'score': {path} has no column 'padj' (columns: '', 'baseMean', 'stat')"),
    ("plain.rnk", "A\t1\n", {"score": "stat"},
     "argument 'score': {path} has no header line to find the column 'stat' in"),
])
def test_read_ranking_refusals_name_file_and_line(tmp_path, name, text, options, message):
    path = tmp_path / name
    path.write_text(text, encoding="utf-8")
    with pytest.raises(ValueError) as info:
        varenkopy.read_ranking(path, **options)
    expected = message.format(path=path)
    assert expected in str(info.value)
    assert str(info.value).startswith((f"{path}: ", "argument 'score'"))


@pytest.mark.parametrize("read", [varenkopy.read_ranking, varenkopy.read_gmt,
                                  cli.read_signature_matrix])
def test_a_folder_is_refused_by_name_without_leaking_descriptors(tmp_path, read):
    before = len(os.listdir("/proc/self/fd"))
    for _ in range(400):
        with pytest.raises(IsADirectoryError) as info:
            read(str(tmp_path))
        assert info.value.filename == str(tmp_path)
    assert len(os.listdir("/proc/self/fd")) <= before
