"""gsea_many: per-signature seeds, the same rows here and on a Dask cluster,
failures named per signature, and Dask kept optional."""
from __future__ import annotations

import gc
import os
import re
import subprocess
import sys
import warnings
from pathlib import Path
from typing import Any

import numpy as np
import pandas as pd
import pytest
import varenkopy

FAST = {"n_perm_simple": 100}
# So few permutations leave an odd gene set without a p-value; that warning
# is tested with gsea itself.
pytestmark = pytest.mark.filterwarnings("ignore:.*gene sets have no p-value")


@pytest.fixture(scope="module")
def few_sets(tmp_path_factory: pytest.TempPathFactory, example_gmt: Path) -> Path:
    """The first eight Hallmark sets: enough for real rows, quick to run."""
    path = tmp_path_factory.mktemp("many") / "few.gmt"
    lines = example_gmt.read_text(encoding="utf-8").splitlines(keepends=True)[:8]
    path.write_text("".join(lines), encoding="utf-8")
    return path


@pytest.fixture(scope="module")
def matrix(example_ranks: dict[str, float]) -> pd.DataFrame:
    """Genes x signatures made from the bundled ranking: itself, negated,
    shuffled, and a copy with a block of genes not measured (NaN)."""
    ranks = pd.Series(example_ranks)
    shuffled = np.random.default_rng(7).permutation(ranks.to_numpy())
    partial = ranks.copy()
    partial.iloc[::3] = np.nan
    return pd.DataFrame({"ov": ranks, "negated": -ranks, "shuffled": shuffled,
                         "partial": partial}, index=ranks.index)


@pytest.mark.parametrize(
    "run_seed, position, expected",
    [
        (0, 0, 0xE220A8397B1DCDAF),  # SplitMix64's published first outputs from 0
        (0, 1, 0x6E789E6AA1B965F4),
        (42, 0, 13679457532755275413),
        (2**64 - 1, 0, 16490336266968443936),  # the state wraps modulo 2**64
    ],
)
def test_signature_seed_is_splitmix64(run_seed: int, position: int, expected: int) -> None:
    assert varenkopy.signature_seed(run_seed, position) == expected


def test_each_signature_equals_gsea_with_its_derived_seed(matrix: pd.DataFrame,
                                                         few_sets: Path) -> None:
    res = varenkopy.gsea_many(matrix, few_sets, seed=11, **FAST)
    assert res.attrs["seed"] == 11
    assert list(res.columns) == ["signature", *varenkopy.gsea(
        matrix["ov"], few_sets, seed=1, **FAST).columns]
    assert list(dict.fromkeys(res["signature"])) == list(matrix.columns)
    for i, name in enumerate(matrix.columns):
        alone = varenkopy.gsea(matrix[name].dropna(), few_sets,
                               seed=varenkopy.signature_seed(11, i), **FAST)
        rows = res[res["signature"] == name].drop(columns="signature").reset_index(drop=True)
        pd.testing.assert_frame_equal(rows, alone, check_exact=True)
    # The NaN cells were dropped, not scored: every set has fewer ranked genes.
    sizes = res.pivot(index="pathway", columns="signature", values="size")
    assert (sizes["partial"] < sizes["ov"]).all()


def test_drawn_seed_is_recorded_and_repeats_the_run(matrix: pd.DataFrame,
                                                    few_sets: Path) -> None:
    two = matrix[["ov", "shuffled"]]
    first = varenkopy.gsea_many(two, few_sets, **FAST)
    again = varenkopy.gsea_many(two, few_sets, seed=first.attrs["seed"], **FAST)
    pd.testing.assert_frame_equal(first, again, check_exact=True)
    other = varenkopy.gsea_many(two, few_sets, seed=first.attrs["seed"] ^ 1, **FAST)
    assert not np.array_equal(first["pval"].to_numpy(), other["pval"].to_numpy())


