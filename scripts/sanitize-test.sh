#!/usr/bin/env bash
# The suite under AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/: the fuzz build's configuration (clang, every library
# instrumented, so ccache shares its objects with build-fuzz/) with the tests
# on and the windowed program off.  Slow; run by hand before a release or
# after a change to memory handling.  Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
export CC=clang-14 CXX=clang++-14
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRILOX_BUILD_FUZZ=ON -DBRILOX_WERROR=ON \
  -DBRILOX_BUILD_GUI=OFF -DBRILOX_BUILD_BENCH=OFF > build-asan-configure.log 2>&1 ||
  { cat build-asan-configure.log; exit 1; }
rm -f build-asan-configure.log
cmake --build build-asan -j "${BRILOX_JOBS:-$(nproc)}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "${BRILOX_JOBS:-$(nproc)}" --timeout 1200 "$@"
