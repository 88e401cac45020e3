#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, seeds their corpora from the sample
# project, and runs each harness for a bounded time.
#
#   scripts/fuzz.sh [SECONDS_PER_HARNESS [HARNESS...]]
#
# SECONDS_PER_HARNESS defaults to 60; the harnesses are table_files,
# text_parsers, ini_files and json_import (all by default). The build goes to
# build-fuzz (REPORTDATA_FUZZ_BUILD overrides); REPORTDATA_FUZZ_NO_BUILD=1
# skips building, and REPORTDATA_TOOL names a reportdata tool already built
# to make the seed project with. Corpora grow in BUILD/corpus, findings land in
# BUILD/findings, and each harness's log is BUILD/fuzz-HARNESS.log. Exits 1
# when any harness finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
harnesses=("$@")
((${#harnesses[@]})) || harnesses=(table_files text_parsers ini_files json_import)
build=${REPORTDATA_FUZZ_BUILD:-build-fuzz}

if [[ ${REPORTDATA_FUZZ_NO_BUILD:-0} != 1 ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DREPORTDATA_SANITIZE=ON -DREPORTDATA_FUZZ=ON -DREPORTDATA_TESTS=OFF -DREPORTDATA_BENCH=OFF \
    >/dev/null
  targets=()
  for harness in "${harnesses[@]}"; do targets+=("fuzz_$harness"); done
  # The tool makes the seed project of the table-file and importer harnesses.
  if [[ -z ${REPORTDATA_TOOL:-} && " ${harnesses[*]} " =~ \ (table_files|json_import)\  ]]; then
    targets+=(reportdata_cli)
  fi
  cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
fi

# Seeds: the committed texts and settings files, and a small generated
# project in the interchange form with the table files its build writes.
seeds=$build/seeds
for harness in "${harnesses[@]}"; do
  rm -rf "${seeds:?}/$harness"
  mkdir -p "$seeds/$harness" "$build/findings"
  if [[ -d tests/fuzz/seeds/$harness ]]; then cp tests/fuzz/seeds/"$harness"/* "$seeds/$harness/"; fi
done
cp tests/services/data/*.json "$seeds/json_import/" 2>/dev/null || true
tool=${REPORTDATA_TOOL:-$build/cli/reportdata}
if [[ " ${harnesses[*]} " =~ \ (table_files|json_import)\  ]]; then
  rm -rf "$seeds/project"
  mkdir -p "$seeds/json_import" "$seeds/table_files"
  REPORTDATA_QUIET=1 "$tool" sample --floors 2 "$seeds/json_import/sample.json" >/dev/null
  REPORTDATA_QUIET=1 "$tool" import "$seeds/json_import/sample.json" "$seeds/project" >/dev/null
  REPORTDATA_QUIET=1 "$tool" build "$seeds/project" >/dev/null
  # The first byte of a table-file input picks the file, in the order of
  # kFiles in tests/fuzz/table_files_fuzz.cc.
  index=0
  for file in qd qdxhl de de1 de2 de3 mj mc GlobalParas CalFloor ReportComp; do
    if [[ -f $seeds/project/report/$file.xml ]]; then
      { printf "\\$(printf '%03o' "$index")"; cat "$seeds/project/report/$file.xml"; } \
        >"$seeds/table_files/$file"
    fi
    index=$((index + 1))
  done
fi

status=0
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export REPORTDATA_QUIET=1
for harness in "${harnesses[@]}"; do
  corpus=$build/corpus/$harness
  mkdir -p "$corpus"
  log=$build/fuzz-$harness.log
  if "$build/tests/fuzz/fuzz_$harness" "$corpus" "$seeds/$harness" -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=4096 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$harness-" >"$log" 2>&1; then
    result=ok
  else
    result=FOUND
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "fuzz $harness: ${seconds} s, ${runs:-?} runs, $result (log: $log)"
done
exit $status
