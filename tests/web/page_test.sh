#!/usr/bin/env bash
# The page against tarvello-cli: every download of both example projects and
# of two generated 1,001-pipe networks (one finished, one still being sized:
# hundreds of warnings of one kind) byte for byte (the workbook cell by cell
# through openpyxl), the bad inputs, the failed and the stale run, the
# findings table, the computation sheet, the quantities, the grouped
# warnings, the preview's colours, the narrow layout, the page offline.
#   page_test.sh SITE_DIR CLI EXAMPLES_DIR MAKE_NETWORK
# SCREENSHOT=FILE keeps the screenshot there; SCREENSHOTS=DIR keeps the
# findings table, the preview at Zoom to fit and the pipe table scrolled
# right, the page at 800 px (page-findings.png, page-preview.png,
# page-grid.png, page-narrow.png) there.
set -euo pipefail
abs() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
site=$(abs "$1") cli=$(abs "$2") examples=$(abs "$3") make_network=$(abs "$4")
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$site/index.html" ]; then echo "no web build ($site): run scripts/build-web.sh; skipped"; exit 77; fi
chromium=$(command -v chromium || true)
if [ -z "$chromium" ]; then echo "no chromium: skipped"; exit 77; fi
if [ ! -d "$here/node_modules/puppeteer-core" ]; then (cd "$here" && npm ci --no-audit --no-fund >/dev/null); fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
cp "$examples"/highway.bvp "$examples"/highway.olm "$examples"/metric.bvp "$examples"/metric.olm "$work/in/"
"$make_network" 1001 "$work/in/net1001.bvp" "$work/in/net1001.olm"
# Sized too small: the grade line reaches the tops almost everywhere, so
# there are hundreds of warnings of one kind.
"$make_network" --being-sized 1001 "$work/in/sized1001.bvp" "$work/in/sized1001.olm"
printf 'freeboard = 1.5\nvelocity_min = 3.0\n' >"$work/in/criteria.toml"
printf 'freeboard = "x"\n' >"$work/in/bad.toml"
printf 'hello\n' >"$work/in/notjet.bvp"

# What tarvello-cli writes and says, run from the files' folder so that its
# messages name them as the page does.
expect() {  # NAME PIPE INLET OUTFALL TAIL BRANCH EXTRA...
  local name=$1 pipe=$2 inlet=$3 outfall=$4 tail=$5 branch=$6
  shift 6
  mkdir -p "$work/cli/$name"
  (cd "$work/in" && "$cli" --pipe-db "$pipe" --inlet-db "$inlet" --outfall "$outfall" --tail-water "$tail" \
    --tables "$work/cli/$name" --checks "$work/cli/$name/design-checks.csv" \
    --all-profiles "$work/cli/$name/all-profiles.dxf" \
    --structure-schedule "$work/cli/$name/structure-schedule.dxf" \
    --pipe-schedule "$work/cli/$name/pipe-schedule.dxf" --excel "$work/cli/$name/schedules.xlsx" \
    --branch-profile "$branch:$work/cli/$name/branch-$branch.dxf" "$@" >/dev/null 2>"$work/cli/$name.log") ||
    { cat "$work/cli/$name.log" >&2; echo "tarvello-cli failed on $name" >&2; exit 1; }
  # Apart: with them the workbook would carry two more worksheets, which the page's does not.
  (cd "$work/in" && "$cli" --pipe-db "$pipe" --inlet-db "$inlet" --outfall "$outfall" --tail-water "$tail" \
    --hgl-sheet "$work/cli/$name/hgl-computation.csv" --quantities "$work/cli/$name/quantities.csv" \
    --warnings "$work/cli/$name/warnings.csv" >/dev/null 2>"$work/cli/$name.log") ||
    { cat "$work/cli/$name.log" >&2; echo "tarvello-cli failed on $name" >&2; exit 1; }
}
message() {  # what the CLI says on standard error, without its name and warnings
  (cd "$work/in" && "$cli" "$@" 2>&1 >/dev/null || true) | grep -v '^warning: ' | sed 's/^tarvello-cli: //'
}
expect highway highway.bvp highway.olm 1 399.80 1
expect highway-201 highway.bvp highway.olm 201 426.20 2 --egl --criteria criteria.toml
expect metric metric.bvp metric.olm 1 55.40 1
expect net1001 net1001.bvp net1001.olm 1 398.5 1
expect sized1001 sized1001.bvp sized1001.olm 1 398.5 1

