#!/usr/bin/env bash
# Builds every fuzz target with clang and the sanitizers and runs each one
# briefly from an empty corpus; any crash or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
[ -f build-fuzz/build.ninja ] ||
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DVESPIRA_BUILD_FUZZ=ON -DVESPIRA_BUILD_TESTS=OFF -DVESPIRA_BUILD_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp | sed 's/\.cpp$//; s/^/fuzz_/')
cmake --build build-fuzz --target $targets
for target in $targets; do
  corpus=$(mktemp -d)
  if ./build-fuzz/bin/$target -max_total_time="$seconds" -print_final_stats=1 "$corpus" >build-fuzz/$target.log 2>&1; then
    echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' build-fuzz/$target.log | grep -o '[0-9]*$') runs, no findings"
  else
    tail -n 40 build-fuzz/$target.log
    echo "$target: FAILED"
    exit 1
  fi
  rm -rf "$corpus"
done
