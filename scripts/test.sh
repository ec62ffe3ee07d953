#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window tests (offscreen), the
# end-to-end print tests through a local CUPS queue, and a short run of every fuzz target.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZARU_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

# The printing service and its PDF queue; the print tests that need it skip themselves without it.
bash "$root/scripts/cups-setup.sh" >/dev/null 2>&1 || echo "note: the printing service could not be started"

export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$build" --output-on-failure -j"${ZARU_JOBS:-2}" || status=$?

echo "== the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer =="
asan="${ZARU_ASAN_BUILD_DIR:-$root/build-asan}"
cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARU_SANITIZE=ON -DZARU_BUILD_BENCH=OFF >/dev/null
cmake --build "$asan" -j"${ZARU_JOBS:-2}"
# Leak reports are left out: the windowing libraries keep caches until exit that read as leaks.
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir "$asan" --output-on-failure -j"${ZARU_JOBS:-2}" --timeout 600 || status=$?

# The Debian package: installed system-wide with apt and removed again, so not one of the CTest tests
# (which run side by side and need no superuser); it skips itself with a notice where it cannot run.
echo "== the Debian package =="
bash "$root/scripts/test-deb.sh" "$build" || status=$?

echo "== fuzz targets (5 s each) =="
bash "$root/scripts/fuzz.sh" "${ZARU_FUZZ_SECONDS:-5}" || status=$?
exit "$status"
