#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each one over
# its seeds, then for SECONDS (default 30) under the sanitizers.  Fails on the
# first finding.  Usage: scripts/fuzz.sh [SECONDS] [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true

export CC=clang-14 CXX=clang++-14
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRILOX_BUILD_FUZZ=ON -DBRILOX_WERROR=ON \
  -DBRILOX_BUILD_GUI=OFF -DBRILOX_BUILD_TESTS=OFF -DBRILOX_BUILD_BENCH=OFF > build-fuzz-configure.log 2>&1 ||
  { cat build-fuzz-configure.log; exit 1; }
rm -f build-fuzz-configure.log

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cc; do
    [ -e "$source" ] || continue
    base="$(basename "$source" .cc)"
    names+=("${base%_fuzz}")
  done
fi
if [ ${#names[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
targets=()
for name in "${names[@]}"; do targets+=("${name}_fuzz"); done
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/findings build-fuzz/logs
failed=()
for name in "${names[@]}"; do
  target="build-fuzz/fuzz/${name}_fuzz"
  seeds="fuzz/seeds/${name}"
  corpus="build-fuzz/corpus/${name}"
  log="build-fuzz/logs/${name}.log"
  mkdir -p "$corpus"
  flags=(-artifact_prefix="build-fuzz/findings/${name}-" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1)

  # Every seed once: a seed that fails is a regression, whatever the time.
  seed_files=()
  if [ -d "$seeds" ]; then
    while IFS= read -r -d '' file; do seed_files+=("$file"); done < <(find "$seeds" -type f -print0 | sort -z)
  fi
  if [ ${#seed_files[@]} -gt 0 ] && ! "$target" "${flags[@]}" "${seed_files[@]}" > "$log" 2>&1; then
    echo "fuzz: $name fails on a seed"; tail -n 40 "$log"; failed+=("$name"); continue
  fi

  # New inputs go to the scratch corpus; the seed folder is only read.
  seed_dirs=()
  [ -d "$seeds" ] && seed_dirs+=("$seeds")
  # A fixed seed makes a run repeatable: a finding in CI is found again here.
  if ! "$target" "${flags[@]}" -seed=1 -max_total_time="$seconds" "$corpus" "${seed_dirs[@]}" > "$log" 2>&1; then
    echo "fuzz: $name found a fault (see $log and build-fuzz/findings/)"; tail -n 40 "$log"; failed+=("$name"); continue
  fi
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)"
  echo "fuzz: $name ok, ${runs:-?} runs in ${seconds} s, ${cov:-cov: ?}"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]}"
  exit 1
fi
