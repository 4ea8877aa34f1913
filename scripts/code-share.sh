#!/usr/bin/env bash
# How large the tests are next to the code they test: non-blank lines of
# source files in tests/ against src/, app/, web/ and tools/ (tools are code
# the project keeps). Fixture folders (corpus, golden, data) are inputs, not
# code; node_modules and third_party are other people's code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -type d \( -name corpus -o -name golden -o -name data \
    -o -name node_modules -o -name third_party \) -prune -o -type f \
    \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.h' \
    -o -name '*.hpp' -o -name '*.py' -o -name '*.sh' -o -name '*.js' \
    -o -name '*.mjs' \) -print0 |
    xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

tests=$(count tests)
product=$(count src app web tools)
total=$((tests + product))
echo "tests:   ${tests}"
echo "product: ${product}"
echo "share:   $((100 * tests / total)) % of ${total} lines (aim: at most 33 %)"
