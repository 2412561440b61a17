"""Runs a complete enrichment analysis on the bundled data and draws both plots.

Reads a real ranking (TCGA ovarian cancer, mesenchymal vs immunoreactive) and
the Hallmark gene sets, runs the default analysis (1000 simple permutations,
multilevel refinement of small p-values), prints the top pathways and writes
an enrichment plot of the top pathway and a table plot of the top ten.

Usage: python examples/run_example.py [--out DIR] [--seed N]
"""
from __future__ import annotations

import argparse
import math
from pathlib import Path

import varenkopy

DATA = Path(__file__).resolve().parent / "data"
GMT = DATA / "h.all.v7.1.symbols.gmt"
RANKING = DATA / "tcga_ov_mesenchymal_vs_immunoreactive.rnk"


def read_ranking(path: Path) -> dict[str, float]:
    """Reads a two-column `gene<TAB>score` file into a dict (file order kept)."""
    ranks: dict[str, float] = {}
    with path.open(encoding="utf-8") as fh:
        for line in fh:
            if line.strip():
                gene, score = line.rstrip("\n").split("\t")[:2]
                ranks[gene] = float(score)
    return ranks


def read_gene_sets(path: Path) -> dict[str, list[str]]:
    """Reads the gene sets of a GMT file: name -> genes."""
    sets: dict[str, list[str]] = {}
    with path.open(encoding="utf-8") as fh:
        for line in fh:
            fields = line.rstrip("\r\n").split("\t")
            if len(fields) >= 3:
                sets[fields[0]] = [g.strip() for g in fields[2:] if g.strip()]
    return sets


def fmt(value: float | None, spec: str) -> str:
    return "NA" if value is None or (isinstance(value, float) and math.isnan(value)) else format(value, spec)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=Path("example-output"), help="folder for the PNG files")
    parser.add_argument("--seed", type=int, default=42, help="random seed of the analysis")
    parser.add_argument("--top", type=int, default=10, help="number of pathways to show")
    args = parser.parse_args()

    ranks = read_ranking(RANKING)
    rows = varenkopy.run_gsea_py(ranks, str(GMT), seed=args.seed)
    rows = [r for r in rows if r["padj"] is not None and r["nes"] is not None]
    rows.sort(key=lambda r: (r["padj"], r["pval"], -abs(r["nes"])))
    top = rows[: args.top]

    print(f"{len(ranks)} ranked genes, {len(rows)} pathways analysed (seed {args.seed})\n")
    print(f"{'pathway':<45} {'size':>5} {'ES':>7} {'NES':>7} {'pval':>10} {'padj':>10} {'log2err':>8}")
    for r in top:
        print(
            f"{r['pathway']:<45} {r['size']:>5} {r['es']:>7.3f} {fmt(r['nes'], '7.3f'):>7} "
            f"{fmt(r['pval'], '10.2e'):>10} {fmt(r['padj'], '10.2e'):>10} {fmt(r['log2err'], '8.3f'):>8}"
        )

    args.out.mkdir(parents=True, exist_ok=True)
    gene_sets = read_gene_sets(GMT)
    best = top[0]["pathway"]
    enrichment_png = args.out / "enrichment_plot.png"
    varenkopy.write_enrichment_plot_png_py(
        ranks, gene_sets[best], str(enrichment_png), pathway_name=best, title=best
    )
    table_png = args.out / "table_plot.png"
    varenkopy.write_gsea_table_plot_png_py(
        ranks, [(r["pathway"], gene_sets[r["pathway"]]) for r in top], top, str(table_png)
    )
    print(f"\nwrote {enrichment_png} and {table_png}")


if __name__ == "__main__":
    main()
