#!/usr/bin/env bash
# Installs what the tests need, builds everything with warnings as errors and
# runs the whole test suite; then runs it again in a sanitizer build, and each
# fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --with-test-readers
bash tools/jet/reader/install.sh

# The web edition, which the browser test of the suite drives (about 4 minutes
# on 2 cores from scratch, seconds when nothing changed; its tests add about 40 s).
bash scripts/build-web.sh

# The code keeps to .clang-format.
bash scripts/check-format.sh

# The builds are the presets of CMakePresets.json.
cmake --preset test
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)"

# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails the test that caused it).
# -O1 -g1: quicker to build than the normal flags, line numbers in the reports.
# The asan test preset leaves out the test tool's 150,000-row file (3.5 minutes
# under the sanitizers, 2 s without): it checks the test-support Jet writer,
# which the other tests also run under the sanitizers on smaller files.
cmake --preset asan
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"

# A short run of each fuzz target (clang and libFuzzer, both sanitizers) from
# its seeds and the crashers found so far; new inputs go to a scratch folder.
FUZZ_DIR=build-test-fuzz
FUZZ_SECONDS="${FUZZ_SECONDS:-10}"
cmake --preset fuzz
# The targets are listed once, in tests/fuzz/CMakeLists.txt.
read -r -a FUZZ_TARGETS <<<"$(bash scripts/fuzz-targets.sh)"
cmake --build --preset fuzz -j"$(nproc)" --target "${FUZZ_TARGETS[@]/#/fuzz_}"
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
