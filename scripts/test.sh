#!/usr/bin/env bash
# Installs what the tests need, builds everything with warnings as errors and
# runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --with-test-readers
bash tools/jet/reader/install.sh

BUILD_DIR="${BUILD_DIR:-build-test}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_WERROR=ON
cmake --build "$BUILD_DIR" -j"$(nproc)"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 900
