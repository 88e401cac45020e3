#!/usr/bin/env bash
# Builds with ThreadSanitizer into build-tsan and runs every test, then
# builds a generated project of about ten thousand records, whose rows pass
# through many batches of the read ahead. Exits non-zero at the first race.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREPORTDATA_WERROR=ON \
  -DREPORTDATA_SANITIZE_THREADS=ON -DREPORTDATA_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$jobs"
export TSAN_OPTIONS=halt_on_error=1
ctest --test-dir build-tsan --output-on-failure -j "$jobs"
project=$(mktemp -d)
trap 'rm -rf "$project"' EXIT
build-tsan/cli/reportdata sample "$project/p.json" --scale 15 --compact >/dev/null
build-tsan/cli/reportdata import "$project/p.json" "$project/p" >/dev/null
REPORTDATA_QUIET=1 build-tsan/cli/reportdata build "$project/p" >/dev/null
REPORTDATA_QUIET=1 build-tsan/cli/reportdata tables "$project/p" >/dev/null
echo "no data race found"
