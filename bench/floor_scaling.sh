#!/bin/sh
# Build time against the number of floors: generates projects of FLOORS and
# of twice as many floors, one bill record and one quota record on each
# floor (with its floor area, a door and a room) and a facade decoration
# record beside them, imports and builds each,
# and prints the build times and their ratio. Each size is built RUNS times,
# the two in turn, and the shortest time of each counts: on shared cores a
# single build can take twice its time. Filing that stays linear in the
# floors gives a ratio near 2; a floor list searched once per floor gives
# one near 4.
#   bench/floor_scaling.sh [REPORTDATA [FLOORS [DATA_DIR [RUNS]]]]
# REPORTDATA defaults to build/cli/reportdata, FLOORS to 20000, DATA_DIR to
# a temporary directory that is removed afterwards, RUNS to 5.
set -eu
tool=${1:-build/cli/reportdata}
floors=${2:-20000}
data=${3:-}
runs=${4:-5}
if [ -z "$data" ]; then
  data=$(mktemp -d)
  trap 'rm -rf "$data"' EXIT
fi

generate() {
  python3 - "$1" "$2" <<'PY'
import json, sys
n = int(sys.argv[1])
floors = [str(i) for i in range(1, n + 1)]
common = {"typePath": "Z\\KZ", "componentName": "KZ1", "room": "客厅", "place": "楼地面"}
classified = []
for i, floor in enumerate(floors):
    handle = {"handle": "$$%X" % (i + 1), "floor": floor, "id": i + 1}
    bill = dict(common, **handle, billCode="010502001", billName="矩形柱", billUnit="m3",
                quantity="1.250", kind="1")
    quota = dict(common, **handle, quotaCode="A5-5", quotaName="现浇混凝土 矩形柱",
                 quotaUnit="10m3", quantity="0.125", kind="2")
    classified.append({"bill": bill, "quotas": [quota]})
    # A facade decoration record, whose floors are checked against the
    # floors the result already names.
    facade = {"typePath": "ZS\\LMZS", "handle": "$$F%X" % (i + 1), "id": n + i + 1}
    classified.append({"bill": dict(bill, **facade, billCode="011407001", billName="墙面装饰",
                                    billUnit="m2"),
                       "quotas": [dict(quota, **facade)]})
json.dump({"version": 1,
           "project": {"name": "floors", "floors": ["第%s层" % f for f in floors]},
           "floors": floors, "classified": classified,
           "floorAreas": [{"floor": f, "kind": "FL_MainArea", "value": 100.0} for f in floors],
           "doorsWindows": [{"type": 101, "floor": f, "typeName": "M1021", "position": "1/A-B",
                             "key": "4F"} for f in floors],
           "componentIndex": [{"compDir": "Z\\KZ", "index": "KZ", "category": "柱\\砼柱"}]},
          open(sys.argv[2], "w"), ensure_ascii=False)
PY
}

seconds() {
  start=$(date +%s.%N)
  REPORTDATA_QUIET=1 "$tool" build "$1" > /dev/null || exit 1
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

prepare() {
  if [ ! -f "$data/p$1/CalResult.mdb" ]; then
    generate "$1" "$data/f$1.json"
    REPORTDATA_QUIET=1 "$tool" import "$data/f$1.json" "$data/p$1" > /dev/null
  fi
}

shorter() {
  if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc)" = 1 ]; then echo "$2"; else echo "$1"; fi
}

prepare "$floors"
prepare $((floors * 2))
single=
double=
run=0
while [ "$run" -lt "$runs" ]; do
  # A failed build ends the run here rather than timing nothing.
  seconds=$(seconds "$data/p$floors")
  single=$(shorter "$single" "$seconds")
  seconds=$(seconds "$data/p$((floors * 2))")
  double=$(shorter "$double" "$seconds")
  run=$((run + 1))
done
echo "$floors floors: $single s"
echo "$((floors * 2)) floors: $double s"
echo "ratio: $(echo "scale=2; $double / $single" | bc)"
