#!/bin/bash
# Builds the benchmarks, writes the synthetic networks and times the whole
# commands against their floors, printing every figure as a ratio.
#
#   bench/run.sh                      build into build-bench, all sizes
#   bench/run.sh --no-build BUILDDIR  use an existing build (make bench)
#   SIZES="5001" REPEAT=1 bench/run.sh   a quick run
#
# Each size is measured on two networks of the same pipes: a finished design
# (net*.bvp) and the same design while it is being sized (sizing*.bvp: every
# pipe overloaded, the grade line reaching the tops at most structures, so
# the run warns about nearly every structure).
#
# Every command is timed REPEAT times (the 100,000-pipe size once) and the
# fastest run counts, so a busy machine disturbs the figures as little as it can.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$ROOT/build-bench
if [[ ${1:-} == --no-build ]]; then
  BUILD=$(cd "$2" && pwd)
else
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCH=ON \
    -DTARVELLO_TESTS=OFF >/dev/null
  cmake --build "$BUILD" -j2 --target make-network tarvello-bench tarvello-cli write-bytes
  # Only with Qt: the offscreen window benchmark. A build without Qt has no
  # such target; one that fails to compile must say so, not pass for "no Qt".
  if cmake --build "$BUILD" --target help | grep -q '^tarvello-gui-bench:'; then
    cmake --build "$BUILD" -j2 --target tarvello-gui-bench
  else
    echo "(no Qt: the window benchmark is left out)"
  fi
fi
BIN=$BUILD/bin
SIZES=${SIZES:-"5001 20000 100000"}
REPEAT=${REPEAT:-3}
WORK=${WORK:-$BUILD/bench-data}
PY=/usr/bin/python3
mkdir -p "$WORK"

CLI=$BIN/tarvello-cli
command -v mdb-export >/dev/null || { echo "mdb-export is needed (Debian mdbtools)" >&2; exit 1; }

# Milliseconds of the fastest of $reps runs of a command, its output discarded.
reps=$REPEAT
ms() {
  local best=
  for ((r = 0; r < reps; r++)); do
    local s e
    s=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; echo 0; return; }
    e=$(date +%s%N)
    local t=$(((e - s) / 1000000))
    [[ -z $best || $t -lt $best ]] && best=$t
  done
  echo "$best"
}
# The same with standard error written to a file, as a log would take it:
# thousands of warnings cost what writing them costs.
ms_log() {
  local log=$1 best=
  shift
  for ((r = 0; r < reps; r++)); do
    local s e
    s=$(date +%s%N)
    "$@" >/dev/null 2>"$log" || { echo "failed: $*" >&2; echo 0; return; }
    e=$(date +%s%N)
    local t=$(((e - s) / 1000000))
    [[ -z $best || $t -lt $best ]] && best=$t
  done
  echo "$best"
}
# Fastest of $reps runs of a peer script that prints its own seconds.
peer_ms() {
  local best=
  for ((r = 0; r < reps; r++)); do
    local t
    t=$("$@" 2>/dev/null | awk '{printf "%d", $1 * 1000}')
    [[ -z $best || $t -lt $best ]] && best=$t
  done
  echo "$best"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) b = 1; printf "%.2f", a / b }'; }
bytes() { stat -c %s "$1"; }

echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo

