#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it against the local stand-in server.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --parallel "$(nproc)"

if [[ ! -x "$build_dir/app/koriv-admin" ]]; then
  echo "The libraries are built; the application itself is not part of the build yet."
  echo "The stand-in server runs on its own with: scripts/standin.sh"
  exit 0
fi
exec "$build_dir/app/koriv-admin" "$@"
