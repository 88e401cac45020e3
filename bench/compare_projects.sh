#!/bin/sh
# Measures `reportdata compare` of two large projects against reopening both
# projects' bill summaries (`reportdata show OLD qd` then `reportdata show NEW
# qd`), pair by pair with farm-bench, and prints the ratio of the times and
# the comparison's peak memory beside the sum of the two reopenings' peaks
# (what holding both bill summaries at once would take).
#
# Usage: bench/compare_projects.sh [BUILD_DIR [OLD_PROJECT [NEW_PROJECT [RUNS]]]]
#   defaults: build, a built project generated at SCALE (1700: about 1.1 M
#   records) in DATA_DIR (/tmp/reportdata-compare-bench), and its revision
#   (`reportdata sample --revise`), both made on the first run; 5 runs.
set -eu

build=$(cd "${1:-build}" && pwd)
tool="$build/cli/reportdata"
data=${DATA_DIR:-/tmp/reportdata-compare-bench}
scale=${SCALE:-1700}
runs=${4:-5}
mkdir -p "$data"

# A built project from a JSON interchange file, made once.
built() {
  json=$1 project=$2
  if [ ! -f "$project/report/qd.xml" ]; then
    "$tool" import "$json" "$project" >/dev/null
    "$tool" build "$project" >/dev/null
  fi
}

old=${2:-}
new=${3:-}
if [ -z "$old" ]; then
  [ -f "$data/old.json" ] || "$tool" sample --compact --scale "$scale" "$data/old.json" >/dev/null
  built "$data/old.json" "$data/old"
  old="$data/old"
fi
if [ -z "$new" ]; then
  [ -f "$data/new.json" ] || "$tool" sample --revise "$data/old.json" "$data/new.json" >/dev/null
  built "$data/new.json" "$data/new"
  new="$data/new"
fi

report="$data/farm-bench.txt"
farm-bench -n "$runs" --timeout 900 \
  --vs "sh -c '$tool show $old qd >/dev/null && $tool show $new qd >/dev/null'" \
  -- sh -c "exec $tool compare $old $new >/dev/null" | tee "$report"

# Peak memory of each reopening alone, and of the comparison (KiB).
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
old_peak=$(peak "$tool" show "$old" qd)
new_peak=$(peak "$tool" show "$new" qd)
compare_peak=$(peak "$tool" compare "$old" "$new")
echo "peak KiB: compare $compare_peak; show old $old_peak + show new $new_peak =" \
  "$((old_peak + new_peak))"
