#!/usr/bin/env bash
# Sets up, builds the library and the tool (not the tests or benchmarks), and
# runs the main job on the built-in sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target reportdata_cli -j "$(nproc)"
build/cli/reportdata --version
build/cli/reportdata demo