cat >"$work/plan.json" <<JSON
{
  "chromium": "$chromium",
  "work": "$work",
  "narrowShot": "$work/page-narrow.png",
  "projects": [
    {"name": "highway", "pipe": "$work/in/highway.bvp", "inlet": "$work/in/highway.olm",
     "outfall": "1", "tailWater": "399.80", "egl": false, "branch": "1",
     "status": "Profile data created: 40 structure rows, 31 pipes (outfall 1, tail water 399.80)",
     "stale": true, "preview": true,
     "criteriaLine": "Criteria in force: freeboard 1 ft;  velocity 3 to 12 ft/s;  cover 2 ft;  size 15 in;  rules off: none",
     "screenshot": "$work/screenshot.png", "previewShot": "$work/page-preview.png",
     "findingsShot": "$work/page-findings.png", "gridShot": "$work/page-grid.png"},
    {"name": "highway-201", "pipe": "$work/in/highway.bvp", "inlet": "$work/in/highway.olm",
     "outfall": "201", "tailWater": "426.20", "egl": true, "branch": "2",
     "criteria": "$work/in/criteria.toml",
     "criteriaLine": "Criteria in force: freeboard 1.5 ft;  velocity 3 to 12 ft/s;  cover 2 ft;  size 15 in;  rules off: none"},
    {"name": "metric", "pipe": "$work/in/metric.bvp", "inlet": "$work/in/metric.olm",
     "outfall": "1", "tailWater": "55.40", "egl": false, "branch": "1"},
    {"name": "net1001", "pipe": "$work/in/net1001.bvp", "inlet": "$work/in/net1001.olm",
     "outfall": "1", "tailWater": "398.5", "egl": false, "branch": "1"},
    {"name": "sized1001", "pipe": "$work/in/sized1001.bvp", "inlet": "$work/in/sized1001.olm",
     "outfall": "1", "tailWater": "398.5", "egl": false, "branch": "1", "manyWarnings": true}
  ],
  "bad": [
    {"name": "not a Jet file", "pipe": "$work/in/notjet.bvp", "inlet": "$work/in/highway.olm",
     "message": $(message --pipe-db notjet.bvp --inlet-db highway.olm --list-outfalls | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read().strip()))')},
    {"name": "no PIPE table", "pipe": "$work/in/highway.olm", "inlet": "$work/in/highway.olm",
     "message": $(message --pipe-db highway.olm --inlet-db highway.olm --list-outfalls | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read().strip()))')},
    {"name": "wrong outfall", "pipe": "$work/in/highway.bvp", "inlet": "$work/in/highway.olm", "outfall": "NOPE",
     "message": $(message --pipe-db highway.bvp --inlet-db highway.olm --outfall NOPE | python3 -c 'import json,sys; print(json.dumps("Create Profile Data failed: " + sys.stdin.read().strip()))')},
    {"name": "bad criteria file", "outfall": "1", "criteria": "$work/in/bad.toml",
     "message": $(message --pipe-db highway.bvp --inlet-db highway.olm --outfall 1 --checks x.csv --criteria bad.toml | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read().strip()))')}
  ]
}
JSON
NODE_PATH="$here/node_modules" node "$here/page_test.js" "$site" "$work/plan.json"

status=0
for project in highway highway-201 metric net1001 sized1001; do
  for f in "$work/cli/$project"/*; do
    name=$(basename "$f")
    page="$work/page/$project/$name"
    if [ "$name" = schedules.xlsx ]; then
      if ! cmp -s <(/usr/bin/python3 "$here/../excel/read_workbook.py" "$f") \
                  <(/usr/bin/python3 "$here/../excel/read_workbook.py" "$page"); then
        echo "FAIL: $project/$name: the workbooks' cells differ" >&2; status=1
      fi
    elif ! cmp -s "$f" "$page"; then
      echo "FAIL: $project/$name differs from tarvello-cli's" >&2; status=1
    fi
  done
  echo "$project: $(ls "$work/cli/$project" | wc -l) files compared"
done
if [ -n "${SCREENSHOT:-}" ]; then
  cp "$work/screenshot.png" "$SCREENSHOT"
fi
if [ -n "${SCREENSHOTS:-}" ]; then
  cp "$work/page-findings.png" "$work/page-preview.png" "$work/page-grid.png" "$work/page-narrow.png" "$SCREENSHOTS/"
fi
exit $status
