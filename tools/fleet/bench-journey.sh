#!/usr/bin/env bash
# The operator's journey at 10,000 and 100,000 drivers, each size run RUNS times (default 1: a
# run takes minutes) in a fresh process on a throwaway PostgreSQL and its own Xvfb display, then
# one table of every step: its time at each size, the growth, the goal and whether it was met:
#
#   tools/fleet/bench-journey.sh [sizes...]        # default: 10000 100000
#
# BUILD_DIR (default build) must hold bench_journey; KORIV_JOURNEY_ITERATIONS sets the repeats of
# each page opening within a run. The JSON and the log of every run stay in $BUILD_DIR/bench-journey/.
set -euo pipefail
export TZ=Europe/Moscow LC_ALL=C.UTF-8
exec "$(dirname "$0")/run-sizes.sh" journey 1 journey-summary.py "$@" -- xvfb-run -a -s "-screen 0 1600x1000x24"
