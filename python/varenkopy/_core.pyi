"""Type stubs of the compiled core of varenkopy."""
from collections.abc import Callable, Mapping, Sequence
from typing import Any, TypeAlias

__version__: str

class InternalError(BaseException): ...

Row: TypeAlias = dict[str, Any]

def run_gsea_py(
    ranks: Mapping[str, float],
    gmt_path: str,
    nPermSimple: int = 1000,
    seed: int | None = None,
    nproc: int = 0,
    minSize: int = 1,
    maxSize: int | None = None,
    eps: float = 1e-50,
    scoreType: str = "std",
    gseaParam: float = 1.0,
    mode: str = "quorin",
    nperm: int | None = None,
    sampleSize: int = 101,
    gpu: bool = False,
) -> list[Row]: ...
def write_enrichment_plot_png_py(
    ranks: Mapping[str, float],
    pathway_genes: Sequence[str],
    output_path: str,
    pathway_name: str = "pathway",
    scoreType: str = "std",
    gseaParam: float = 1.0,
    width_inches: float = 3.0,
    height_inches: float = 2.2,
    dpi: int = 300,
    transparent_background: bool = False,
    title: str | None = None,
) -> None: ...
def write_gsea_table_plot_png_py(
    ranks: Mapping[str, float],
    pathways: Sequence[tuple[str, Sequence[str]]],
    results: Sequence[Mapping[str, Any]],
    output_path: str,
    gseaParam: float = 1.0,
    width_inches: float = 5.6,
    height_inches: float | None = None,
    dpi: int = 300,
    transparent_background: bool = False,
) -> None: ...
def run_gsea_sets(
    ranks: Mapping[str, float],
    gene_sets: Sequence[tuple[str, Sequence[str]]],
    nPermSimple: int = 1000,
    seed: int | None = None,
    nproc: int = 0,
    minSize: int = 1,
    maxSize: int | None = None,
    eps: float = 1e-50,
    scoreType: str = "std",
    gseaParam: float = 1.0,
    mode: str = "quorin",
    nperm: int | None = None,
    sampleSize: int = 101,
    progress: Callable[[int, int, int, int, int], object] | None = None,
    release_gil: bool = True,
    fill_empty: bool = True,
    tallies: bool = False,
) -> tuple[list[Row], int, list[str]]: ...
def read_gmt(path: str) -> list[tuple[str, list[str]]]: ...
def parse_gmt(data: bytes) -> list[tuple[str, list[str]]]: ...
def parse_gmt_stream(read: Callable[[], bytes]) -> list[tuple[str, list[str]]]: ...
def pool_threads() -> int | None: ...
def running_sum(
    ranks: Mapping[str, float],
    pathway_genes: Sequence[str],
    scoreType: str = "std",
    gseaParam: float = 1.0,
) -> dict[str, Any]: ...
def random_set_scores(
    ranks: Mapping[str, float],
    size: int,
    count: int,
    seed: int,
    scoreType: str = "std",
    gseaParam: float = 1.0,
) -> bytes: ...
def build_info() -> dict[str, Any]: ...
