#!/usr/bin/env bash
# The page against tarvello-cli: every download of both example projects and
# of two generated 1,001-pipe networks (one finished, one still being sized:
# hundreds of warnings of one kind) byte for byte (the workbook cell by cell
# through openpyxl), the bad inputs, the failed and the stale run, the
# findings table, the computation sheet, the quantities, the grouped
# warnings, the preview's colours, the narrow layout, the page offline, the
# PDF set, "Download all" and the revision log.
#   page_test.sh SITE_DIR CLI EXAMPLES_DIR MAKE_NETWORK JET_WRITE
# SCREENSHOT=FILE keeps the screenshot there; SCREENSHOTS=DIR keeps the
# findings table, the preview at Zoom to fit and the pipe table scrolled
# right, the page at 800 px (page-findings.png, page-preview.png,
# page-grid.png, page-narrow.png) there.
set -euo pipefail
abs() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
site=$(abs "$1") cli=$(abs "$2") examples=$(abs "$3") make_network=$(abs "$4") jet_write=$(abs "$5")
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
"$cli" --pipe-db "$work/in/net1001.bvp" --list-outfalls | tail -n +2 >"$work/in/net1001.outfalls"
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

# The PDF set, "Download all" and the revision log, as tarvello-cli makes
# them: highway against an earlier set made from a changed copy of its
# databases (one pipe larger, the upper end of a branch removed, one top
# raised), metric on A3 with no earlier set.
source=$here/../../examples/highway
mkdir -p "$work/olddb" "$work/set" "$work/bad-old/missing" "$work/bad-old/layout"
sed -e '/^P4,/s/,Circular,48,48,48,/,Circular,54,54,54,/' -e '/^P12,/d' \
    -e '/^P[78],/s/,418\.59,/,419.10,/' "$source/highway.pipe.txt" >"$work/olddb/highway.pipe.txt"
sed -e '/^12,/d' "$source/highway.inlet.txt" >"$work/olddb/highway.inlet.txt"
cmp -s "$source/highway.pipe.txt" "$work/olddb/highway.pipe.txt" && { echo "the changed copy is no change" >&2; exit 1; }
"$jet_write" "$work/olddb/highway.pipe.txt" "$work/olddb/highway.bvp" >/dev/null
"$jet_write" "$work/olddb/highway.inlet.txt" "$work/olddb/highway.olm" >/dev/null
"$cli" --pipe-db "$work/olddb/highway.bvp" --inlet-db "$work/olddb/highway.olm" --outfall 1 --tail-water 399.80 \
  --submittal "$work/old" >/dev/null 2>&1
(cd "$work/in" && "$cli" --pipe-db highway.bvp --inlet-db highway.olm --outfall 1 --tail-water 399.80 \
  --pdf "$work/set/highway.pdf" --submittal "$work/set/highway" --compare-with "$work/old" \
  --revisions "$work/set/highway-revisions.csv" >/dev/null 2>&1)
(cd "$work/in" && "$cli" --pipe-db metric.bvp --inlet-db metric.olm --outfall 1 --tail-water 55.40 \
  --page-size a3 --pdf "$work/set/metric.pdf" --submittal "$work/set/metric" >/dev/null 2>&1)
grep -q '^changed,pipe,P4,Dia / Rise,54,48' "$work/set/highway-revisions.csv" ||
  { echo "tarvello-cli's revisions miss the changed pipe" >&2; exit 1; }
