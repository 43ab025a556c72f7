#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Koriv Admin needs.
# Quick when everything is already installed: apt-get runs only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-private-dev qtdeclarative5-dev qtquickcontrols2-5-dev
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libqt5sql5-psql libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-layouts qml-module-qtquick-window2
  qml-module-qtquick-controls qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qtquick-dialogs qml-module-qtqml-models2 qml-module-qtquick-privatewidgets
  qml-module-qt-labs-settings qml-module-qt-labs-folderlistmodel qml-module-qttest
  qml-module-qtwebengine
  postgresql postgresql-client
  python3 python3-openpyxl python3-psycopg2
  libbenchmark-dev libxlsxwriter-dev zlib1g-dev libzip-dev zipcmp zipmerge ziptool
  libreoffice-calc-nogui
  clang libclang-rt-14-dev
  fonts-dejavu-core tzdata locales
  xvfb xauth libxcb1-dev
)

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
  # npm fetches the icon fonts; any installed npm will do, Debian's is the fallback.
  command -v npm >/dev/null || missing+=(npm)
  ((${#missing[@]} == 0)) && return 0

  echo "Installing: ${missing[*]}"
  local sudo=""
  if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The icon fonts of the widgets and pages are Font Awesome 6 Free (regular, solid, brands).
# Debian packages only version 4, so they come from the npm package at a pinned version, checked
# against its published integrity, into a folder outside the source tree (with the licence).
# The build reads that folder (CMake cache variable KORIV_FONTAWESOME_DIR, same default).
fa_version=6.7.2
fa_integrity=sha512-JUOtgFW6k9u4Y+xeIaEiLr3+cjoUPiAuLXoyKOJSia6Duzb7pq+A76P9ZdPDoAoxHdHzq6gE9/jKBGXlZT8FbA==
fa_files=(webfonts/fa-regular-400.ttf webfonts/fa-solid-900.ttf webfonts/fa-brands-400.ttf LICENSE.txt)

install_icon_fonts() {
  local target=${KORIV_FONTAWESOME_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/koriv-admin/fontawesome-free-$fa_version}
  local f complete=1
  for f in "${fa_files[@]}"; do [[ -s "$target/$(basename "$f")" ]] || complete=0; done
  ((complete)) && return 0

  echo "Fetching Font Awesome Free $fa_version into $target"
  local work
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  local tarball
  tarball=$(cd "$work" && npm pack --silent "@fortawesome/fontawesome-free@$fa_version" | tail -n 1)
  local actual
  actual=sha512-$(/usr/bin/python3 -c 'import base64, hashlib, sys
print(base64.b64encode(hashlib.sha512(open(sys.argv[1], "rb").read()).digest()).decode())' "$work/$tarball")
  if [[ "$actual" != "$fa_integrity" ]]; then
    echo "Font Awesome package integrity mismatch: $actual" >&2
    return 1
  fi
  tar -xzf "$work/$tarball" -C "$work" "${fa_files[@]/#/package/}"
  # Filled beside the target and renamed, so an interrupted copy never looks complete.
  mkdir -p "$work/fonts" "$(dirname "$target")"
  for f in "${fa_files[@]}"; do cp "$work/package/$f" "$work/fonts/"; done
  rm -rf "$target"
  mv "$work/fonts" "$target"
}

install_packages
install_icon_fonts
