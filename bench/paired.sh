#!/bin/bash
# Paired runs of `--tables` against the reading floor: each round runs
# `mdb-export PIPE` and then every given build of tarvello-cli on the same
# database, back to back, so that a busy moment slows the floor and the
# commands alike. Prints the medians of the times and of each round's ratio.
#
#   bench/paired.sh ROUNDS PIPE_DB INLET_DB CLI [CLI...]
#
# Standard error goes to a file, as a log would: a run's warnings cost what
# writing them to a file costs.
set -euo pipefail
(($# >= 4)) || { echo "usage: $0 ROUNDS PIPE_DB INLET_DB CLI [CLI...]" >&2; exit 2; }
rounds=$1 pipe=$2 inlet=$3
shift 3
clis=("$@")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat "$pipe" "$inlet" >/dev/null  # page cache warm for every reader alike

now() { date +%s%N; }
run_ms() {  # milliseconds of one run, its output to files in $tmp
  local s e
  s=$(now)
  "$@" >"$tmp/out" 2>"$tmp/err" || { echo "failed: $*" >&2; exit 1; }
  e=$(now)
  echo $(((e - s) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A times ratios
floors=()
for ((r = 0; r < rounds; r++)); do
  f=$(run_ms mdb-export "$pipe" PIPE)
  ((f < 1)) && f=1
  floors+=("$f")
  for i in "${!clis[@]}"; do
    t=$(run_ms "${clis[$i]}" --pipe-db "$pipe" --inlet-db "$inlet" --outfall 1 --tail-water 398.5 \
      --force --tables "$tmp/tables")
    times[$i]+="$t "
    ratios[$i]+="$(awk -v a="$t" -v b="$f" 'BEGIN { printf "%.3f", a / b }') "
  done
done
printf 'floor  mdb-export PIPE   median %s ms  (%s)\n' "$(printf '%s\n' "${floors[@]}" | median)" "${floors[*]}"
for i in "${!clis[@]}"; do
  printf '%s\n  --tables median %s ms, median of paired ratios %s  (ratios: %s)\n  standard error: %d lines\n' \
    "${clis[$i]}" "$(tr ' ' '\n' <<<"${times[$i]}" | grep . | median)" \
    "$(tr ' ' '\n' <<<"${ratios[$i]}" | grep . | median)" "${ratios[$i]% }" \
    "$("${clis[$i]}" --pipe-db "$pipe" --inlet-db "$inlet" --outfall 1 --tail-water 398.5 --force \
      --tables "$tmp/tables" 2>&1 >/dev/null | wc -l)"
done
