#!/usr/bin/env bash
# Renders the committed PNG icons from icons/tarvello.svg; run it after
# changing the drawing (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 48 256; do
  rsvg-convert --width "$size" --height "$size" tarvello.svg --output "tarvello-$size.png"
done
