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
cd "$(dirname "$0")/../.."

build_dir=${BUILD_DIR:-build}
runs=${RUNS:-1}
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(10000 100000)
cmake --build "$build_dir" --target bench_journey --parallel "$(nproc)" >/dev/null
out="$build_dir/bench-journey"
mkdir -p "$out"

pg_tmp="$PWD/scripts/pg-tmp.sh"
eval "$("$pg_tmp" start)"
trap '"$pg_tmp" stop "$PG_TMP_DIR"' EXIT

files=()
for size in "${sizes[@]}"; do
  for run in $(seq 1 "$runs"); do
    file="$out/journey-$size-$run.json"
    rm -f "$file"
    echo "bench-journey: $size drivers, run $run of $runs" >&2
    # A failed step still writes its JSON (the step marked failed): the summary shows it.
    TZ=Europe/Moscow LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1600x1000x24" \
      "$build_dir/bench/bench_journey" --drivers="$size" --benchmark_out="$file" --benchmark_out_format=json \
      >"$out/journey-$size-$run.log" 2>&1 || echo "bench-journey: the run failed, see $out/journey-$size-$run.log" >&2
    [[ -s "$file" ]] && files+=("$file")
  done
done
[[ ${#files[@]} -gt 0 ]] || { echo "bench-journey: no run wrote its figures" >&2; exit 1; }
/usr/bin/python3 tools/fleet/journey-summary.py "${files[@]}"
