#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build_dir=${BUILD_DIR:-build}
jobs=$(nproc)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --parallel "$jobs" "$@"
