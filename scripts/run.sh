#!/usr/bin/env bash
# Installs what is missing, builds Koriv Admin and opens it against a local stand-in server:
# a throwaway PostgreSQL made by our initialiser, the stand-in on it with a small demo platform
# (tools/fleet/seed-demo.py), and the program at its sign-in dialog with that server chosen.
# Sign in as "admin" with the password "admin" (a second operator: "second", password "second").
# Closing the program stops the server and removes the database.
#
#   ./scripts/run.sh          # the demo platform
#   ./scripts/run.sh --bare   # only what the initialiser seeds
#
# The program's settings and log of these runs stay in build/run/ (BUILD_DIR/run), apart from
# the settings of a real installation; each start points them at the stand-in and keeps the rest
# (language, scale, other hosts ...). While it runs, tools/standin-server/standin-command.py tells
# the stand-in things through build/run/standin.sock, for instance a driver's change request:
#   tools/standin-server/standin-command.py build/run/standin.sock notify driver.update \
#     '{"data": {"sign": "D001", "phone": "+380501112233"}}'
#
# One run at a time uses a run folder: a second start on it says so and stops.
#
# For tests, which cannot wait for a person: KORIV_RUN_DIR puts the settings, log and socket
# elsewhere; KORIV_RUN_PROGRAM is run in place of the program, with the same environment and
# arguments, to drive the window.
set -euo pipefail
cd "$(dirname "$0")/.."

# Only the cluster this run starts is used: libpq's variables and a cluster of the caller's shell
# are left alone (PG_BIN, which picks the server binaries, is kept).
unset PG_TMP_DIR $(compgen -e | grep -E '^PG[A-Z]+$' || true)

login=admin
password=admin
demo=1
if [[ "${1:-}" == "--bare" ]]; then
  demo=0
  shift
fi

./scripts/install-deps.sh

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  cat >&2 <<EOF
There is no display to open the window on. On a machine without one, start a virtual display
and run the program on it:

  Xvfb :99 -screen 0 1600x1000x24 &
  DISPLAY=:99 ./scripts/run.sh

(Xvfb is in the xvfb package, now installed.) A VNC server on :99, or
a screenshot of it, shows the window.
EOF
  exit 1
fi

build_dir=${BUILD_DIR:-build}
# The run folder, held while this script runs: its settings and socket are this run's.
mkdir -p "${KORIV_RUN_DIR:-$build_dir/run}"
run_dir=$(cd "${KORIV_RUN_DIR:-$build_dir/run}" && pwd)
socket="$run_dir/standin.sock"
# Only this script holds the lock: what it starts gets the descriptor closed ({run_lock}>&-), so
# that what outlives a killed run.sh does not keep the folder.
exec {run_lock}>>"$run_dir/run.lock"
if ! flock --nonblock "$run_lock"; then
  echo "run.sh: the run folder $run_dir is in use by another run.sh; close that program first," \
    "or give this run a folder of its own with KORIV_RUN_DIR." >&2
  exit 1
fi
pg_tmp="$PWD/scripts/pg-tmp.sh"

# What this run starts is written down as it starts ("cluster FOLDER", "standin|program PID TICKS")
# and the record removed once all of it stopped. A record found here is of a run.sh that was killed
# before its end: what it left running is stopped, unless its program still runs.
started="$run_dir/run.started"

# The start time of a process in clock ticks since boot (nothing when there is no such process, or
# it ended and waits to be reaped): a process id and its start time name one process, even after
# the id is taken again.
start_time() {
  local stat fields
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
  # The fields after the name: the state first, the start time 20th.
  read -r -a fields <<<"${stat##*) }"
  if [[ "${fields[0]}" != [ZX] ]]; then echo "${fields[19]}"; fi
}

still_runs() {
  [[ -n "$1" && -n "$2" && "$(start_time "$1")" == "$2" ]]
}

stop_leftovers() {
  local what id ticks standin="" standin_ticks="" cluster="" stopped=""
  while read -r what id ticks; do
    case "$what" in
      program)
        if still_runs "$id" "$ticks"; then
          echo "run.sh: a run.sh on the run folder $run_dir was killed, and the program it started still runs" \
            "(pid $id) on its stand-in server. Close that program (or: kill $id), then start run.sh again." >&2
          exit 1
        fi ;;
      standin) standin=$id standin_ticks=$ticks ;;
      cluster) cluster=$id ;;
    esac
  done <"$started"
  if still_runs "$standin" "$standin_ticks"; then
    kill "$standin" 2>/dev/null || true
    for _ in $(seq 1 50); do still_runs "$standin" "$standin_ticks" || break; sleep 0.1; done
    if still_runs "$standin" "$standin_ticks"; then kill -KILL "$standin" 2>/dev/null || true; fi
    stopped="the stand-in server (pid $standin)"
  fi
  # Only a folder that pg-tmp.sh made.
  if [[ "$(basename "$cluster")" == koriv-pg.* && -f "$cluster/data/PG_VERSION" ]]; then
    "$pg_tmp" stop "$cluster" {run_lock}>&- || true
    stopped="${stopped:+$stopped and }the PostgreSQL in $cluster"
  fi
  rm -f "$socket" "$started"
  if [[ -n "$stopped" ]]; then
    echo "run.sh: a run.sh on this run folder was killed before its end; stopped what it left running: $stopped."
  fi
}
if [[ -f "$started" ]]; then stop_leftovers; fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} {run_lock}>&- >/dev/null
cmake --build "$build_dir" --target koriv-admin koriv-dbinit koriv-report \
  --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" {run_lock}>&-
