#!/usr/bin/env bash
# Prints the fuzz targets' names, read from the one list in tests/fuzz/CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
sed -n 's/^set(_fuzz_targets \(.*\))$/\1/p' tests/fuzz/CMakeLists.txt
