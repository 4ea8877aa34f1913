#!/usr/bin/env bash
# Makes the Debian package from a build tree with cpack, unpacks it with
# dpkg-deb -x into a scratch folder, checks the desktop files in it and runs
# both programs from there on the highway example.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR VERSION GUI(0|1)
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
version="$3"
gui="$4"

scratch="$(mktemp -d)"
gui_pid=""
cleanup() {
  if [ -n "$gui_pid" ]; then kill -KILL "$gui_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { local what="$1"; shift; if ! "$@"; then fail "$what"; fi; }

# --- the package ------------------------------------------------------------
arch="$(dpkg --print-architecture)"
deb="$scratch/pkg/tarvello_${version}_${arch}.deb"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  echo "FAIL: cpack could not make the package" >&2
  exit 1
fi
if [ ! -f "$deb" ]; then
  ls -l "$scratch/pkg" >&2
  echo "FAIL: no $(basename "$deb")" >&2
  exit 1
fi
info="$(dpkg-deb --field "$deb" Package Version Architecture Maintainer Section Depends Description)"
check "package name" grep -qx "Package: tarvello" <<<"$info"
check "package version" grep -qx "Version: $version" <<<"$info"
check "maintainer" grep -q "^Maintainer: .*<.*@.*>" <<<"$info"
check "section" grep -q "^Section: ." <<<"$info"
check "description" grep -q "^Description: ." <<<"$info"
# Depends comes from the shared libraries the programs link.
for lib in libmdb libzip libpugixml libstdc; do
  check "Depends names $lib" grep -q "^Depends:.*$lib" <<<"$info"
done
# The tables are read into memory without SQLite; only the tests link it.
check "Depends leaves out libsqlite3" bash -c '! grep -q "^Depends:.*libsqlite3" <<<"$0"' "$info"
if [ "$gui" = 1 ]; then check "Depends names Qt" grep -q "^Depends:.*libqt6widgets6" <<<"$info"; fi

# Unpacked only, in a folder that has nothing to do with the build tree.
root="$scratch/unpacked"
dpkg-deb -x "$deb" "$root"
files="$(cd "$root" && find . -type f -o -type l | sort)"
expected=(./usr/bin/tarvello-cli ./usr/share/tarvello/SCHEDULES.xlr ./usr/share/man/man1/tarvello-cli.1.gz)
if [ "$gui" = 1 ]; then
  expected+=(./usr/bin/tarvello ./usr/share/tarvello/Tarvello.html
             ./usr/share/man/man1/tarvello.1.gz
             ./usr/share/applications/tarvello.desktop ./usr/share/mime/packages/tarvello.xml
             ./usr/share/icons/hicolor/scalable/apps/tarvello.svg
             ./usr/share/icons/hicolor/48x48/apps/tarvello.png
             ./usr/share/icons/hicolor/256x256/apps/tarvello.png)
fi
for f in "${expected[@]}"; do check "$f in the package" grep -qx -- "$f" <<<"$files"; done
check "nothing outside /usr" test -z "$(grep -v '^\./usr/' <<<"$files" || true)"

# --- man page: renders, and names exactly the options the program has --------
check "man page is gzipped" gzip -t "$root/usr/share/man/man1/tarvello-cli.1.gz"
man_text="$(MANWIDTH=100 man -l "$root/usr/share/man/man1/tarvello-cli.1.gz" 2>"$scratch/man.err")"
check "man page renders" grep -q "tarvello-cli --pipe-db FILE" <<<"$man_text"
check "man page renders without warnings" test ! -s "$scratch/man.err"
options_of() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
help_options="$("$root/usr/bin/tarvello-cli" --help | options_of)"
man_options="$(options_of <<<"$man_text")"
readme_options="$(sed -n '/^## Command line/,/^## /p' "$source_dir/README.md" | options_of)"
check "the CLI has options" test "$(wc -l <<<"$help_options")" -ge 10
if [ "$help_options" != "$man_options" ]; then
  fail "man page and --help differ: $(diff <(echo "$help_options") <(echo "$man_options") | grep '^[<>]' | tr '\n' ' ')"
fi
if [ "$help_options" != "$readme_options" ]; then
  fail "README and --help differ: $(diff <(echo "$help_options") <(echo "$readme_options") | grep '^[<>]' | tr '\n' ' ')"
fi

# --- desktop entry, file types, icons -----------------------------------------
if [ "$gui" = 1 ]; then
  desktop="$root/usr/share/applications/tarvello.desktop"
  check "desktop-file-validate" desktop-file-validate "$desktop"
  check "Exec takes a file" grep -qx "Exec=tarvello %f" "$desktop"
  check "menu categories" grep -qx "Categories=Office;Engineering;" "$desktop"
  check "handles both project types" \
    grep -qx "MimeType=application/x-brenvik-project;application/x-olmstra-project;" "$desktop"
  # The MIME package as the desktop reads it: compiled by update-mime-database.
  mime="$scratch/mime"
  mkdir -p "$mime/packages"
  cp "$root/usr/share/mime/packages/tarvello.xml" "$mime/packages/"
  if update-mime-database "$mime" 2>"$scratch/mime.err"; then
    for glob in application/x-brenvik-project:\*.bvp application/x-brenvik-project:\*.bvh \
                application/x-olmstra-project:\*.olm application/x-olmstra-project:\*.olh; do
      check "MIME glob $glob" grep -qxF "50:$glob" "$mime/globs2"
    done
  else
    fail "update-mime-database: $(cat "$scratch/mime.err")"
  fi
  png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 " " $7*256+$8}'; }
  for size in 48 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/tarvello.png"
    check "icon ${size}px is a PNG of that size" test "$(png_size "$png")" = "$size $size"
  done
  check "scalable icon is SVG" grep -q "<svg" "$root/usr/share/icons/hicolor/scalable/apps/tarvello.svg"
