#!/usr/bin/env bash
# Sets up, builds, and runs the main job on the built-in sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
build/cli/reportdata --version
build/cli/reportdata demo
