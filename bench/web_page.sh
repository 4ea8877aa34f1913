#!/bin/bash
# The web page's working time against tarvello-cli's --tables --checks run on
# the same files (the page always checks), in paired rounds. Each round runs
# the CLI on every network, then the page in a fresh headless chromium on the
# same networks, then the CLI again; the pair is the mean of the CLI's two runs.
# The page's time: choosing the two files until the outfall box opens, plus
# Create Profile Data until the status line says so, on the page's own clock
# (from the events to the next frame drawn; "driver" is the same span as the
# test driver outside the browser sees it, its round trips included). Also
# chromium's memory (proportional set size of all its processes) after each
# run. Both kinds of network: the finished design ("net") and the one still
# being sized ("sized", the grade line at the tops nearly everywhere, a
# warning each). Prints every round, then the median ratio of each network.
# The browser is given time to finish starting before the measured runs (see
# settle() in page_test.js).
#
#   bench/web_page.sh [BUILDDIR]      (default build-bench; builds the page too)
#   SIZES="20000" ROUNDS=5 KINDS="sized" bench/web_page.sh
#   SITE=DIR bench/web_page.sh        another build of the page (default build-web/site)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
if [ ! -x "$BUILD/bin/make-network" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCH=ON \
    -DTARVELLO_TESTS=OFF -DTARVELLO_GUI=OFF >/dev/null
  cmake --build "$BUILD" -j2 --target make-network tarvello-cli example_projects
fi
BUILD=$(cd "$BUILD" && pwd)
SITE=${SITE:-$ROOT/build-web/site}
[ -f "$SITE/index.html" ] || bash "$ROOT/scripts/build-web.sh"
WEB=$ROOT/tests/web
[ -d "$WEB/node_modules/puppeteer-core" ] || (cd "$WEB" && npm ci --no-audit --no-fund >/dev/null)
SIZES=${SIZES:-"100000"}
KINDS=${KINDS:-"net sized"}
ROUNDS=${ROUNDS:-3}
# The page is measured in a browser that has finished starting (SETTLE=false: straight away).
SETTLE=${SETTLE:-true}
WORK=${WORK:-$BUILD/bench-data}
mkdir -p "$WORK/web"

ms() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(((e - s) / 1000000)); }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
projects="{\"name\": \"warm-up\", \"pipe\": \"$BUILD/examples/highway.bvp\", \"inlet\": \"$BUILD/examples/highway.olm\",
           \"outfall\": \"1\", \"tailWater\": \"399.80\", \"egl\": false, \"timeOnly\": true}"
names=()
for n in $SIZES; do
  for kind in $KINDS; do
    P=$WORK/$kind$n.bvp I=$WORK/$kind$n.olm
    if [ ! -f "$P" ]; then
      if [ "$kind" = sized ]; then "$BUILD/bin/make-network" --being-sized "$n" "$P" "$I"
      else "$BUILD/bin/make-network" "$n" "$P" "$I"; fi
    fi
    names+=("$kind$n")
    projects+=", {\"name\": \"$kind$n\", \"pipe\": \"$P\", \"inlet\": \"$I\", \"outfall\": \"1\",
                  \"tailWater\": \"398.5\", \"egl\": false, \"timeOnly\": true}"
  done
done
cat >"$WORK/web/plan.json" <<JSON
{"chromium": "$(command -v chromium)", "work": "$WORK/web", "projects": [$projects], "bad": [],
 "settle": $SETTLE}
JSON
echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
cli_ms() {
  ms "$BUILD/bin/tarvello-cli" --pipe-db "$WORK/$1.bvp" --inlet-db "$WORK/$1.olm" --outfall 1 \
    --tail-water 398.5 --force --tables "$WORK/web/cli-$1" --checks "$WORK/web/cli-$1/checks.csv"
}
declare -A ratios mems
for round in $(seq "$ROUNDS"); do
  # The CLI just before and just after the page, and their mean: these
  # machines' speed drifts over the seconds a page run takes.
  declare -A before=() cli=()
  for name in "${names[@]}"; do before[$name]=$(cli_ms "$name"); done
  out=$(NODE_PATH="$WEB/node_modules" node "$WEB/page_test.js" "$SITE" "$WORK/web/plan.json")
  for name in "${names[@]}"; do cli[$name]=$(((before[$name] + $(cli_ms "$name")) / 2)); done
  echo "round $round: the browser $(echo "$out" | grep '^settled:' || echo 'not waited for')"
  for name in "${names[@]}"; do
    line=$(echo "$out" | grep "^$name:")
    page=$(echo "$line" | sed 's/.*page work \([0-9]*\) ms.*/\1/')
    driver=$(echo "$line" | sed 's/.*driver \([0-9]*\) ms.*/\1/')
    mem=$(echo "$line" | sed 's/.*chromium \([0-9]*\) MB.*/\1/')
    ratio=$(awk -v a="$page" -v b="${cli[$name]}" 'BEGIN { printf "%.2f", a / b }')
    ratios[$name]+="$ratio "
    mems[$name]+="$mem "
    printf 'round %d %-12s page %6d ms, tarvello-cli --tables --checks %6d ms: %s x; chromium %d MB; driver %d ms; %s\n' \
      "$round" "$name" "$page" "${cli[$name]}" "$ratio" "$mem" "$driver" "$(echo "$line" | sed 's/.*MB (\(.*\))$/\1/')"
  done
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
for name in "${names[@]}"; do
  printf '%-12s median page / CLI %s x over %d rounds (target <= 2); chromium at most %d MB (target < 1024)\n' \
    "$name" "$(echo "${ratios[$name]}" | tr ' ' '\n' | grep . | median)" "$ROUNDS" \
    "$(echo "${mems[$name]}" | tr ' ' '\n' | grep . | sort -n | tail -1)"
done