fi

# --- tarvello-cli from the unpacked package on the example -------------------
examples="$scratch/examples"
mkdir -p "$examples"
cp "$build/examples/highway.bvp" "$build/examples/highway.olm" "$examples/"
cli="$root/usr/bin/tarvello-cli"
dbs=(--pipe-db "$examples/highway.bvp" --inlet-db "$examples/highway.olm")
out="$scratch/out"
check "list outfalls" grep -qx "Units: .*" <("$cli" "${dbs[@]}" --list-outfalls)
if "$cli" "${dbs[@]}" --outfall 1 --tail-water 399.80 \
  --tables "$out" --pipe-profile "1:$out/pipe-profile.dxf" \
  --branch-profile "3:$out/branch-profile.dxf" --all-profiles "$out/all-profiles.dxf" \
  --structure-schedule "$out/structure-schedule.dxf" --pipe-schedule "$out/pipe-schedule.dxf" \
  --excel "$out/schedules.xlsx" >"$scratch/cli.out" 2>"$scratch/cli.err"; then
  for f in structures.csv pipes.csv branches.csv pipe-profile.dxf branch-profile.dxf \
           all-profiles.dxf structure-schedule.dxf pipe-schedule.dxf; do
    check "$f written" test -s "$out/$f"
  done
  check "DXF ends with EOF" grep -q "^EOF" "$out/all-profiles.dxf"
  check "workbook is a zip" test "$(head -c 2 "$out/schedules.xlsx" 2>/dev/null)" = "PK"
  check "workbook reported" grep -qx "Workbook: $out/schedules.xlsx" "$scratch/cli.out"
else
  fail "tarvello-cli on the example: $(cat "$scratch/cli.err")"
fi
# The template came from the unpacked share/tarvello: without it the export
# fails and names the place beside the program instead.
rm "$root/usr/share/tarvello/SCHEDULES.xlr"
if "$cli" "${dbs[@]}" --outfall 1 --excel "$out/again.xlsx" >/dev/null 2>"$scratch/cli.err"; then
  fail "the workbook was written without the unpacked template"
else
  check "missing template named" grep -qF "$root/usr/bin/SCHEDULES.xlr" "$scratch/cli.err"
fi

# --- the desktop program starts, opens what it is given, and stops -----------
if [ "$gui" = 1 ]; then
  check "tarvello --help" grep -q "no-splash" <("$root/usr/bin/tarvello" --help)
  config="$scratch/config"
  mkdir -p "$config"
  # One pipe database named: its inlet database beside it opens too, then the
  # window saves its settings (the folder of the last database opened).
  XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/tarvello" --no-splash "$examples/highway.bvp" >"$scratch/gui.out" 2>"$scratch/gui.err" &
  gui_pid=$!
  settings="$config/Tarvello/Tarvello.conf"
  for _ in $(seq 1 300); do
    if grep -qx "lastFolder=$examples" "$settings" 2>/dev/null || ! kill -0 "$gui_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  sleep 1  # running on, with both databases open
  if kill -0 "$gui_pid" 2>/dev/null; then
    check "the window opened the database it was given" grep -qx "lastFolder=$examples" "$settings"
    kill -TERM "$gui_pid"
    status=0
    wait "$gui_pid" || status=$?
    gui_pid=""
    check "the window stopped on SIGTERM (status $status)" test "$status" = 143
  else
    status=0
    wait "$gui_pid" || status=$?
    gui_pid=""
    fail "tarvello ended by itself with status $status: $(cat "$scratch/gui.err")"
  fi
  if grep -Eiq "sanitizer|fatal|segmentation|abort" "$scratch/gui.err"; then
    fail "tarvello reported: $(cat "$scratch/gui.err")"
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package $(basename "$deb"): all checks passed"
