#!/usr/bin/env bash
# Runs every fuzz target in turn for HOURS each (default 1; fractions such as
# 0.05 are fine), from the committed corpus, under the memory limits every
# reader keeps: a run above 1 GB resident or a single allocation above 256 MB
# is a finding. New inputs that add coverage are merged back, minimized, into
# tests/fuzz/corpus/<target>; findings land in tests/fuzz/crashes/<target>,
# where the normal build replays them as tests. One line per target tells
# the runs, the new inputs and the findings.
#
#   scripts/fuzz.sh [HOURS]
#
# build-test-fuzz (the "fuzz" preset) is the clang build it configures and
# uses; FUZZ_TARGETS (space-separated, default all) picks targets.
set -euo pipefail
cd "$(dirname "$0")/.."

HOURS="${1:-1}"
if ! seconds=$(awk -v h="$HOURS" 'BEGIN { if (h !~ /^([0-9]+\.?[0-9]*|\.[0-9]+)$/ || h <= 0) exit 1;
                                          s = int(h * 3600 + 0.5); print (s < 1 ? 1 : s) }'); then
  echo "usage: scripts/fuzz.sh [HOURS]   (hours per target, e.g. 1 or 0.05)" >&2
  exit 2
fi

FUZZ_DIR=build-test-fuzz
read -r -a TARGETS <<<"${FUZZ_TARGETS:-$(bash scripts/fuzz-targets.sh)}"
LIMITS=(-rss_limit_mb=1024 -malloc_limit_mb=256)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" --target "${TARGETS[@]/#/fuzz_}" >/dev/null

count() { find "$1" -maxdepth 1 -type f ! -name '.*' 2>/dev/null | wc -l; }
# libFuzzer's own names for what it finds; crashers kept under other names
# (hand-made, or renamed when mended) are not new.
countFindings() {
  find "$1" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'oom-*' -o -name 'timeout-*' -o -name 'leak-*' \) \
    2>/dev/null | wc -l
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
echo "fuzzing ${TARGETS[*]} for $seconds s each; logs in $scratch (removed at the end)"
for t in "${TARGETS[@]}"; do
  corpus="tests/fuzz/corpus/$t"
  crashes="tests/fuzz/crashes/$t"
  mkdir -p "$corpus" "$crashes" "$scratch/$t"
  corpusBefore=$(count "$corpus")
  crashesBefore=$(count "$crashes")
  findingsBefore=$(countFindings "$crashes")
  dict=()
  if [ -f "tests/fuzz/$t.dict" ]; then dict=(-dict="tests/fuzz/$t.dict"); fi
  inputs=("$corpus")
  if [ "$crashesBefore" -gt 0 ]; then inputs+=("$crashes"); fi

  # Fork mode goes on after a finding, so that one night finds them all.
  # -close_fd_mask=2 hides libraries' chatter; sanitizer reports still show.
  status=0
  "$FUZZ_DIR/bin/fuzz_$t" "${LIMITS[@]}" "${dict[@]}" -fork=1 -ignore_crashes=1 -ignore_ooms=1 \
    -ignore_timeouts=1 -timeout=10 -close_fd_mask=2 -max_total_time="$seconds" \
    -artifact_prefix="$crashes/" "$scratch/$t" "${inputs[@]}" >"$scratch/$t.log" 2>&1 || status=$?
  runs=$(grep -o '^#[0-9]*' "$scratch/$t.log" | tail -n 1 | tr -d '#')

  # Only what adds coverage joins the committed corpus, one small input each.
  "$FUZZ_DIR/bin/fuzz_$t" "${LIMITS[@]}" -merge=1 -timeout=10 -close_fd_mask=2 \
    -artifact_prefix="$crashes/" "$corpus" "$scratch/$t" >"$scratch/$t.merge.log" 2>&1 || status=$?

  newInputs=$(( $(count "$corpus") - corpusBefore ))
  findings=$(( $(countFindings "$crashes") - findingsBefore ))
  echo "fuzz_$t: ${seconds} s, ${runs:-0} runs, $newInputs new inputs, $findings findings"
  if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then
    tail -n 30 "$scratch/$t.log" "$scratch/$t.merge.log" >&2
    echo "fuzz_$t stopped with status $status" >&2
  fi
done