# Earlier sets the page must refuse, with the messages tarvello-cli gives.
cp "$work/old/structures.csv" "$work/bad-old/missing/"
cp "$work/old/structures.csv" "$work/bad-old/layout/"
cp "$work/old/branches.csv" "$work/bad-old/layout/pipes.csv"
old_message() {  # what --compare-with says of a folder, named as the page names its files
  message --pipe-db highway.bvp --inlet-db highway.olm --outfall 1 --compare-with "$1" --revisions "$work/x.csv" |
    sed -e 's/^--compare-with: //' -e "s#$1/##" | python3 -c 'import json,sys; print(json.dumps(sys.stdin.read().strip()))'
}

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
     "findingsShot": "$work/page-findings.png", "gridShot": "$work/page-grid.png",
     "sheetShot": "$work/page-hgl-sheet.png",
     "set": {"pageSize": "tabloid", "revisions": "$work/set/highway-revisions.csv",
       "old": ["$work/old/structures.csv", "$work/old/pipes.csv", "$work/old/design-checks.csv", "$work/old/manifest.json"],
       "badOld": [
         {"files": ["$work/bad-old/missing/structures.csv"], "message": $(old_message "$work/bad-old/missing")},
         {"files": ["$work/bad-old/layout/structures.csv", "$work/bad-old/layout/pipes.csv"], "message": $(old_message "$work/bad-old/layout")}]}},
    {"name": "highway-201", "pipe": "$work/in/highway.bvp", "inlet": "$work/in/highway.olm",
     "outfall": "201", "tailWater": "426.20", "egl": true, "branch": "2",
     "criteria": "$work/in/criteria.toml",
     "criteriaLine": "Criteria in force: freeboard 1.5 ft;  velocity 3 to 12 ft/s;  cover 2 ft;  size 15 in;  rules off: none"},
    {"name": "metric", "pipe": "$work/in/metric.bvp", "inlet": "$work/in/metric.olm",
     "outfall": "1", "tailWater": "55.40", "egl": false, "branch": "1", "set": {"pageSize": "a3"}},
    {"name": "net1001", "pipe": "$work/in/net1001.bvp", "inlet": "$work/in/net1001.olm",
     "outfall": "1", "tailWater": "398.5", "egl": false, "branch": "1", "outfalls": "$work/in/net1001.outfalls"},
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
# The page's PDF set and its whole set against tarvello-cli's: the same
# words at the same places (0.5 pt), fonts embedded; the zip holds exactly
# the CLI's set, its tables and drawings byte for byte, the workbook cell for
# cell, a manifest of the same inputs that --verify accepts.
same_pdf() {  # CLI_PDF PAGE_PDF WHAT
  if ! /usr/bin/python3 "$here/pdf_words.py" "$1" "$2" 0.5 >"$work/words.txt"; then
    cat "$work/words.txt" >&2; echo "FAIL: $3: the words differ from tarvello-cli's" >&2; status=1
  elif pdffonts "$2" | tail -n +3 | awk '$(NF-4) != "yes" { bad = 1 } END { exit !bad }'; then
    echo "FAIL: $3: a font is not embedded" >&2; status=1
  fi
}
for project in highway metric; do
  page=$work/page/$project cli_set=$work/set/$project
  same_pdf "$work/set/$project.pdf" "$page/set.pdf" "$project: the PDF set"
  mkdir -p "$work/unzipped/$project"
  /usr/bin/python3 -m zipfile -e "$page/submittal.zip" "$work/unzipped/$project" || { echo "FAIL: $project: no zip" >&2; status=1; continue; }
  zipped=$work/unzipped/$project
  if [ "$(ls "$cli_set")" != "$(ls "$zipped")" ]; then
    echo "FAIL: $project: the zip holds $(ls "$zipped" | xargs), tarvello-cli's set $(ls "$cli_set" | xargs)" >&2; status=1
  fi
  for f in "$cli_set"/*; do
    name=$(basename "$f")
    [ -f "$zipped/$name" ] || continue
    case $name in
      *.pdf) same_pdf "$f" "$zipped/$name" "$project: $name in the zip" ;;
      *.xlsx) cmp -s <(/usr/bin/python3 "$here/../excel/read_workbook.py" "$f") \
                     <(/usr/bin/python3 "$here/../excel/read_workbook.py" "$zipped/$name") ||
                { echo "FAIL: $project: $name in the zip: the cells differ" >&2; status=1; } ;;
      manifest.json)
        # Not the time it was made, nor the hashes of the files that carry it.
        /usr/bin/python3 - "$f" "$zipped/$name" <<'PY' || status=1
import json, sys
def comparable(path):
    m = json.load(open(path))
    m.pop('created')
    for o in m['outputs']:
        if o['name'].endswith(('.pdf', '.xlsx')):
            o.pop('sha256'); o.pop('size')
    return m
a, b = (comparable(p) for p in sys.argv[1:3])
if a != b:
    print(f'FAIL: {sys.argv[2]}: the manifest differs from tarvello-cli\'s', file=sys.stderr)
    sys.exit(1)
PY
        ;;
      *) cmp -s "$f" "$zipped/$name" || { echo "FAIL: $project: $name in the zip differs from tarvello-cli's" >&2; status=1; } ;;
    esac
  done
  "$cli" --verify "$zipped" >/dev/null || { echo "FAIL: $project: the zipped set does not match its manifest" >&2; status=1; }
  echo "$project: PDF set and $(ls "$zipped" | wc -l) files of the whole set compared"
done
cmp -s "$work/set/highway-revisions.csv" "$work/page/highway/revisions.csv" ||
  { echo "FAIL: highway: the revision log differs from tarvello-cli's" >&2; status=1; }
if [ -n "${SCREENSHOT:-}" ]; then
  cp "$work/screenshot.png" "$SCREENSHOT"
fi
if [ -n "${SCREENSHOTS:-}" ]; then
  cp "$work/page-findings.png" "$work/page-preview.png" "$work/page-grid.png" "$work/page-narrow.png" \
     "$work/page-hgl-sheet.png" "$SCREENSHOTS/"
fi
exit $status
