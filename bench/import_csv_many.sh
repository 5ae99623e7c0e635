#!/usr/bin/env bash
# Wall time of COUNT separate `vek --import-csv` runs, one process per file as a script over a
# folder of logger tables would start them: the CSV export of the sample test (header and steps) is
# imported into COUNT .vdw files with the sample as template, then a plain table of steps with
# --reduce. Prints the total and the time per run of each.
#
#   bench/import_csv_many.sh VEK [COUNT]
#     VEK    the vek executable to time (e.g. build/app/vek)
set -euo pipefail
vek=$1
count=${2:-1000}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/var/tmp}/vek-import-XXXXXX")
trap 'rm -rf "$work"' EXIT
export VEK_HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$VEK_HOME" "$work/out"

template="$here/samples/test-sample.vdw"
"$vek" --export-csv "$work/sample.csv" "$template" 2>/dev/null
{
  echo "P,gas,15,30,60,120"
  for i in $(seq 1 60); do echo "$((i * 25)),0,$i.1,$i.2,$i.3,$i.4"; done
} > "$work/steps.csv"

run() {
  local label=$1 csv=$2
  shift 2
  local start end
  start=$(date +%s.%N)
  for i in $(seq 1 "$count"); do
    "$vek" --import-csv "$work/out/t$i.vdw" "$csv" --template "$template" "$@" 2>/dev/null
  done
  end=$(date +%s.%N)
  echo "$label: $count runs in $(echo "$end - $start" | bc) s, $(echo "scale=2; ($end - $start) * 1000 / $count" | bc) ms per run"
}

run "export CSV -> .vdw" "$work/sample.csv"
run "60-step table -> .vdw --reduce" "$work/steps.csv" --reduce
cmp -s "$work/out/t1.vdw" "$work/out/t$count.vdw" && echo "first and last file identical"
