#!/usr/bin/env bash
# The fleet benchmark at 10,000 and 100,000 drivers, each size run RUNS times (default 3) in a
# fresh process on a throwaway PostgreSQL, then the medians, the ratios to the anchors, the
# goals and the growth from the smaller size to the larger beside n log n:
#
#   tools/fleet/bench-fleet.sh [sizes...]        # default: 10000 100000
#
# BUILD_DIR (default build) must hold bench_fleet; KORIV_FLEET_ITERATIONS sets the repeats of each
# measure within a run. The JSON of every run stays in $BUILD_DIR/bench-fleet/.
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${BUILD_DIR:-build}
runs=${RUNS:-3}
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(10000 100000)
cmake --build "$build_dir" --target bench_fleet --parallel "$(nproc)" >/dev/null
out="$build_dir/bench-fleet"
mkdir -p "$out"

pg_tmp="$PWD/scripts/pg-tmp.sh"
eval "$("$pg_tmp" start)"
trap '"$pg_tmp" stop "$PG_TMP_DIR"' EXIT

files=()
for size in "${sizes[@]}"; do
  for run in $(seq 1 "$runs"); do
    file="$out/fleet-$size-$run.json"
    echo "bench-fleet: $size drivers, run $run of $runs" >&2
    "$build_dir/bench/bench_fleet" --drivers="$size" --benchmark_out="$file" --benchmark_out_format=json \
      >/dev/null 2>"$out/fleet-$size-$run.log" || echo "bench-fleet: the run failed, see $out/fleet-$size-$run.log" >&2
    [[ -s "$file" ]] && files+=("$file")
  done
done
/usr/bin/python3 tools/fleet/fleet-summary.py "${files[@]}"
