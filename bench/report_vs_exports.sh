#!/usr/bin/env bash
# One report of COUNT tests (vek --report) against COUNT single exports (vek --export-pdf, one
# process each), as CPU time (user + system of the processes, which a machine loaded by other work
# disturbs less than wall time) and wall time. The tests are the bundled sample under four borings
# and COUNT depths. With --callgrind, also the instructions of the report and of three single
# exports (times COUNT / 3), counted by valgrind's callgrind (slow: minutes).
#
#   bench/report_vs_exports.sh VEK [COUNT] [--callgrind]
set -euo pipefail
vek=$(realpath "$1")
count=${2:-100}
callgrind=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/var/tmp}/vek-report-XXXXXX")
trap 'rm -rf "$work"' EXIT
export VEK_HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$work/in" "$work/out" "$VEK_HOME"
cp "$root/samples/cal-sample.cdw" "$work/in/"

# Header field n is line n + 2: field 2 the boring, field 3 the depth (lines end with CR LF).
for i in $(seq 1 "$count"); do
  boring="B-$(( (i - 1) % 4 + 1 ))"
  depth=$(printf -- "-%d.%02d" $(( (i - 1) / 4 + 1 )) $(( i % 100 )))
  sed -e "4s/.*/$boring\r/" -e "5s/.*/$depth\r/" "$root/samples/test-sample.vdw" > "$work/in/t$(printf %03d "$i").vdw"
done

TIMEFORMAT='%3U %3S %3R'
cpu() {  # "user system wall" of the commands in "$@" (a function name)
  { time "$@" > /dev/null 2>&1; } 2>&1 | tail -1
}
report() { "$vek" --report "$work/out/report.pdf" "$work"/in/t*.vdw; }
exports() {
  for f in "$work"/in/t*.vdw; do "$vek" --export-pdf "$work/out/$(basename "$f" .vdw).pdf" "$f"; done
}

read -r ru rs rw <<< "$(cpu report)"
read -r eu es ew <<< "$(cpu exports)"
pages=$(pdfinfo "$work/out/report.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
echo "report of $count tests ($pages pages): cpu $(echo "$ru + $rs" | bc) s (user $ru, sys $rs), wall $rw s"
echo "$count single exports:           cpu $(echo "$eu + $es" | bc) s (user $eu, sys $es), wall $ew s"
echo "report / exports (cpu):          $(echo "scale=3; ($ru + $rs) / ($eu + $es)" | bc)"

if [ "$callgrind" = "--callgrind" ]; then
  instr() {  # instructions counted by callgrind for one vek run
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$vek" "$@" > /dev/null 2>&1
    awk '/^(summary|totals):/ {print $2; exit}' "$work/cg.out"
  }
  r=$(instr --report "$work/out/report.pdf" "$work"/in/t*.vdw)
  e1=$(instr --export-pdf "$work/out/a.pdf" "$work/in/t001.vdw")
  e2=$(instr --export-pdf "$work/out/b.pdf" "$work/in/t$(printf %03d $(( (count + 1) / 2 ))).vdw")
  e3=$(instr --export-pdf "$work/out/c.pdf" "$work/in/t$(printf %03d "$count").vdw")
  per=$(( (e1 + e2 + e3) / 3 ))
  echo "callgrind: report $r instructions; one export $per (mean of 3), x $count = $(( per * count ))"
  echo "report / exports (instructions): $(echo "scale=3; $r / ($per * $count)" | bc)"
fi
