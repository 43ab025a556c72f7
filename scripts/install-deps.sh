#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Koriv Admin needs.
# Quick when everything is already installed: apt-get runs only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-private-dev qtdeclarative5-dev qtquickcontrols2-5-dev
  qttools5-dev qttools5-dev-tools
  libqt5sql5-psql libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-layouts qml-module-qtquick-window2
  qml-module-qtquick-controls qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qtquick-dialogs qml-module-qtqml-models2 qml-module-qtquick-privatewidgets
  qml-module-qt-labs-settings qml-module-qt-labs-folderlistmodel qml-module-qttest
  postgresql postgresql-client
  python3 python3-openpyxl python3-psycopg2
  libbenchmark-dev libxlsxwriter-dev zlib1g-dev libzip-dev
  libreoffice-calc-nogui
  clang libclang-rt-14-dev
  fonts-dejavu-core tzdata locales
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
