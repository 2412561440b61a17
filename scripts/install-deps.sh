#!/usr/bin/env bash
# Installs the Debian packages and Python packages that building and testing
# varenkopy need. Idempotent: apt-get runs only when something is missing.
set -euo pipefail

debs=(g++ cmake ninja-build pkg-config libtbb-dev libboost-dev libpng-dev libfreetype-dev
      zlib1g-dev libgtest-dev libbenchmark-dev nlohmann-json3-dev chromium)
missing=()
for p in "${debs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing Debian packages: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

PY=${PYTHON:-python3}
"$PY" - <<'PYEOF' || "$PY" -m pip install -q "scikit-build-core>=0.10" "pytest>=7" "numpy>=1.24" \
  "pandas>=1.5" "tqdm>=4.60" "ninja" "cmake>=3.22" "dask[distributed]" \
  "ruff==0.17.6" "mypy==2.4.1" "pandas-stubs" "types-tqdm" "anndata>=0.8" \
  "sphinx>=7" "myst-parser>=2" "numpydoc>=1.6" "pydata-sphinx-theme>=0.15" "matplotlib>=3.6" \
  "Jinja2>=3.0" "websocket-client>=1.6"
import importlib.util, sys
# distributed (the varenkopy[dask] extra) runs the tests on a local cluster;
# ruff and mypy (with the pandas and tqdm stubs) check the package's code;
# anndata (the varenkopy[anndata] extra) runs the single-cell tests; sphinx,
# myst-parser, numpydoc and the theme build the documentation; matplotlib and
# Jinja2 (the varenkopy[plot] extra) draw the varenkopy.pl plots and the
# report's figures and render the report's pages;
# websocket-client drives the headless chromium that opens the report in the tests.
need = ["scikit_build_core", "pytest", "numpy", "pandas", "tqdm", "distributed",
        "ruff", "mypy", "pandas-stubs", "tqdm-stubs", "anndata",
        "sphinx", "myst_parser", "numpydoc", "pydata_sphinx_theme", "matplotlib", "jinja2",
        "websocket"]
sys.exit(1 if any(importlib.util.find_spec(m) is None for m in need) else 0)
PYEOF
