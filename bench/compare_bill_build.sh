#!/bin/sh
# Measures the bill build of a generated project side by side with what
# SQLite and pugixml take for the same work, in one run, and prints the
# ratios and the peak memory per input record:
#   build      `reportdata build P --bill`, wall time and peak memory, against
#              a record-level GROUP BY of the same bill records in SQLite on a
#              flat table (item, floor, component, description, partition;
#              count, sum, group_concat of handles);
#   reading    the build's reading of the calculation records alone
#              (read_rows: every text of every row, stepped as the build
#              steps them, nothing filed) against the same GROUP BY: the
#              floor that the stored layout sets under the build;
#   show       `reportdata show P qd` against pugixml parsing qd.xml;
#   walk       pugixml parsing qd.xml and visiting every element and
#              attribute of the document, against the parse alone: the floor
#              under any reader that builds its tree from pugixml's document;
#   write      the write of the table files (CInterQingDan::Write_xml) against
#              pugixml saving the same documents (bill_build_phases);
#   scaling    build time per input record for each scale of SCALES and the
#              project's own: the tool's whole build, and the library's filing
#              and writing alone (a process's start is a fixed cost that a
#              small project does not hide); and from the second scale on,
#              the time each record adds, the difference of two scales'
#              times over the difference of their records, which the fixed
#              cost does not enter.
# The projects are generated (`reportdata sample`, `reportdata import`) into
# DATA_DIR on the first run and reused afterwards; the flat SQLite table too.
# Every figure is the median of RUNS runs. The ratios are also taken in
# pairs: ours and the yardstick run in turn, and the median of the pairs'
# ratios is printed beside the ratio of the medians. A pair's two runs see
# the machine in the same state, so that column holds where a shared
# machine's speed drifts between the runs of one command and the next.
#
# Usage: bench/compare_bill_build.sh [BUILD_DIR [DATA_DIR [SCALE [RUNS]]]]
#   defaults: build, /tmp/reportdata-bench, 1700 (about 1.1 M records), 3
#   SCALES="15 153" adds the per-record times at about 10 k and 100 k.
#   SHAPES="default low-merge" (the default) names the shapes of project
#   compared at SCALE; the per-record times are those of the default shape.
set -eu

if ! command -v sqlite3 >/dev/null || [ ! -x /usr/bin/time ]; then
  echo "compare_bill_build.sh needs the sqlite3 and /usr/bin/time commands" \
    "(Debian packages sqlite3 and time)" >&2
  exit 1
fi

build=$(cd "${1:-build}" && pwd)
data=${2:-/tmp/reportdata-bench}
scale=${3:-1700}
runs=${4:-3}
rd=$build/cli/reportdata
phases=$build/bench/bill_build_phases
parse=$build/bench/xml_parse
read_rows=$build/bench/read_rows
export REPORTDATA_QUIET=1
mkdir -p "$data"
times=$(mktemp)
trap 'rm -f "$times" "$times.list"' EXIT

# The shape of the generated projects: "default", or "low-merge" (records
# that seldom merge, `reportdata sample --low-merge`).
use_shape() {
  case $1 in
    default) suffix= sample_flags= ;;
    low-merge) suffix=-low sample_flags=--low-merge ;;
    *) echo "unknown shape $1" >&2; exit 2 ;;
  esac
}

# Generates and imports the project of a scale and the current shape once;
# prints its directory.
project() {
  dir=$data/p$1$suffix
  if [ ! -f "$dir/CalResult.mdb" ]; then
    "$rd" sample "$dir.json" --scale "$1" --compact $sample_flags >/dev/null
    "$rd" import "$dir.json" "$dir" >/dev/null
    rm -f "$dir.json"
  fi
  echo "$dir"
}

input_records() {
  sqlite3 "$1/CalResult.mdb" "SELECT (SELECT count(*) FROM classified) +
    (SELECT count(*) FROM loose_quota) + (SELECT count(*) FROM other_item)"
}

