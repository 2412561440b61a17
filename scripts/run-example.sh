#!/usr/bin/env bash
# Installs what it needs, builds the module and runs the command line on the
# bundled data: a real ranking against the Hallmark gene sets, with the results
# table and plots of the top gene sets written to example-output/.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
scripts/install-deps.sh
scripts/build.sh
out=example-output
mkdir -p "$out"
"$PY" -m varenkopy gsea examples/data/tcga_ov_mesenchymal_vs_immunoreactive.rnk \
  examples/data/h.all.v7.1.symbols.gmt -o "$out/results.tsv" --plots "$out" --top 10 \
  --seed 42 "$@"
# The ten gene sets with the smallest p-values, without their leading edges.
head -n 11 "$out/results.tsv" | cut -f1-7
echo "wrote $out/results.tsv, one enrichment plot per top gene set and a summary of them" \
  "($out/barplot.png with matplotlib installed, else $out/table.png)"
