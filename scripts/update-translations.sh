#!/usr/bin/env bash
# Collects every text that goes through tr() / qsTr() into the translation catalogues under
# resources/i18n/ (one per area and language), with Debian's lupdate. Texts already translated
# keep their translation; texts no longer in the sources are dropped. The build compiles every
# catalogue there into :/i18n/<name>.qm, which start-up loads.
#
#   scripts/update-translations.sh           # updates the catalogues
#   scripts/update-translations.sh --check   # changes nothing; fails while a text lacks a translation
set -euo pipefail
cd "$(dirname "$0")/.."

catalogues=resources/i18n
check=0
if [[ "${1:-}" == "--check" ]]; then
  # The catalogues as they would be after an update, in a folder of their own.
  check=1
  catalogues=$(mktemp -d)
  trap 'rm -rf "$catalogues"' EXIT
  cp resources/i18n/*.ts "$catalogues"/
fi

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
      -source-language en -target-language "$language" $sources -ts "$catalogues/$name-$language.ts"
  done
}

mkdir -p "$catalogues"
for name in "${!cpp_sources[@]}"; do
  update "$name" cpp,h "${cpp_sources[$name]}"
done
for name in "${!qml_sources[@]}"; do
  update "$name" qml,js "${qml_sources[$name]}"
done
if ((check)); then
  # A text whose translation is missing, or kept under a context its source no longer has.
  missing=$(grep -l 'type="unfinished"' "$catalogues"/*.ts || true)
  if [[ -n "$missing" ]]; then
    for f in $missing; do
      echo "$(basename "$f"): untranslated:"
      grep -B3 'type="unfinished"' "$f" | grep '<source>' | sed 's/^ */  /'
    done
    echo "Run scripts/update-translations.sh and translate them." >&2
    exit 1
  fi
  echo "Every text has its translations."
  exit 0
fi
echo "Catalogues in resources/i18n:"
for f in resources/i18n/*.ts; do
  printf '  %-28s %5d texts, %5d unfinished\n' "$(basename "$f")" \
    "$(grep -c '<source>' "$f")" "$(grep -c 'type="unfinished"' "$f")"
done
