#!/usr/bin/env bash
# Builds the fuzz targets with clang into a scratch folder (kept between runs, so
# only changed sources compile again) and runs one of them for a bounded time.
#
# Usage: run_fuzzer.sh SCRATCH_DIR TARGET SECONDS [libFuzzer options...]
#   TARGET: high_score_parse, high_score_load or amount_value
#   SECONDS: the fuzzing time; 0 only builds
# Seeds come from tests/fuzz/corpus/<corpus>/ in the source tree, which is never
# written; what the fuzzer learns goes to SCRATCH_DIR/corpus/TARGET/. A failing
# input is kept as SCRATCH_DIR/artifacts/TARGET-crash-... and shown in hex.
# Exits 77 (CTest's skip) only when no clang is installed.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 SCRATCH_DIR TARGET SECONDS [libFuzzer options...]" >&2; exit 2; }
scratch=$1 target=$2 seconds=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)

case $target in
  high_score_parse | high_score_load) seeds=$here/corpus/high_scores ;;
  amount_value) seeds=$here/corpus/amount_value ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

compiler=
for candidate in clang++-14 clang++; do
  if command -v "$candidate" >/dev/null; then compiler=$(command -v "$candidate"); break; fi
done
if [ -z "$compiler" ]; then
  echo "SKIP: no clang++ to build the fuzz targets with (Debian: clang-14 libclang-rt-14-dev)"
  exit 77
fi

# Two fuzz tests may start together: one builds, the other waits for it.
mkdir -p "$scratch"
build=$scratch/build
(
  flock 9
  if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$here/clang" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
      -DCMAKE_CXX_COMPILER="$compiler" "${launcher[@]}" >"$scratch/configure.log" 2>&1 ||
      { cat "$scratch/configure.log" >&2; exit 1; }
  fi
  cmake --build "$build" -j2 --target "fuzz_$target" >"$scratch/build-$target.log" 2>&1 ||
    { tail -n 40 "$scratch/build-$target.log" >&2; echo "building fuzz_$target with $compiler failed" >&2; exit 1; }
) 9>"$scratch/.build.lock"
[ "$seconds" -gt 0 ] || exit 0

corpus=$scratch/corpus/$target
artifacts=$scratch/artifacts
mkdir -p "$corpus" "$artifacts"
log=$scratch/$target.log

# libFuzzer's own exit code for a failure is 77, CTest's skip: say 1 instead.
# A single input taking 10 s counts as a hang.
status=0
"$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
  -artifact_prefix="$artifacts/$target-" "$@" "$corpus" "$seeds" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
echo "fuzz_$target: ${runs:-?} executions in $seconds s, ${coverage:-cov: ?}, corpus $(find "$corpus" -type f | wc -l) inputs"
if [ "$status" -ne 0 ]; then
  grep -E -A 12 'property failed|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|SUMMARY' "$log" | head -n 60 >&2 || true
  sed -n 's/^.*Test unit written to \(.*\)$/\1/p' "$log" | while read -r input; do
    echo "failing input $input:" >&2
    od -A d -c "$input" | head -n 20 >&2
  done
  echo "fuzz_$target failed (exit $status); full log: $log" >&2
  exit 1
fi
