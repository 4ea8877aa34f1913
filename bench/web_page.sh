#!/bin/bash
# The web page's working time against tarvello-cli's whole --tables run on the
# same files, in the same run: choosing the two files until the outfall box
# opens, plus Create Profile Data until the status line says so, in headless
# chromium; and chromium's resident memory after each run.
#
#   bench/web_page.sh [BUILDDIR]      (default build-bench; builds the page too)
#   SIZES="20000" bench/web_page.sh   one size
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
if [ ! -x "$BUILD/bin/make-network" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCH=ON \
    -DTARVELLO_TESTS=OFF -DTARVELLO_GUI=OFF >/dev/null
  cmake --build "$BUILD" -j2 --target make-network tarvello-cli example_projects
fi
BUILD=$(cd "$BUILD" && pwd)
[ -f "$ROOT/build-web/site/index.html" ] || bash "$ROOT/scripts/build-web.sh"
WEB=$ROOT/tests/web
[ -d "$WEB/node_modules/puppeteer-core" ] || (cd "$WEB" && npm ci --no-audit --no-fund >/dev/null)
SIZES=${SIZES:-"20000 100000"}
WORK=${WORK:-$BUILD/bench-data}
mkdir -p "$WORK/web"

ms() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(((e - s) / 1000000)); }
projects="{\"name\": \"warm-up\", \"pipe\": \"$BUILD/examples/highway.bvp\", \"inlet\": \"$BUILD/examples/highway.olm\",
           \"outfall\": \"1\", \"tailWater\": \"399.80\", \"egl\": false, \"timeOnly\": true}"
declare -A cli
for n in $SIZES; do
  P=$WORK/net$n.bvp I=$WORK/net$n.olm
  [ -f "$P" ] || "$BUILD/bin/make-network" "$n" "$P" "$I"
  cli[$n]=$(ms "$BUILD/bin/tarvello-cli" --pipe-db "$P" --inlet-db "$I" --outfall 1 --tail-water 398.5 \
    --force --tables "$WORK/web/cli-$n")
  projects+=", {\"name\": \"net$n\", \"pipe\": \"$P\", \"inlet\": \"$I\", \"outfall\": \"1\",
                \"tailWater\": \"398.5\", \"egl\": false, \"timeOnly\": true}"
done
cat >"$WORK/web/plan.json" <<JSON
{"chromium": "$(command -v chromium)", "work": "$WORK/web", "projects": [$projects], "bad": []}
JSON
out=$(NODE_PATH="$WEB/node_modules" node "$WEB/page_test.js" "$ROOT/build-web/site" "$WORK/web/plan.json")
echo "$out" | grep -v '^page test'
for n in $SIZES; do
  page=$(echo "$out" | grep "^net$n:" | sed 's/.*page work \([0-9]*\) ms.*/\1/')
  mem=$(echo "$out" | grep "^net$n:" | sed 's/.*chromium \([0-9]*\) MB.*/\1/')
  printf '%6d pipes: page %6d ms, tarvello-cli --tables %6d ms: %s x (target <= 2); chromium %d MB (target < 1024)\n' \
    "$n" "$page" "${cli[$n]}" "$(awk -v a="$page" -v b="${cli[$n]}" 'BEGIN { printf "%.2f", a / b }')" "$mem"
done
