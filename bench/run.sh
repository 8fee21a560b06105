#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build-bench/), runs them all and
# prints their figures against the targets. Arguments go to ctest (e.g.
# -R bench_draw_pace for one). Takes about two minutes, most of it the draws on
# the real clock; leave the machine otherwise idle for honest figures.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-bench
"$top/scripts/ensure-deps.sh" bench
"$top/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFERLOW_BENCH=ON
log=$build/bench-output.txt
status=0
(cd "$build/bench" && ctest -L bench -V "$@") >"$log" 2>&1 || status=$?

lines=$(grep -a -o $'BENCH\t.*' "$log" || true)
if [ -z "$lines" ]; then
    echo "No figures: see $log" >&2
    exit 1
fi
awk -F'\t' '
    { what[NR] = $2; value[NR] = $3 " " $4; target[NR] = $5; verdict[NR] = $6
      if (length($2) > w1) w1 = length($2); if (length(value[NR]) > w2) w2 = length(value[NR])
      if (length($5) > w3) w3 = length($5) }
    END {
        printf "%-" w1 "s  %" w2 "s  %-" w3 "s  %s\n", "figure", "measured", "target", ""
        for (i = 1; i <= NR; i++) printf "%-" w1 "s  %" w2 "s  %-" w3 "s  %s\n", what[i], value[i], target[i], verdict[i]
    }' <<<"$lines"
echo
echo "Full output: $log"
exit "$status"
