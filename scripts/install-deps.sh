#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the tools need.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  mdbtools mdbtools-dev
  libsqlite3-dev  # the tests write their fixtures as SQL; the programs do not use it
  libzip-dev libpugixml-dev libxlsxwriter-dev
  libdxflib-dev libcli11-dev libtomlplusplus-dev nlohmann-json3-dev
  libhpdf-dev libfontconfig-dev fonts-osifont poppler-utils
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  python3 python3-ezdxf python3-openpyxl
  xvfb xauth
  dpkg-dev desktop-file-utils shared-mime-info man-db
)

# The full office suite and CAD program are only outside readers for the tests;
# the web edition needs emscripten, and its test a headless chromium.
for option in "$@"; do
  case "$option" in
    --with-test-readers) PACKAGES+=(libreoffice-calc librecad) ;;
    --with-web) PACKAGES+=(emscripten chromium libfast-float-dev) ;;
  esac
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ! command -v npm >/dev/null 2>&1; then missing+=(nodejs npm); fi

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
