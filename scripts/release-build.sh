#!/usr/bin/env bash
# A packager's build: Release (-O3) in build-release/, the libraries and
# programs only (tests and benchmarks run in build/).  Warnings are errors
# here so that CI sees any the optimiser raises.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRILOX_WERROR=ON \
  -DBRILOX_BUILD_TESTS=OFF -DBRILOX_BUILD_BENCH=OFF "$@" > build-release-configure.log 2>&1 ||
  { cat build-release-configure.log; exit 1; }
rm -f build-release-configure.log
cmake --build build-release -j "$(nproc)"
