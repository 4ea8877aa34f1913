#!/usr/bin/env bash
# Installs the npm packages of the test reader, exactly as package-lock.json
# pins them. Does nothing when they are already in place.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v npm >/dev/null 2>&1; then
  echo "install.sh: npm is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
# npm leaves its own record of an install in node_modules/.package-lock.json.
if [ -f node_modules/mdb-reader/package.json ] && [ node_modules/.package-lock.json -nt package-lock.json ]; then
  exit 0
fi
npm ci --no-audit --no-fund --loglevel=error
