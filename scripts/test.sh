#!/usr/bin/env bash
# Sets up, builds with warnings as errors, and runs every test; then runs the
# tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, and
# every fuzz harness for a short time (scripts/fuzz.sh runs them longer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREPORTDATA_WERROR=ON >/dev/null
cmake --build build-ci -j "$jobs"
ctest --test-dir build-ci --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DREPORTDATA_WERROR=ON \
  -DREPORTDATA_SANITIZE=ON -DREPORTDATA_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The seed project is made with the tool built above.
REPORTDATA_TOOL=build-ci/cli/reportdata scripts/fuzz.sh 15
