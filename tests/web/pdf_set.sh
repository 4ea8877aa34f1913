#!/usr/bin/env bash
# The web build's sheet set against tarvello-cli's: the same pages, page sizes
# and words at the same places (0.5 pt), fonts embedded.
#   pdf_set.sh PDF_SET_JS CLI EXAMPLES_DIR
set -euo pipefail
web=$1 cli=$2 examples=$(cd "$3" && pwd)  # the node tool takes absolute paths
if [ ! -f "$web" ]; then echo "no web build ($web): skipped"; exit 77; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in "highway 1 tabloid 399.80" "metric 1 a1 0.0"; do
  read -r name outfall size tail <<<"$run"
  "$cli" --pipe-db "$examples/$name.bvp" --inlet-db "$examples/$name.olm" --outfall "$outfall" \
    --tail-water "$tail" --page-size "$size" --pdf "$work/cli-$name.pdf" >/dev/null 2>&1
  NODE_PATH=/usr/share/nodejs node "$web" "$examples/$name.bvp" "$examples/$name.olm" "$outfall" \
    "$work/web-$name.pdf" "$size" "$tail" >/dev/null 2>&1
  /usr/bin/python3 "$(dirname "$0")/pdf_words.py" "$work/cli-$name.pdf" "$work/web-$name.pdf" 0.5
  if pdffonts "$work/web-$name.pdf" | tail -n +3 | awk '$(NF-4) != "yes" { bad = 1 } END { exit !bad }'; then
    echo "$name: a font of the web build's file is not embedded" >&2
    exit 1
  fi
done
