#!/usr/bin/env bash
# Builds the programs and runs every command on the bundled highway project.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_TESTS=OFF
cmake --build "$BUILD_DIR" -j"$(nproc)"

OUT="${OUT:-example-output}"
mkdir -p "$OUT"
"$BUILD_DIR/bin/tarvello-cli" --pipe-db "$BUILD_DIR/examples/highway.bvp" \
  --inlet-db "$BUILD_DIR/examples/highway.olm" --list-outfalls
"$BUILD_DIR/bin/tarvello-cli" --pipe-db "$BUILD_DIR/examples/highway.bvp" \
  --inlet-db "$BUILD_DIR/examples/highway.olm" --outfall 1 --tail-water 399.80 \
  --tables "$OUT" --pipe-profile "1:$OUT/pipe-profile.dxf" \
  --branch-profile "3:$OUT/branch-profile.dxf" --all-profiles "$OUT/all-profiles.dxf" \
  --structure-schedule "$OUT/structure-schedule.dxf" --pipe-schedule "$OUT/pipe-schedule.dxf" \
  --excel "$OUT/schedules.xlsx" --checks "$OUT/checks.csv" --force
echo "Results are in $OUT/"
