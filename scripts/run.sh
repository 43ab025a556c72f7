#!/usr/bin/env bash
# Installs what is missing, builds Koriv Admin and opens it against a local stand-in server:
# a throwaway PostgreSQL made by our initialiser, the stand-in on it, and the program at its
# sign-in dialog with that server chosen. Sign in as "admin" with the password "admin".
# Closing the program stops the server and removes the database.
#
#   ./scripts/run.sh
#
# The program's settings and log of these runs stay in build/run/ (BUILD_DIR/run), apart from
# the settings of a real installation.
set -euo pipefail
cd "$(dirname "$0")/.."

login=admin
password=admin

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
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" --target koriv-admin koriv-dbinit --parallel "$(nproc)"
build_dir=$(cd "$build_dir" && pwd)

# Everything started below goes again when this script ends, however it ends.
pg_tmp="$PWD/scripts/pg-tmp.sh"
standin_pid=""
work=$(mktemp -d)
cleanup() {
  if [[ -n "$standin_pid" ]] && kill -0 "$standin_pid" 2>/dev/null; then
    kill "$standin_pid" 2>/dev/null || true
    wait "$standin_pid" 2>/dev/null || true
  fi
  if [[ -n "${PG_TMP_DIR:-}" ]]; then "$pg_tmp" stop "$PG_TMP_DIR" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

eval "$("$pg_tmp" start)"

# The usual port of the platform's servers, unless something else holds it.
port=$(/usr/bin/python3 - <<'EOF'
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
  --dbinit "$build_dir/tools/dbinit/koriv-dbinit" --port "$port" --user "$login:$digest" \
  >"$work/standin.log" 2>&1 </dev/null &
standin_pid=$!
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

# The program's settings for these runs: the stand-in as the chosen server, the login filled in,
# no update server to ask.
export XDG_CONFIG_HOME="$build_dir/run/config" XDG_DATA_HOME="$build_dir/run/data"
mkdir -p "$XDG_CONFIG_HOME/Koriv" "$XDG_DATA_HOME"
cat >"$XDG_CONFIG_HOME/Koriv/KorivAdmin.ini" <<EOF
[auth]
autosave=false
current_host=0
login=$login

[hosts]
1\\address=127.0.0.1
1\\name=Local stand-in
1\\port=$port
size=1

[updating]
checkOnStartup=false
EOF

echo "Koriv Admin: sign in as \"$login\" with the password \"$password\"."
status=0
"$build_dir/app/koriv-admin" "$@" || status=$?
exit "$status"
