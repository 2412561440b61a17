#!/usr/bin/env bash
# Builds the extension module with AddressSanitizer and UndefinedBehaviorSanitizer
# (the asan preset's flags, module target only) and runs the Python tests against it,
# without touching the installed module: the build folder comes first on
# PYTHONPATH. The interpreter is not instrumented, so the ASan runtime is
# preloaded, Python allocates with malloc and leak reports (CPython keeps
# objects until exit) are off.
# Arguments go to pytest (default: the whole Python suite). Not part of the
# default test command.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
PY_PATH=$(command -v "$PY")

# The asan preset's flags in a folder of its own, so that the C++ sanitizer
# build (build/asan) keeps its settings.
build_dir=build/asan-python
cmake --preset asan -B "$build_dir" -DVARENKO_PYTHON=ON -DVARENKO_TESTS=OFF \
  -DPython_EXECUTABLE="$PY_PATH" >/dev/null
cmake --build "$build_dir" --target varenkopy_core -j "${JOBS:-2}"

asan_runtime=$("${CXX:-g++}" -print-file-name=libasan.so)
export LD_PRELOAD="$asan_runtime${LD_PRELOAD:+:$LD_PRELOAD}"
# Python objects come from malloc, so that ASan sees every freed one.
export PYTHONMALLOC=malloc
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export PYTHONPATH="$PWD/$build_dir/python${PYTHONPATH:+:$PYTHONPATH}"

# Refuse to run against any other build of the module.
"$PY_PATH" -c 'import sys, varenkopy; f = varenkopy.__file__; print("module:", f); sys.exit("/build/asan-python/" not in f)'
if [ "$#" -eq 0 ]; then set -- tests/python; fi
"$PY_PATH" -m pytest -q -p no:cacheprovider "$@"
