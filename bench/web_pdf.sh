#!/bin/bash
# The page's PDF set against tarvello-cli --pdf on the same 5,001-pipe network,
# in the same run: tarvello-cli's whole --pdf command (open, Create Profile
# Data, the set) against the page's choosing the files, Create Profile Data
# and the PDF set until it is saved, in headless chromium. Also the page's
# PDF step alone, "Download all" (tarvello-cli --submittal's set, zipped) beside
# the CLI's --submittal, and the size of the page's module.
#
#   bench/web_pdf.sh [BUILDDIR]       (default build-bench; builds the page too)
#   SIZES="1001" bench/web_pdf.sh     another size
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
if [ ! -x "$BUILD/bin/make-network" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCH=ON \
    -DTARVELLO_TESTS=OFF -DTARVELLO_GUI=OFF >/dev/null
  cmake --build "$BUILD" -j2 --target make-network tarvello-cli
fi
BUILD=$(cd "$BUILD" && pwd)
[ -f "$ROOT/build-web/site/index.html" ] || bash "$ROOT/scripts/build-web.sh"
WEB=$ROOT/tests/web
[ -d "$WEB/node_modules/puppeteer-core" ] || (cd "$WEB" && npm ci --no-audit --no-fund >/dev/null)
SIZES=${SIZES:-5001}
WORK=${WORK:-$BUILD/bench-data}
mkdir -p "$WORK/web-pdf"

ms() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(((e - s) / 1000000)); }
# A small network first, so that the page and its module are warm.
[ -f "$WORK/net101.bvp" ] || "$BUILD/bin/make-network" 101 "$WORK/net101.bvp" "$WORK/net101.olm"
projects="{\"name\": \"warm-up\", \"pipe\": \"$WORK/net101.bvp\", \"inlet\": \"$WORK/net101.olm\",
           \"outfall\": \"1\", \"tailWater\": \"398.5\", \"egl\": false, \"timeOnly\": true, \"timePdf\": true}"
declare -A cli set_ms
for n in $SIZES; do
  P=$WORK/net$n.bvp I=$WORK/net$n.olm
  [ -f "$P" ] || "$BUILD/bin/make-network" "$n" "$P" "$I"
  cli[$n]=$(ms "$BUILD/bin/tarvello-cli" --pipe-db "$P" --inlet-db "$I" --outfall 1 --tail-water 398.5 \
    --force --pdf "$WORK/web-pdf/cli-$n.pdf")
  rm -rf "$WORK/web-pdf/cli-set-$n"
  set_ms[$n]=$(ms "$BUILD/bin/tarvello-cli" --pipe-db "$P" --inlet-db "$I" --outfall 1 --tail-water 398.5 \
    --submittal "$WORK/web-pdf/cli-set-$n")
  projects+=", {\"name\": \"net$n\", \"pipe\": \"$P\", \"inlet\": \"$I\", \"outfall\": \"1\",
                \"tailWater\": \"398.5\", \"egl\": false, \"timeOnly\": true, \"timePdf\": true, \"timeAll\": true}"
done
cat >"$WORK/web-pdf/plan.json" <<JSON
{"chromium": "$(command -v chromium)", "work": "$WORK/web-pdf", "projects": [$projects], "bad": []}
JSON
out=$(NODE_PATH="$WEB/node_modules" node "$WEB/page_test.js" "$ROOT/build-web/site" "$WORK/web-pdf/plan.json")
echo "$out" | grep -v '^page test'
wasm=$(stat -c %s "$ROOT/build-web/site/tarvello.wasm")
for n in $SIZES; do
  work=$(echo "$out" | grep "^net$n: open" | sed 's/.*page work \([0-9]*\) ms.*/\1/')
  pdf=$(echo "$out" | grep "^net$n: pdf" | sed 's/.* pdf \([0-9]*\) ms/\1/')
  printf '%6d pipes: page %6d ms (PDF step %d ms), tarvello-cli --pdf %6d ms: %s x (target <= 3)\n' \
    "$n" "$((work + pdf))" "$pdf" "${cli[$n]}" "$(awk -v a="$((work + pdf))" -v b="${cli[$n]}" 'BEGIN { printf "%.2f", a / b }')"
  all=$(echo "$out" | grep "^net$n: all" | sed 's/.* all \([0-9]*\) ms/\1/')
  printf '%6d pipes: Download all %6d ms after the run, tarvello-cli --submittal %6d ms (whole command)\n' \
    "$n" "$all" "${set_ms[$n]}"
done
printf 'module: tarvello.wasm %.1f MB, tarvello.js %d kB\n' "$(awk -v b="$wasm" 'BEGIN { print b / 1048576 }')" \
  "$(($(stat -c %s "$ROOT/build-web/site/tarvello.js") / 1024))"
