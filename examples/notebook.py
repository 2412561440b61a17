# %% [markdown]
# # varenkopy in a notebook
# Reads the bundled ranking and gene sets with the package's readers, runs
# the analysis into a DataFrame and draws it with `varenkopy.pl` (matplotlib:
# `pip install "varenkopy[plot]"`). Each `# %%` cell can be run on its own in
# an editor that understands them, or the whole file with
# `python examples/notebook.py`, which saves the figures as SVG files.

# %%
from pathlib import Path

import matplotlib.pyplot as plt
import numpy as np
import pandas as pd

import varenkopy
from varenkopy import pl

data = Path(__file__).resolve().parent / "data"
ranks = varenkopy.read_ranking(data / "tcga_ov_mesenchymal_vs_immunoreactive.rnk")
gene_sets = varenkopy.read_gmt(data / "h.all.v7.1.symbols.gmt")
print(f"{len(ranks)} ranked genes, {len(gene_sets)} gene sets")
out = Path("example-output")
out.mkdir(exist_ok=True)

# %%
res = varenkopy.gsea(ranks, gene_sets, seed=42)
print(f"seed {res.attrs['seed']}")
print(res[["pathway", "size", "nes", "pval", "padj"]].head(10).to_string(index=False))

# %% [markdown]
# The enrichment plot of the top gene set: running score (its peak is the
# row's `es`), the set's genes along the ranking, the ranked metric.

# %%
top = res["pathway"][0]
fig = pl.enrichment(ranks, top, gene_sets, result=res)
fig.savefig(out / "notebook_enrichment.svg")

# %% [markdown]
# Figures combine: two enrichment plots side by side in one figure, and the
# running scores of the five top sets in one panel.

# %%
both = plt.figure(figsize=(7.0, 3.3), layout="constrained")
left, right = both.subfigures(1, 2)
pl.enrichment(ranks, res["pathway"][0], gene_sets, result=res, fig=left)
pl.enrichment(ranks, res.loc[res["nes"].idxmin(), "pathway"], gene_sets, result=res, fig=right)
both.savefig(out / "notebook_two_sets.pdf")

ax = pl.running_scores(ranks, list(res["pathway"][:5]), gene_sets)

# %%
pl.barplot(res, top=15, save=out / "notebook_barplot.svg")
pl.leading_edge_heatmap(res, gene_sets, top=8, save=out / "notebook_leading_edges.svg")

# %% [markdown]
# Several signatures: the ranking with noise added stands in for related
# contrasts; the dot plot shows each one's top sets.

# %%
rng = np.random.default_rng(0)
signatures = pd.DataFrame({f"contrast {i + 1}": ranks + rng.normal(0.0, 1.0, len(ranks))
                           for i in range(4)})
many = varenkopy.gsea_many(signatures, gene_sets, seed=42)
ax = pl.dotplot(many, top=5, save=out / "notebook_dotplot.svg")
