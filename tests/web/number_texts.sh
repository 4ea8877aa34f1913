#!/usr/bin/env bash
# The web build's number texts equal the desktop's on the number corpus and on
# every cell of both example projects' tables.
#   number_texts.sh NATIVE WEB_JS CLI EXAMPLES_DIR CORPUS_DIR
set -euo pipefail
native=$1 web=$2 cli=$3 examples=$4 corpus=$5
if [ ! -f "$web" ]; then echo "no web build ($web): skipped"; exit 77; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
inputs=("$corpus"/*)
for p in highway:1 highway:201 metric:1; do
  name=${p%%:*} outfall=${p#*:}
  mkdir -p "$work/$name-$outfall"
  "$cli" --pipe-db "$examples/$name.bvp" --inlet-db "$examples/$name.olm" --outfall "$outfall" 2>/dev/null \
    --tables "$work/$name-$outfall" >/dev/null
  inputs+=("$work/$name-$outfall"/*.csv)
done
"$native" "${inputs[@]}" >"$work/native.txt"
NODE_PATH=/usr/share/nodejs node "$web" "${inputs[@]}" >"$work/web.txt"
lines=$(wc -l <"$work/native.txt")
if ! cmp -s "$work/native.txt" "$work/web.txt"; then
  diff "$work/native.txt" "$work/web.txt" | head -20
  echo "the web build's number texts differ from the desktop's" >&2
  exit 1
fi
[ "$lines" -gt 1000 ] || { echo "too few texts compared ($lines)" >&2; exit 1; }
echo "$lines number texts equal"