def test_warnings_name_their_signature(example_ranks: dict[str, float], few_sets: Path) -> None:
    ranks = pd.Series(example_ranks)
    holes = ranks.copy()
    holes.iloc[:2] = np.nan
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        varenkopy.gsea_many({"whole": ranks, "holes": holes}, few_sets, seed=1, **FAST)
    assert [str(w.message) for w in record] == [
        "signature 'holes': 2 genes with NaN scores were dropped from the ranking"]
    # Many signatures' warnings come once per call, a line per kind.
    fewer = holes.copy()
    fewer.iloc[:3] = np.nan
    with pytest.warns(varenkopy.VarenkoWarning) as record:
        varenkopy.gsea_many({"holes": holes, "whole": ranks, "fewer": fewer, "again": holes},
                            few_sets, seed=1, **FAST)
    assert [str(w.message) for w in record] == [
        "signature 'holes': 2 genes with NaN scores were dropped from the ranking"
        .replace("signature 'holes'", "signatures 'holes', 'fewer', 'again'")
        + " (the numbers of 'holes'; other signatures' differ)"]
    assert record[0].filename == __file__


@pytest.mark.parametrize(
    "rankings, options, error, message",
    [
        ([1.0], {}, TypeError, "argument 'rankings': expected a DataFrame of genes x "
                               "signatures or a mapping signature -> ranking, got list"),
        ({}, {}, ValueError, "argument 'rankings': there are no signatures"),
        (pd.DataFrame([[1.0, 2.0]], index=["G"], columns=["a", "a"]), {}, ValueError,
         "argument 'rankings': signature names occur more than once ('a')"),
        ({"a": {"G": 1.0}}, {"errors": "ignore"}, ValueError,
         "argument 'errors': expected 'raise' or 'collect', got 'ignore'"),
        ({"a": {"G": 1.0}}, {"mode": "fast"}, ValueError,
         "argument 'mode': expected one of quorin, multilevel, simple, got 'fast'"),
        ({"a": {"G": 1.0}}, {"seed": -1}, ValueError,
         "argument 'seed': expected an integer in [0, 2**64)"),
        ({"a": {"G": 1.0}}, {"client": object()}, TypeError,
         "argument 'client': expected a dask.distributed.Client, got object"),
    ],
    ids=["not-a-collection", "empty", "repeated-names", "errors", "mode", "seed", "client"],
)
def test_bad_arguments_are_refused_before_any_run(rankings: object, options: dict[str, object],
                                                  error: type[Exception], message: str,
                                                  few_sets: Path) -> None:
    with pytest.raises(error, match=re.escape(message)):
        varenkopy.gsea_many(rankings, few_sets, **options)  # type: ignore[call-overload]


def _with_bad_signature(matrix: pd.DataFrame) -> dict[str, object]:
    rankings: dict[str, object] = {"ov": matrix["ov"]}
    rankings["dup"] = pd.Series([1.0, 2.0, 3.0], index=["A", "B", "A"])
    rankings["negated"] = matrix["negated"]
    return rankings


def test_importing_the_package_does_not_import_dask() -> None:
    code = "import sys, varenkopy, varenkopy.cli; print('dask' in sys.modules)"
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          timeout=120)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == "False"


@pytest.fixture(scope="module")
def client() -> object:
    """Two single-threaded worker processes on this machine."""
    distributed = pytest.importorskip("distributed", reason="Dask is an optional dependency")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, \
            distributed.Client(cluster) as dask_client:
        yield dask_client


@pytest.mark.parametrize("where", ["here", "cluster"])
def test_a_failing_signature_is_named_and_the_others_are_kept(
        where: str, request: pytest.FixtureRequest, matrix: pd.DataFrame,
        few_sets: Path) -> None:
    client = request.getfixturevalue("client") if where == "cluster" else None
    rankings = _with_bad_signature(matrix)
    results, failures = varenkopy.gsea_many(rankings, few_sets, seed=5, client=client,
                                            errors="collect", **FAST)
    assert failures.to_dict("records") == [{
        "signature": "dup", "exception": "ValueError",
        "message": "argument 'ranking': 1 gene names occur more than once ('A'); "
                   "keep one score per gene, or pass duplicates='max_abs', 'mean' or 'first'"}]
    expected = varenkopy.gsea_many({"ov": matrix["ov"]}, few_sets, seed=5, **FAST)
    kept = results[results["signature"] == "ov"]
    pd.testing.assert_frame_equal(kept, expected, check_exact=True)
    # The third signature keeps the seed of its position, failure or not.
    negated = results[results["signature"] == "negated"].drop(columns="signature")
    alone = varenkopy.gsea(matrix["negated"], few_sets, seed=varenkopy.signature_seed(5, 2),
                           **FAST)
    pd.testing.assert_frame_equal(negated.reset_index(drop=True), alone, check_exact=True)

    with pytest.raises(ValueError, match=re.escape("signature 'dup': argument 'ranking': 1 "
                                                   "gene names occur more than once")):
        varenkopy.gsea_many(rankings, few_sets, seed=5, client=client, **FAST)


