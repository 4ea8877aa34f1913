#!/usr/bin/env bash
# Builds the programs in Release and makes the Debian package
# tarvello_<version>_<arch>.deb in the build folder (build-release).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD_DIR="${BUILD_DIR:-build-release}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_TESTS=OFF
cmake --build "$BUILD_DIR" -j"$(nproc)"
(cd "$BUILD_DIR" && cpack -G DEB)
ls "$BUILD_DIR"/tarvello_*.deb
