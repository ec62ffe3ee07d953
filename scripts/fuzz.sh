#!/usr/bin/env bash
# Builds the fuzz targets of the document file and settings file readers (clang, libFuzzer, AddressSanitizer) into
# build-fuzz/ (or $ZARU_FUZZ_BUILD_DIR) and runs each for N seconds, N the first argument (default 10),
# from a seed corpus of valid files made by the writers. Exits non-zero when a target crashes or fails
# its checks; the crashing input is left in the build folder.
set -euo pipefail
seconds="${1:-10}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZARU_FUZZ_BUILD_DIR:-$root/build-fuzz}"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"${ZARU_JOBS:-2}" >/dev/null

seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz_seeds" "$seeds"

# Short allocation stacks and a small quarantine: several times the executions, same findings.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=4:quarantine_size_mb=32}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
for target in fuzz_invoice_reader fuzz_quotation_reader fuzz_settings_reader; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  log="$build/$target.log"
  if "$build/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/$target-" "$corpus" "$seeds/$target" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    echo "$target: ${runs:-?} executions in ${seconds} s, no crash"
  else
    echo "$target: FAILED (see $log)"
    tail -n 40 "$log"
    status=1
  fi
done
exit "$status"
