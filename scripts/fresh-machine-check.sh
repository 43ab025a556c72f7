#!/usr/bin/env bash
# shellcheck disable=SC2317  # the clean-up functions run from a trap
# Runs the README's test command in a clean Debian 12 root, to find what the install script lacks.
#
#   sudo scripts/fresh-machine-check.sh [ctest arguments]
#
# The root is made by debootstrap (minbase) from the mirror that apt on this machine uses, gets
# only what a machine freshly installed on the same network would have (this machine's
# certificate authorities, proxy and mirror settings), then a copy of the working tree, and runs
# ./scripts/test.sh inside a chroot. The root is unmounted and removed however the run ends.
# Not part of CI: it downloads a whole system. Run it whenever the install script or a
# find_package changes.
#
# KORIV_CHECK_JOBS=N limits the build and ctest inside to N jobs.
# KORIV_CHECK_DIR sets the parent folder of the root (default /var/tmp).
set -euo pipefail

suite=bookworm
started=$(date +%s)
stage="setup"
work=""
root=""

elapsed() {
  local s=$(($(date +%s) - started))
  printf '%dm%02ds' $((s / 60)) $((s % 60))
}

die() {
  echo "fresh-machine-check: $*" >&2
  exit 1
}

# Processes started inside the root (a server a postinst or a test left running) hold its mounts.
stop_root_processes() {
  local pid link sig
  for sig in TERM KILL; do
    for link in /proc/[0-9]*/root; do
      pid=${link#/proc/}
      pid=${pid%/root}
      if [[ "$(readlink "$link" 2>/dev/null)" == "$root" ]]; then kill "-$sig" "$pid" 2>/dev/null || true; fi
    done
    sleep 1
  done
}

unmount_root() {
  local mp
  # Deepest first; a mount that stays busy is detached lazily.
  while read -r mp; do
    umount "$mp" 2>/dev/null || umount -l "$mp"
  done < <(awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/self/mounts | sort -r)
}

cleanup() {
  local rc=$?
  trap - EXIT INT TERM
  if [[ -n "$root" && -d "$root" ]]; then
    stop_root_processes
    unmount_root
  fi
  if [[ -n "$work" && -d "$work" ]]; then
    if awk -v r="$work" 'index($2, r "/") == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
      echo "fresh-machine-check: mounts remain under $work; not removing it" >&2
    else
      rm -rf --one-file-system "$work"
    fi
  fi
  if ((rc == 0)); then
    echo "fresh-machine-check: PASSED in $(elapsed): ./scripts/test.sh in a clean Debian 12 root${summary:+ ($summary)}"
  else
    echo "fresh-machine-check: FAILED in $(elapsed) at: $stage (exit $rc)${summary:+ ($summary)}"
  fi
  exit "$rc"
}

# The first Debian mirror in apt's sources on this machine, for the suite's main archive.
host_mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -r "$f" ]] || continue
    awk '
      /^[[:space:]]*#/ { next }
      $1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }
      $1 == "URIs:" { print $2; exit }
    ' "$f" | grep -E '/debian/?$' | head -n 1 || true
  done | head -n 1
}

# apt's network settings on this machine: proxies and the checks of a Release file's dates.
host_apt_network_conf() {
  apt-config dump | grep -E '^Acquire::((https?|ftp)::Proxy|Check-Valid-Until|Check-Date)' || true
}

# npm's network settings on this machine (no credentials: only these keys).
host_npm_network_conf() {
  command -v npm >/dev/null || return 0
  local key value
  for key in registry proxy https-proxy noproxy cafile strict-ssl; do
    value=$(npm config get "$key" 2>/dev/null || true)
    case "$value" in "" | null | undefined) continue ;; esac
    echo "$key=$value"
  done
}

copy_tree() {
  local repo=$1 dest=$2
  mkdir -p "$dest"
  if git -C "$repo" rev-parse --show-toplevel >/dev/null 2>&1; then
    # Tracked and new files as they are in the working tree, without ignored ones (build dirs).
    (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do [[ -e "$f" || -L "$f" ]] && printf '%s\0' "$f"; done |
      tar --null -T - -cf -) | tar -xf - -C "$dest"
  else
    (cd "$repo" && tar --exclude='./build*' --exclude=__pycache__ -cf - .) | tar -xf - -C "$dest"
  fi
}

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${proxy_env[@]}" "$@"
}

