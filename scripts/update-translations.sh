#!/usr/bin/env bash
# Collects every text that goes through tr() / qsTr() into the translation catalogues under
# resources/i18n/ (one per area and language), with Debian's lupdate. Texts already translated
# keep their translation; texts no longer in the sources are dropped. The build compiles every
# catalogue there into :/i18n/<name>.qm, which start-up loads.
#
#   scripts/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-lupdate}
if ! command -v "$lupdate" >/dev/null; then
  echo "lupdate not found: run scripts/install-deps.sh (package qttools5-dev-tools)" >&2
  exit 1
fi

languages=(ru uk)
# Catalogue prefix -> what it collects. The QML pages, their kit and scripts make one catalogue.
declare -A cpp_sources=(
  [libcommon]="libcommon/src"
  [libmodel]="libmodel/src"
  [libclient]="libclient/src"
  [libgui]="libgui/src"
  [norvik]="app/src src/report"
)
declare -A qml_sources=(
  [taldor]="resources/qml"
)

update() {
  local name=$1 extensions=$2 sources=$3 language
  for language in "${languages[@]}"; do
    # shellcheck disable=SC2086 # the source folders are a word list
    "$lupdate" -silent -locations relative -no-obsolete -extensions "$extensions" \
      -source-language en -target-language "$language" $sources -ts "resources/i18n/$name-$language.ts"
  done
}

mkdir -p resources/i18n
for name in "${!cpp_sources[@]}"; do
  update "$name" cpp,h "${cpp_sources[$name]}"
done
for name in "${!qml_sources[@]}"; do
  update "$name" qml,js "${qml_sources[$name]}"
done
echo "Catalogues in resources/i18n:"
for f in resources/i18n/*.ts; do
  printf '  %-28s %5d texts, %5d unfinished\n' "$(basename "$f")" \
    "$(grep -c '<source>' "$f")" "$(grep -c 'type="unfinished"' "$f")"
done
