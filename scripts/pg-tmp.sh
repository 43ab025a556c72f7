#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests: a temporary folder, 127.0.0.1, a free port.
#
#   eval "$(scripts/pg-tmp.sh start)"   # exports PGHOST PGPORT PGUSER PGDATABASE PG_TMP_DIR
#   scripts/pg-tmp.sh stop              # stops the cluster named by PG_TMP_DIR and removes it
#
# One test locally, against its own cluster:
#   eval "$(scripts/pg-tmp.sh start)"
#   ctest --test-dir build-db -R tst_dao --output-on-failure   # or run build-db/tests/db/tst_dao
#   scripts/pg-tmp.sh stop
#
# initdb and pg_ctl refuse to run as root, so under root the cluster belongs to and runs as the
# "postgres" user. The tests connect over TCP with trust authentication as the superuser.
set -euo pipefail

pg_bin() {
  if [[ -n "${PG_BIN:-}" ]]; then echo "$PG_BIN"; return; fi
  local dir
  for dir in /usr/lib/postgresql/15/bin $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -rV); do
    if [[ -x "$dir/initdb" ]]; then echo "$dir"; return; fi
  done
  echo "pg-tmp: no PostgreSQL server binaries found (install the postgresql package)" >&2
  exit 1
}

as_owner() {
  if [[ $(id -u) -eq 0 ]]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

port_is_free() {
  ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

start() {
  local bin dir port attempt
  bin=$(pg_bin)
  dir=$(mktemp -d "${TMPDIR:-/tmp}/koriv-pg.XXXXXX")
  if [[ $(id -u) -eq 0 ]]; then chown postgres: "$dir"; fi
  chmod 700 "$dir"
  as_owner "$bin/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; rm -rf "$dir"; exit 1; }
  for attempt in 1 2 3 4 5 6 7 8; do
    port=$((20000 + RANDOM % 30000))
    port_is_free "$port" || continue
    if as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
         -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
         start >/dev/null 2>&1; then
      cat <<ENV
export PGHOST=127.0.0.1
export PGPORT=$port
export PGUSER=postgres
export PGDATABASE=postgres
export PG_TMP_DIR=$dir
ENV
      return 0
    fi
  done
  echo "pg-tmp: the server did not start; its log:" >&2
  cat "$dir/server.log" >&2 || true
  rm -rf "$dir"
  exit 1
}

stop() {
  local dir=${1:-${PG_TMP_DIR:-}}
  if [[ -z "$dir" || ! -d "$dir/data" ]]; then
    echo "pg-tmp: no cluster folder given (argument or PG_TMP_DIR)" >&2
    exit 1
  fi
  as_owner "$(pg_bin)/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) stop "${2:-}" ;;
  *) echo "usage: $0 start | stop [folder]" >&2; exit 2 ;;
esac
