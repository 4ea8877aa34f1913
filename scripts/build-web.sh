#!/usr/bin/env bash
# Builds the WebAssembly edition into build-web/site/: index.html, its script,
# worker and stylesheet, and the module (tarvello.js, tarvello.wasm). Serve the
# folder with any web server, e.g. python3 -m http.server -d build-web/site.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --with-web
# Debian's emscripten needs Debian's acorn on node's path.
export NODE_PATH=/usr/share/nodejs

BUILD=build-web
emcmake cmake -S web -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

SITE=$BUILD/site
rm -rf "$SITE"
mkdir -p "$SITE"
cp web/index.html web/app.js web/worker.js web/sw.js web/manifest.webmanifest web/style.css web/favicon.svg "$BUILD/tarvello.js" "$BUILD/tarvello.wasm" "$SITE/"
echo "build-web.sh: the page is in $SITE"
