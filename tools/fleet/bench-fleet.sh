#!/usr/bin/env bash
# The fleet benchmark at 10,000 and 100,000 drivers, each size run RUNS times (default 3) in a
# fresh process on a throwaway PostgreSQL, then the medians, the ratios to the anchors (the median
# of each run's own, settled, and what the old order gave), the goals and the growth from the
# smaller size to the larger beside n log n:
#
#   tools/fleet/bench-fleet.sh [sizes...]        # default: 10000 100000
#
# BUILD_DIR (default build) must hold bench_fleet; KORIV_FLEET_ITERATIONS sets the repeats of each
# measure within a run. The JSON and the log of every run stay in $BUILD_DIR/bench-fleet/.
set -euo pipefail
exec "$(dirname "$0")/run-sizes.sh" fleet 3 fleet-summary.py "$@"
