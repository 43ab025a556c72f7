#!/usr/bin/env bash
# Runs one fleet benchmark at each size, RUNS times (default: the second argument) in a fresh
# process on a throwaway PostgreSQL, then its summary over the JSON of every run:
#
#   tools/fleet/run-sizes.sh NAME DEFAULT_RUNS SUMMARY [sizes...] [-- command...]
#
# Sizes default to 10000 100000. NAME picks bench/bench_NAME in BUILD_DIR (default build); the
# command after "--", when given, is what it runs under (e.g. xvfb-run). A failed run still leaves its JSON when it wrote one; the JSON and
# the log of every run stay in $BUILD_DIR/bench-NAME/.
set -euo pipefail
cd "$(dirname "$0")/../.."

name=$1 default_runs=$2 summary=$3
shift 3
build_dir=${BUILD_DIR:-build}
runs=${RUNS:-$default_runs}
sizes=()
while [[ $# -gt 0 && $1 != -- ]]; do
  sizes+=("$1")
  shift
done
[[ $# -gt 0 ]] && shift
wrapper=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(10000 100000)
cmake --build "$build_dir" --target "bench_$name" --parallel "$(nproc)" >/dev/null
out="$build_dir/bench-$name"
mkdir -p "$out"

pg_tmp="$PWD/scripts/pg-tmp.sh"
eval "$("$pg_tmp" start)"
trap '"$pg_tmp" stop "$PG_TMP_DIR"' EXIT

files=()
for size in "${sizes[@]}"; do
  for run in $(seq 1 "$runs"); do
    file="$out/$name-$size-$run.json"
    rm -f "$file"
    echo "bench-$name: $size drivers, run $run of $runs" >&2
    "${wrapper[@]}" "$build_dir/bench/bench_$name" --drivers="$size" --benchmark_out="$file" \
      --benchmark_out_format=json >"$out/$name-$size-$run.log" 2>&1 \
      || echo "bench-$name: the run failed, see $out/$name-$size-$run.log" >&2
    [[ -s "$file" ]] && files+=("$file")
  done
done
[[ ${#files[@]} -gt 0 ]] || { echo "bench-$name: no run wrote its figures" >&2; exit 1; }
/usr/bin/python3 "tools/fleet/$summary" "${files[@]}"
