#!/usr/bin/env bash
# Checks that the C++ sources keep to .clang-format; with --fix, reformats them.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'app/*.cpp' 'app/*.h' 'tests/*.cpp' 'tests/*.h' \
  'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h' 'web/*.cpp' 'web/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/check-format.$$; then
  grep -m 20 'error:' /tmp/check-format.$$ >&2 || true
  rm -f /tmp/check-format.$$
  echo "check-format: the files above do not keep to .clang-format; run scripts/check-format.sh --fix" >&2
  exit 1
fi
rm -f /tmp/check-format.$$
echo "check-format: ${#files[@]} files keep to .clang-format"
