#!/usr/bin/env bash
# Builds the documentation (docs/, Sphinx with MyST Markdown and numpydoc)
# into build/docs/html, with every warning an error. The API pages are
# generated from the docstrings of the varenkopy that the Python in use
# imports, so build and install the module first (scripts/build.sh).
# Every page is read again each time (-E): the API pages depend on docstrings
# that Sphinx does not track. Further arguments go to sphinx-build.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
"$PY" -m sphinx -b html -E -W --keep-going -q -d build/docs/doctrees "$@" docs build/docs/html
echo "documentation: build/docs/html/index.html"