build_dir=$(cd "$build_dir" && pwd)

# Everything started below goes again when this script ends, however it ends.
standin_pid=""
cluster=""
work=$(mktemp -d)
cleanup() {
  if [[ -n "$standin_pid" ]] && kill -0 "$standin_pid" 2>/dev/null; then
    kill "$standin_pid" 2>/dev/null || true
    wait "$standin_pid" 2>/dev/null || true
  fi
  rm -f "$socket"
  if [[ -n "$cluster" ]]; then "$pg_tmp" stop "$cluster" {run_lock}>&- || true; fi
  rm -rf "$work" "$started"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if ! pg_env=$("$pg_tmp" start {run_lock}>&-); then
  echo "run.sh: the throwaway PostgreSQL did not start (pg-tmp.sh said why above); nothing else was started." >&2
  exit 1
fi
eval "$pg_env"
cluster=$PG_TMP_DIR
echo "cluster $cluster" >>"$started"

# The usual port of the platform's servers, unless something else holds it.
port=$(/usr/bin/python3 - {run_lock}>&- <<'EOF'
import socket
with socket.socket() as s:
    try:
        s.bind(("127.0.0.1", 40300))
    except OSError:
        s.bind(("127.0.0.1", 0))
    print(s.getsockname()[1])
EOF
)
digest=$(printf '%s' "$password" | md5sum | cut -c1-32)
echo "Starting the stand-in server on 127.0.0.1:$port (creating and seeding its database)..."
/usr/bin/python3 -B tools/standin-server/standin.py --database --quiet \
  --dbinit "$build_dir/tools/dbinit/koriv-dbinit" --report-tool "$build_dir/tools/report/koriv-report" \
  --port "$port" --user "$login:$digest" --command-socket "$socket" \
  >"$work/standin.log" 2>&1 </dev/null {run_lock}>&- &
standin_pid=$!
echo "standin $standin_pid $(start_time "$standin_pid")" >>"$started"
for _ in $(seq 1 600); do
  grep -q '"event": "listening"' "$work/standin.log" && break
  if ! kill -0 "$standin_pid" 2>/dev/null; then
    echo "The stand-in server did not start:" >&2
    cat "$work/standin.log" >&2
    exit 1
  fi
  sleep 0.1
done
if ! grep -q '"event": "listening"' "$work/standin.log"; then
  echo "The stand-in server did not come up within a minute:" >&2
  cat "$work/standin.log" >&2
  exit 1
fi

if ((demo)); then
  echo "Seeding the demo platform..."
  if ! /usr/bin/python3 -B tools/fleet/seed-demo.py >"$work/seed.log" 2>&1 {run_lock}>&-; then
    echo "The demo platform was not seeded:" >&2
    cat "$work/seed.log" >&2
    exit 1
  fi
fi

# The program's settings for these runs: the stand-in as the chosen server, the login filled in,
# no update server to ask; what the program keeps there itself stays.
export XDG_CONFIG_HOME="$run_dir/config" XDG_DATA_HOME="$run_dir/data"
mkdir -p "$XDG_CONFIG_HOME/Koriv" "$XDG_DATA_HOME"
/usr/bin/python3 -B scripts/run-settings.py "$XDG_CONFIG_HOME/Koriv/KorivAdmin.ini" "$port" "$login" {run_lock}>&-

echo "Koriv Admin: sign in as \"$login\" with the password \"$password\"."
if ((demo)); then
  echo "A second operator: \"second\" with the password \"second\"."
fi
echo "To raise a notification while it runs:"
echo "  tools/standin-server/standin-command.py $socket notify driver.update '{\"data\": {\"sign\": \"D001\", \"phone\": \"+380501112233\"}}'"
program=${KORIV_RUN_PROGRAM:-$build_dir/app/koriv-admin}
status=0
# The program is recorded by the subshell that becomes it.
(
  me=$BASHPID
  echo "program $me $(start_time "$me")" >>"$started"
  exec "$program" "$@"
) {run_lock}>&- || status=$?
exit "$status"