def test_cluster_gives_the_same_frame_bit_for_bit(client: object, matrix: pd.DataFrame,
                                                  few_sets: Path,
                                                  monkeypatch: pytest.MonkeyPatch) -> None:
    # One task in flight at a time: each result is gathered before the next
    # signature is submitted.
    monkeypatch.setattr("varenkopy._many._WINDOW_MIN", 1)
    monkeypatch.setattr("varenkopy._many._WINDOW_PER_THREAD", 0)
    here = varenkopy.gsea_many(matrix, few_sets, seed=3, **FAST)
    there = varenkopy.gsea_many(matrix, few_sets, seed=3, client=client, **FAST)
    pd.testing.assert_frame_equal(there, here, check_exact=True)
    assert there.attrs == {"seed": 3}


def test_a_transposed_matrix_is_refused_before_any_run(matrix: pd.DataFrame,
                                                      few_sets: Path) -> None:
    with pytest.raises(ValueError, match=re.escape(
            "argument 'rankings': expected genes in the index and signatures in the columns, "
            "but ")) as info:
        varenkopy.gsea_many(matrix.T, few_sets, seed=1, **FAST)
    assert str(info.value).endswith("of its 4 index labels; pass rankings.T")
    # A matrix of few genes, most of them in the sets, is still taken as given.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", varenkopy.VarenkoWarning)
        res = varenkopy.gsea_many(matrix.iloc[:30], few_sets, seed=1, min_size=1, **FAST)
    assert set(res["signature"]) <= set(matrix.columns)


class _DyingClient:
    """A client whose task number `kill_at` (from 1) ends its worker process;
    with `close_at`, the cluster is closed before that task is submitted."""

    def __init__(self, client: Any, cluster: Any, kill_at: int = 0, close_at: int = 0) -> None:
        self._client, self._cluster = client, cluster
        self._kill_at, self._close_at, self._count = kill_at, close_at, 0

    def __getattr__(self, name: str) -> Any:
        return getattr(self._client, name)

    def submit(self, function: Any, *args: Any, **kwargs: Any) -> Any:
        self._count += 1
        if self._count == self._close_at:
            self._cluster.close()
        if self._count == self._kill_at:
            return self._client.submit(os._exit, 1, pure=False)
        return self._client.submit(function, *args, **kwargs)


@pytest.mark.filterwarnings("ignore::UserWarning:distributed")
@pytest.mark.filterwarnings("ignore::RuntimeWarning")
# Closing the cluster under a running client leaves Dask's own sockets to the collector.
@pytest.mark.filterwarnings("ignore::ResourceWarning")
@pytest.mark.filterwarnings("ignore::pytest.PytestUnraisableExceptionWarning")
def test_lost_workers_and_a_closed_cluster_are_named(matrix: pd.DataFrame,
                                                     few_sets: Path) -> None:
    dask = pytest.importorskip("dask", reason="Dask is an optional dependency")
    distributed = pytest.importorskip("distributed", reason="Dask is an optional dependency")
    rankings = {f"s{i}": matrix["ov"] for i in range(4)}
    with dask.config.set({"distributed.scheduler.allowed-failures": 0}), \
            distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                     dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        results, failures = varenkopy.gsea_many(
            rankings, few_sets, seed=1, errors="collect",
            client=_DyingClient(client, cluster, kill_at=2), **FAST)
        # The task that ended its worker is lost; tasks queued on that worker
        # may be lost with it, and the others come back.
        assert "s1" in set(failures["signature"])
        assert set(failures["signature"]) | set(results["signature"]) == set(rankings)
        for row in failures.itertuples(index=False):
            assert row.exception == "RuntimeError"
            assert row.message.startswith("worker lost: the Dask worker running this signature "
                                          "died or its task was dropped (KilledWorker: ")
        results, failures = varenkopy.gsea_many(
            rankings, few_sets, seed=1, errors="collect",
            client=_DyingClient(client, cluster, close_at=3), **FAST)
    assert results.empty and list(failures["signature"]) == list(rankings)
    assert all(m.startswith("cluster shut down: the Dask cluster closed before this "
                            "signature's result came back (") for m in failures["message"])
    gc.collect()  # the sockets left behind are collected under this test's filters
