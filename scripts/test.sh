#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build_dir=${BUILD_DIR:-build}
# CMAKE_BUILD_PARALLEL_LEVEL and CTEST_PARALLEL_LEVEL limit the jobs on a shared machine.
build_jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
test_jobs=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel "$build_jobs"

# The SQL tests run against a throwaway PostgreSQL cluster, removed again however ctest ends.
pg_tmp="$PWD/scripts/pg-tmp.sh"
pg_env=$("$pg_tmp" start)
eval "$pg_env"
trap '"$pg_tmp" stop "$PG_TMP_DIR"' EXIT

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --parallel "$test_jobs" "$@"