for n in $SIZES; do
  reps=$REPEAT
  ((n > 5001)) && reps=1
  P=$WORK/net$n.bvp
  I=$WORK/net$n.olm
  O=$WORK/out$n
  mkdir -p "$O"
  [[ -f $P && -f $I ]] || "$BIN/make-network" "$n" "$P" "$I"
  cat "$P" "$I" >/dev/null  # page cache warm for every reader alike

  GEN=(--pipe-db "$P" --inlet-db "$I" --outfall 1 --tail-water 398.5 --force)
  # The reading figures are short and noisy: always take the best of REPEAT.
  floor=$(reps=$REPEAT ms mdb-export "$P" PIPE)
  list=$(reps=$REPEAT ms "$CLI" --pipe-db "$P" --list-outfalls)
  gen=$(ms "$CLI" "${GEN[@]}")
  tables=$(ms "$CLI" "${GEN[@]}" --tables "$O/tables")
  echo "== $n pipes ($(bytes "$P") byte pipe database)"
  printf '  read floor  mdb-export PIPE        %7d ms\n' "$floor"
  printf '  --list-outfalls                    %7d ms  %s x floor (target <= 1.5)\n' "$list" "$(ratio "$list" "$floor")"
  printf '  load + Create Profile Data         %7d ms  %s x floor\n' "$gen" "$(ratio "$gen" "$floor")"
  printf '  --tables (whole run)               %7d ms  %s x floor (target <= 1.5)  %s us/pipe\n' \
    "$tables" "$(ratio "$tables" "$floor")" "$(awk -v t="$tables" -v n="$n" 'BEGIN{printf "%.1f", t*1000/n}')"

  for kind in all-profiles structure-schedule pipe-schedule; do
    # The drawings stream to their file now (memory stays near the tables'),
    # but the 100,000-pipe profile file is over half a gigabyte of disk and
    # takes a while; ALL_PROFILES_MAX can still leave it out.
    if [[ $kind == all-profiles ]] && ((n > ${ALL_PROFILES_MAX:-100000})); then
      printf '  --%-19s skipped above %d pipes (ALL_PROFILES_MAX)\n' "$kind" "${ALL_PROFILES_MAX:-100000}"
      continue
    fi
    f=$O/$kind.dxf
    whole=$(ms "$CLI" "${GEN[@]}" "--$kind" "$f")
    own=$((whole - gen))
    ((own < 1)) && own=1
    floorw=$(peer_ms "$BIN/write-bytes" "$f" "$O/copy.dxf")
    ((floorw < 1)) && floorw=1
    printf '  --%-19s %10d bytes %7d ms (%d ms beyond the run)  %s x byte floor %d ms (target <= 3)' \
      "$kind" "$(bytes "$f")" "$whole" "$own" "$(ratio "$own" "$floorw")" "$floorw"
    if ((n <= ${EZDXF_MAX:-5001})); then
      ez=$(reps=1 peer_ms "$PY" "$ROOT/bench/ezdxf_same.py" "$f" "$O/ezdxf.dxf")
      printf '  ezdxf %d ms = %s x slower (target >= 20)' "$ez" "$(ratio "$ez" "$own")"
    fi
    echo
  done

  if ((n <= ${EXCEL_MAX:-5001})); then
    x=$O/schedules.xlsx
    whole=$(ms "$CLI" "${GEN[@]}" --excel "$x")
    own=$((whole - gen))
    ((own < 1)) && own=1
    opx=$(reps=1 peer_ms "$PY" "$ROOT/bench/openpyxl_same.py" "$x" "$O/openpyxl.xlsx")
    printf '  --excel                 %10d bytes %7d ms (%d ms beyond the run)  openpyxl %d ms = %s x slower (target >= 3)\n' \
      "$(bytes "$x")" "$whole" "$own" "$opx" "$(ratio "$opx" "$own")"
  fi

  if ((n <= ${SUBMITTAL_MAX:-5001})); then
    # The whole set at once against the options it replaces, each run by itself
    # (every branch's own profile included); the set also hashes its files.
    S=$O/set
    set_ms=$(ms "$CLI" "${GEN[@]}" --submittal "$S")
    parts=0
    for option in "--tables $O/t" "--checks $O/c.csv" "--all-profiles $O/a.dxf" \
      "--structure-schedule $O/s.dxf" "--pipe-schedule $O/p.dxf" "--checks $O/c.csv --excel $O/x.xlsx" \
      "--pdf $O/set.pdf"; do
      # shellcheck disable=SC2086
      t=$(ms "$CLI" "${GEN[@]}" $option)
      parts=$((parts + t))
    done
    branches=$(tail -n +2 "$S/branches.csv" | cut -d, -f1 | sort -u | grep -c .)
    for id in $(tail -n +2 "$S/branches.csv" | cut -d, -f1 | sort -u); do
      t=$(reps=1 ms "$CLI" "${GEN[@]}" --branch-profile "$id:$O/b.dxf")
      parts=$((parts + t))
    done
    printf '  --submittal (%d files) %7d ms; the %d options it replaces, one by one %d ms: %s x (target <= 1)\n' \
      "$(ls "$S" | wc -l)" "$set_ms" "$((7 + branches))" "$parts" "$(ratio "$set_ms" "$parts")"
  fi

  if ((n >= 100000)); then
    # The computation sheet against the tables, paired round by round (the
    # two runs read and walk alike; the sheet adds the trace and its text).
    sheet_ratios=() both_ratios=() sheet_times=() tables_times=()
    for ((r = 0; r < ${SHEET_ROUNDS:-8}; r++)); do
      t=$(reps=1 ms "$CLI" "${GEN[@]}" --tables "$O/tables")
      s=$(reps=1 ms "$CLI" "${GEN[@]}" --hgl-sheet "$O/hgl-sheet.csv")
      b=$(reps=1 ms "$CLI" "${GEN[@]}" --tables "$O/tables" --hgl-sheet "$O/hgl-sheet.csv")
      tables_times+=("$t") sheet_times+=("$s")
      sheet_ratios+=("$(ratio "$s" "$t")") both_ratios+=("$(ratio "$b" "$t")")
    done
    med() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
    printf '  --hgl-sheet (whole run) %10d bytes %7s ms, --tables %s ms: %s x --tables, median of %d paired rounds (target <= 1.10)\n' \
      "$(bytes "$O/hgl-sheet.csv")" "$(med "${sheet_times[@]}")" "$(med "${tables_times[@]}")" \
      "$(med "${sheet_ratios[@]}")" "${SHEET_ROUNDS:-8}"
    printf '  --tables --hgl-sheet                         %s x --tables alone\n' "$(med "${both_ratios[@]}")"
    /usr/bin/time -v "$CLI" "${GEN[@]}" --tables "$O/tables" \
      --structure-schedule "$O/structure-schedule.dxf" --pipe-schedule "$O/pipe-schedule.dxf" \
      >/dev/null 2>"$O/time-v.txt" || true
    kb=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$O/time-v.txt")
    printf '  peak memory, tables and both schedules %d MB (target < 500)\n' "$((kb / 1024))"
    /usr/bin/time -v "$CLI" "${GEN[@]}" --tables "$O/tables" >/dev/null 2>"$O/time-v-tables.txt" || true
    kb=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$O/time-v-tables.txt")
    printf '  peak memory, tables only %d MB (target < 500)\n' "$((kb / 1024))"
    if ((n <= ${ALL_PROFILES_MAX:-100000})); then
      /usr/bin/time -v "$CLI" "${GEN[@]}" --all-profiles "$O/all-profiles.dxf" >/dev/null 2>"$O/time-v-profiles.txt" || true
      kb=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$O/time-v-profiles.txt")
      printf '  peak memory, all profiles %d MB (target < 500)\n' "$((kb / 1024))"
    fi
  fi

  # The same pipes while the design is being sized: a warning at most structures.
  PS=$WORK/sizing$n.bvp
  IS=$WORK/sizing$n.olm
  [[ -f $PS && -f $IS ]] || "$BIN/make-network" --being-sized "$n" "$PS" "$IS"
  cat "$PS" "$IS" >/dev/null
  GENS=(--pipe-db "$PS" --inlet-db "$IS" --outfall 1 --tail-water 398.5 --force)
  floors=$(reps=$REPEAT ms mdb-export "$PS" PIPE)
  tabless=$(ms_log "$O/sizing-stderr.txt" "$CLI" "${GENS[@]}" --tables "$O/tables-sizing")
  errlines=$(wc -l <"$O/sizing-stderr.txt")
  echo "  -- the same pipes while being sized ($(bytes "$PS") byte pipe database)"
  printf '  read floor  mdb-export PIPE        %7d ms\n' "$floors"
  printf '  --tables (whole run)               %7d ms  %s x floor (target <= 1.2; 1.5 at 5,001)  %d lines of standard error\n' \
    "$tabless" "$(ratio "$tabless" "$floors")" "$errlines"
  if command -v strace >/dev/null; then
    strace -f -c -e trace=write,writev -o "$O/strace-sizing.txt" \
      "$CLI" "${GENS[@]}" --tables "$O/tables-sizing" >/dev/null 2>&1 || true
    calls=$(awk '$NF == "total" {print $4}' "$O/strace-sizing.txt")
    printf '  write system calls of that run     %7s\n' "${calls:-?}"
  fi
  echo
