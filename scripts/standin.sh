#!/usr/bin/env bash
# The stand-in platform server over a throwaway PostgreSQL, for local runs of the program:
#
#   scripts/standin.sh [standin.py options]     # e.g. --port 40300 --user me:$(printf pw | md5sum | cut -c1-32)
#
# Builds koriv-dbinit when needed (BUILD_DIR, default build), starts a throwaway cluster
# (scripts/pg-tmp.sh), lets the stand-in create and seed the database, and serves on 127.0.0.1
# (port 40300 unless --port is given). The seeded users have no usable password; here "admin" and
# "operator" (the operators' rights) get empty ones, so sign in as either with an empty password.
# Ctrl+C stops the server and removes the cluster.
# With KORIV_STANDIN_DB=keep the cluster is left running and its PG* variables are printed.
set -euo pipefail
cd "$(dirname "$0")/.."

# Only the cluster started below is used: libpq's variables and a cluster of the caller's shell
# are left alone (PG_BIN, which picks the server binaries, is kept).
unset PG_TMP_DIR $(compgen -e | grep -E '^PG[A-Z]+$' || true)

build_dir=${BUILD_DIR:-build}
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build_dir" --target koriv-dbinit --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" >/dev/null
dbinit="$(cd "$build_dir" && pwd)/tools/dbinit/koriv-dbinit"

pg_tmp="$PWD/scripts/pg-tmp.sh"
if ! pg_env=$("$pg_tmp" start); then
  echo "standin.sh: the throwaway PostgreSQL did not start (pg-tmp.sh said why above)." >&2
  exit 1
fi
eval "$pg_env"
if [[ "${KORIV_STANDIN_DB:-}" == keep ]]; then
  echo "PostgreSQL kept: PGHOST=$PGHOST PGPORT=$PGPORT PGUSER=$PGUSER PGDATABASE=$PGDATABASE PG_TMP_DIR=$PG_TMP_DIR" >&2
else
  trap '"$pg_tmp" stop "$PG_TMP_DIR"' EXIT
  trap 'exit 143' TERM
fi

port=(--port 40300)
for argument in "$@"; do
  [[ "$argument" == --port || "$argument" == --port=* ]] && port=()
done
empty=$(printf '' | md5sum | cut -c1-32)
/usr/bin/python3 -B tools/standin-server/standin.py --database --dbinit "$dbinit" "${port[@]}" \
  --user "admin:$empty" --user "operator:$empty" "$@"
