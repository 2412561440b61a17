# %% [markdown]
# # varenkopy in a notebook
# Loads the ranking and gene sets shipped with the package, runs the analysis
# into a DataFrame and draws both plots. Each `# %%` cell can be
# run on its own in an editor that understands them, or the whole file with
# `python examples/notebook.py`.

# %%
from pathlib import Path

import varenkopy

# Your own files: varenkopy.read_ranking("my.rnk"), varenkopy.read_gmt("sets.gmt").
ranks = varenkopy.datasets.example_ranking()
gene_sets = varenkopy.datasets.hallmark()
print(f"{len(ranks)} ranked genes, {len(gene_sets)} gene sets")

# %%
res = varenkopy.gsea(ranks, gene_sets, seed=42)
print(f"seed {res.attrs['seed']}")
print(res[["pathway", "size", "nes", "pval", "padj"]].head(10).to_string(index=False))

# %%
out = Path("example-output")
out.mkdir(exist_ok=True)
top = res["pathway"][0]
varenkopy.plot_enrichment(ranks, top, out / "notebook_enrichment.png", gene_sets=gene_sets)

# %%
varenkopy.plot_table(res, gene_sets, ranks, out / "notebook_table.png", top=10)
