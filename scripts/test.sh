#!/usr/bin/env bash
# Installs what the tests need, builds everything with warnings as errors and
# runs the whole test suite; then runs it again in a sanitizer build, and each
# fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --with-test-readers
bash tools/jet/reader/install.sh

BUILD_DIR="${BUILD_DIR:-build-test}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_WERROR=ON
cmake --build "$BUILD_DIR" -j"$(nproc)"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 900

# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails the test that caused it).
SAN_DIR="${SAN_BUILD_DIR:-build-test-asan}"
# -O1 -g1: quicker to build than the normal flags, line numbers in the reports.
cmake -S . -B "$SAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" -DCMAKE_C_FLAGS="-O1 -g1" \
  -DTARVELLO_WERROR=ON -DTARVELLO_SANITIZE=ON
cmake --build "$SAN_DIR" -j"$(nproc)"
ASAN_OPTIONS="detect_stack_use_after_return=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir "$SAN_DIR" --output-on-failure -j"$(nproc)" --timeout 1800

# A short run of each fuzz target (clang and libFuzzer, both sanitizers) from
# its seeds and the crashers found so far; new inputs go to a scratch folder.
FUZZ_DIR="${FUZZ_BUILD_DIR:-build-test-fuzz}"
FUZZ_SECONDS="${FUZZ_SECONDS:-10}"
cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DTARVELLO_FUZZ=ON -DTARVELLO_TESTS=OFF -DTARVELLO_GUI=OFF
FUZZ_TARGETS=(jet_load generation dxf_read number_format criteria)
cmake --build "$FUZZ_DIR" -j"$(nproc)" --target "${FUZZ_TARGETS[@]/#/fuzz_}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for t in "${FUZZ_TARGETS[@]}"; do
  inputs=(tests/fuzz/corpus/"$t")
  if [ -d tests/fuzz/crashes/"$t" ]; then inputs+=(tests/fuzz/crashes/"$t"); fi
  # The memory every reader keeps to: 1 GB resident, no allocation above 256 MB.
  options=(-max_total_time="$FUZZ_SECONDS" -timeout=10 -close_fd_mask=2 -print_final_stats=1
           -rss_limit_mb=1024 -malloc_limit_mb=256)
  if [ -f tests/fuzz/"$t".dict ]; then options+=(-dict=tests/fuzz/"$t".dict); fi
  mkdir -p "$scratch/$t"
  status=0
  "$FUZZ_DIR/bin/fuzz_$t" "${options[@]}" \
    -artifact_prefix="$scratch/$t/" "$scratch/$t" "${inputs[@]}" >"$scratch/$t.log" 2>&1 || status=$?
  echo "fuzz_$t: ${FUZZ_SECONDS} s, $(grep -o 'number_of_executed_units: [0-9]*' "$scratch/$t.log" | grep -o '[0-9]*$' || echo 'no') runs"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$scratch/$t.log" >&2
    echo "fuzz_$t failed; its log and input are kept in $scratch" >&2
    trap - EXIT
    exit 1
  fi
done