# The median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs a command RUNS times; sets wall (s) and peak (KB), the medians. The
# wall time is taken to the millisecond: time's own is in hundredths, too
# coarse for a reload of a few tens of milliseconds.
measure() {
  : >"$times.list"
  i=0
  while [ "$i" -lt "$runs" ]; do
    t0=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$times" "$@" >/dev/null
    t1=$(date +%s%N)
    awk -v ns=$((t1 - t0)) -v kb="$(cat "$times")" 'BEGIN { printf "%.3f %s\n", ns / 1e9, kb }' \
      >>"$times.list"
    i=$((i + 1))
  done
  wall=$(cut -d' ' -f1 "$times.list" | median)
  peak=$(cut -d' ' -f2 "$times.list" | median)
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# Runs the commands $1 and $2 (functions) in turn RUNS times; prints the
# median of the ratios of their wall times.
pair_ratio() {
  : >"$times.list"
  i=0
  while [ "$i" -lt "$runs" ]; do
    t0=$(date +%s%N)
    "$1" >/dev/null
    t1=$(date +%s%N)
    "$2" >/dev/null
    t2=$(date +%s%N)
    ratio $((t1 - t0)) $((t2 - t1)) >>"$times.list"
    echo >>"$times.list"
    i=$((i + 1))
  done
  median <"$times.list"
}

# The comparisons of one shape of project at SCALE.
report_shape() {
use_shape "$1"
p=$(project "$scale")
records=$(input_records "$p")
flat=$data/flat$scale$suffix.db
# The records' texts are packed into one column of their row, so the flat
# table is written by read_rows.
if [ ! -f "$flat" ]; then
  "$read_rows" "$p/CalResult.mdb" "$flat.new" >/dev/null
  mv "$flat.new" "$flat"
fi
bills=$(sqlite3 "$flat" "SELECT count(*) FROM bill")
echo "$1 project $p: $records input records, $bills bill records; median of $runs runs"

group_by="SELECT item, floor, component, description, partition, count(*), sum(quantity),
  group_concat(handle) FROM bill GROUP BY item, floor, component, description, partition"
bill_build() { "$rd" build "$p" --bill; }
sqlite_group_by() { sqlite3 "$flat" "$group_by"; }
read_alone() { "$read_rows" "$p/CalResult.mdb"; }
show_qd() { "$rd" show "$p" qd; }
parse_qd() { "$parse" "$p/report/qd.xml"; }
walk_qd() { "$parse" --walk "$p/report/qd.xml"; }

measure "$rd" build "$p" --bill
build_wall=$wall
build_peak=$peak
measure sqlite3 "$flat" "$group_by"
sqlite_wall=$wall
measure "$read_rows" "$p/CalResult.mdb"
read_wall=$wall
measure "$rd" show "$p" qd
show_wall=$wall
show_peak=$peak
measure "$parse" "$p/report/qd.xml"
parse_wall=$wall
measure "$parse" --walk "$p/report/qd.xml"
walk_wall=$wall
build_pairs=$(pair_ratio bill_build sqlite_group_by)
read_pairs=$(pair_ratio read_alone sqlite_group_by)
show_pairs=$(pair_ratio show_qd parse_qd)
walk_pairs=$(pair_ratio walk_qd parse_qd)

: >"$times.list"
i=0
while [ "$i" -lt "$runs" ]; do
  "$phases" "$p" >>"$times.list"
  i=$((i + 1))
done
figure() { awk -v k="$1" '$1 == k { print $2 }' "$times.list" | median; }
file_s=$(figure file_s)
write_s=$(figure write_s)
save_s=$(figure pugi_save_all_s)
# Each run writes and then saves with pugixml: its two figures are a pair.
write_pairs=$(awk '$1 == "write_s" { w = $2 }
  $1 == "pugi_save_all_s" { if ($2 > 0) printf "%.2f\n", w / $2; else print "-" }' \
  "$times.list" | median)

printf '%-34s %9s %9s %7s %9s\n' "" "ours" "yardstick" "ratio" "in pairs"
printf '%-34s %9s %9s %7s %9s\n' "bill build s / SQLite GROUP BY s" "$build_wall" "$sqlite_wall" \
  "$(ratio "$build_wall" "$sqlite_wall")" "$build_pairs"
printf '%-34s %9s %9s %7s %9s\n' "reading alone s / GROUP BY s" "$read_wall" "$sqlite_wall" \
  "$(ratio "$read_wall" "$sqlite_wall")" "$read_pairs"
printf '%-34s %9s %9s %7s %9s\n' "show qd s / pugixml parse s" "$show_wall" "$parse_wall" \
  "$(ratio "$show_wall" "$parse_wall")" "$show_pairs"
printf '%-34s %9s %9s %7s %9s\n' "parse and walk s / parse s" "$walk_wall" "$parse_wall" \
  "$(ratio "$walk_wall" "$parse_wall")" "$walk_pairs"
printf '%-34s %9s %9s %7s %9s\n' "write s / pugixml save s" "$write_s" "$save_s" \
  "$(ratio "$write_s" "$save_s")" "$write_pairs"
printf '%-34s %9s\n' "filing s (InitQdData)" "$file_s"
printf '%-34s %9s %9s\n' "bill build peak KB, KB/record" "$build_peak" \
  "$(ratio "$build_peak" "$records")"
printf '%-34s %9s %9s\n' "show qd peak KB, KB/record" "$show_peak" \
  "$(ratio "$show_peak" "$records")"
}

for shape in ${SHAPES:-default low-merge}; do
  report_shape "$shape"
done
use_shape default

# Per input record: the tool's whole build, and the library's own filing
# and writing (bill_build_phases) without the start of a process.
per_record() { awk -v w="$1" -v n="$2" 'BEGIN { printf "%.2f", w * 1e6 / n }'; }
library_seconds() {
  : >"$times.list"
  i=0
  while [ "$i" -lt "$runs" ]; do
    "$phases" "$1" | awk '$1 == "file_s" || $1 == "write_s" { s += $2 } END { print s }' \
      >>"$times.list"
    i=$((i + 1))
  done
  median <"$times.list"
}
# The time a record adds between the scale before and this one.
added() { awk -v a="$1" -v b="$2" -v m="$3" -v n="$4" 'BEGIN { printf "%.2f", (b - a) * 1e6 / (n - m) }'; }
last_n=
for s in ${SCALES:-} "$scale"; do
  q=$(project "$s")
  n=$(input_records "$q")
  measure "$rd" build "$q" --bill
  library=$(library_seconds "$q")
  printf 'scale %-6s %9s records %8s s %8s us/record; library %8s s %8s us/record' \
    "$s" "$n" "$wall" "$(per_record "$wall" "$n")" "$library" "$(per_record "$library" "$n")"
  if [ -n "$last_n" ] && [ "$n" -gt "$last_n" ]; then
    printf '; added %s / %s us/record' "$(added "$last_wall" "$wall" "$last_n" "$n")" \
      "$(added "$last_library" "$library" "$last_n" "$n")"
  fi
  printf '\n'
  last_n=$n
  last_wall=$wall
  last_library=$library
done