done

if [[ -x $BIN/tarvello-gui-bench ]]; then
  n=${SIZES##* }
  echo "== desktop window, offscreen, $n pipes"
  "$BIN/tarvello-gui-bench" "$WORK/net$n.bvp" "$WORK/net$n.olm" 2>/dev/null | sed 's/^/  /'
  echo
fi

# The page's PDF set in headless chromium, where the web build and chromium are there.
if command -v chromium >/dev/null && [[ -f $ROOT/build-web/site/index.html ]]; then
  echo "== the page's PDF set against tarvello-cli --pdf, 5,001 pipes"
  SIZES=5001 WORK=$WORK bash "$ROOT/bench/web_pdf.sh" "$BUILD" 2>&1 | sed 's/^/  /'
  echo
fi

echo "== function benchmarks (each against its floor, same run)"
"$BIN/tarvello-bench" --benchmark_out="$WORK/functions.json" --benchmark_out_format=json \
  --benchmark_min_time=${MIN_TIME:-0.2} >/dev/null 2>&1
"$PY" - "$WORK/functions.json" <<'PYEOF'
import json, sys
runs = {b["name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def ms(b): return b["real_time"] * {"ms": 1, "us": 1e-3, "ns": 1e-6, "s": 1e3}[b["time_unit"]]
pairs = [("BM_TreeBuild", "BM_TreeBuildFloor", "tree build vs hash index + walk"),
         ("BM_DxfDrawing", "BM_DxfDrawingFloor", "DXF tokens vs direct formatting"),
         ("BM_CreateProfileData", "BM_OpenDatabase", "Create Profile Data vs database load"),
         # target: the trace costs at most 10 % (<= 1.10 x)
         ("BM_TracedGeneration", "BM_UntracedGeneration", "generation, trace vs none"),
         ("BM_HglSheetText", "BM_TablesText", "computation sheet text vs tables' text")]
for name, floor, what in pairs:
    for key, b in runs.items():
        if not key.startswith(name + "/"): continue
        n = key.split("/")[1]
        f = next((v for k, v in runs.items() if k.split("/")[:2] == [floor, n]), None)
        line = f"  {what:40s} n={n:>6}: {ms(b):9.2f} ms, {b['per_pipe'] * 1e6:7.2f} us/pipe"
        if f: line += f", {ms(b) / ms(f):6.2f} x floor ({ms(f):.2f} ms)"
        print(line)
PYEOF