# All in one function, so that bash has read the whole script before it runs (an edit during
# a run changes nothing).
main() {
  [[ $(id -u) -eq 0 ]] || die "must run as root (debootstrap, mount, chroot)"
  repo=$(cd "$(dirname "$0")/.." && pwd)
  summary=""
  trap cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM

  stage="installing debootstrap on this machine"
  if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap ||
      { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap; }
  fi

  mirror=${KORIV_CHECK_MIRROR:-$(host_mirror)}
  mirror=${mirror:-http://deb.debian.org/debian}
  work=$(mktemp -d "${KORIV_CHECK_DIR:-/var/tmp}/koriv-fresh.XXXXXX")
  root=$work/root
  log=$work/test.log

  proxy_env=()
  for v in http_proxy https_proxy ftp_proxy no_proxy HTTP_PROXY HTTPS_PROXY FTP_PROXY NO_PROXY; do
    if [[ -n "${!v:-}" ]]; then proxy_env+=("$v=${!v}"); fi
  done
  if [[ -n "${KORIV_CHECK_JOBS:-}" ]]; then
    proxy_env+=("CMAKE_BUILD_PARALLEL_LEVEL=$KORIV_CHECK_JOBS" "CTEST_PARALLEL_LEVEL=$KORIV_CHECK_JOBS")
  fi

  stage="debootstrap $suite from $mirror"
  echo "fresh-machine-check: $stage into $root"
  # ca-certificates only to take this machine's authorities in, as the network's admin would.
  debootstrap --variant=minbase --include=ca-certificates "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log" >&2; [[ -f "$root/debootstrap/debootstrap.log" ]] && tail -n 30 "$root/debootstrap/debootstrap.log" >&2; exit 1; }

  stage="network settings of this machine"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  cp -L /etc/hosts "$root/etc/hosts"
  sources_copied=0
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [[ -s "$f" ]] && grep -qF "$mirror" "$f"; then
      cp "$f" "$root$f"
      if [[ "$f" == /etc/apt/sources.list.d/* ]]; then sources_copied=1; fi
    fi
  done
  if ((sources_copied)); then rm -f "$root/etc/apt/sources.list"; fi
  host_apt_network_conf >"$root/etc/apt/apt.conf.d/90host-network"
  npm_conf=$(host_npm_network_conf)
  if [[ -n "$npm_conf" ]]; then
    # Debian's npm reads /etc/npmrc; other builds read PREFIX/etc/npmrc.
    mkdir -p "$root/usr/etc"
    printf '%s\n' "$npm_conf" | tee "$root/etc/npmrc" >"$root/usr/etc/npmrc"
  fi
  if [[ -d /usr/local/share/ca-certificates ]]; then
    cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
  fi
  # No service starts inside a chroot (a PostgreSQL there would take a port of this machine).
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"

  stage="mounting proc, dev and sys"
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
  mount -t sysfs sysfs "$root/sys"

  stage="adding this machine's certificate authorities"
  # (openssl rehash always warns about the bundle file itself.)
  in_root update-ca-certificates 2>&1 >/dev/null | { grep -v "skipping ca-certificates.crt" || true; } >&2

  stage="copying the working tree"
  copy_tree "$repo" "$root/root/koriv-admin"

  stage="./scripts/test.sh in the clean root"
  echo "fresh-machine-check: running ./scripts/test.sh $* in the clean root"
  # In the background, so that a signal to this script ends the run at once (through cleanup).
  (
    in_root /bin/bash -c 'cd /root/koriv-admin && exec ./scripts/test.sh "$@"' test.sh "$@" 2>&1 | tee "$log"
    exit "${PIPESTATUS[0]}"
  ) &
  rc=0
  wait $! || rc=$?
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" | tail -n 1 || true)
  exit "$rc"
}

main "$@"
