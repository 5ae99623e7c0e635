#!/usr/bin/env bash
# Vek against its fair floors (bench/startup_floor.cpp), as whole processes:
#   - the window to its first paint on the bundled test sample, against the floor's page (with the
#     words of the sample's first page) in a bare window ("window") and the same page inside Qt's
#     window furniture ("chrome": menus, toolbar, status bar), which tells what the furniture
#     costs from what Vek adds;
#   - PDF export of the test sample's first 2 pages and of the 5 pages of a 120-step test, each
#     against the floor drawing the same page text (taken from Vek's PDF with pdftotext, so that
#     the same glyphs are embedded) and against the bare PDF floor.
# Wall and CPU (user + system) times are medians of paired runs (each pair runs every program back
# to back, so a busy moment of the machine hits all of them). On a shared machine the times move
# with the load; the instruction counts (callgrind, when valgrind is installed; one run each, they
# do not depend on the load) are the figures to compare.
#
#   bench/startup_ratio.sh BUILD_DIR [PAIRS]     e.g. bench/startup_ratio.sh build 15
set -euo pipefail
build=$(cd "$1" && pwd)
pairs=${2:-15}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One program folder and one recent list for every run, filled by a first start before the timing,
# so the runs time an ordinary start rather than a first one.
export VEK_HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
mkdir -p "$VEK_HOME" "$XDG_CONFIG_HOME"
"$build/bench/vek_bench_startup" --cold vek >/dev/null 2>&1
"$build/bench/vek_bench_convert_one" --write-test "$work/t120.vdw"

vek=$build/app/vek
floor=$build/bench/vek_bench_startup_floor
sample=$root/samples/test-sample.vdw
# The page texts of Vek's PDFs, for the same-text floors.
"$vek" --export-pdf "$work/p2.pdf" "$sample" --pages 1-2 >/dev/null 2>&1
"$vek" --export-pdf "$work/p5.pdf" "$work/t120.vdw" >/dev/null 2>&1
pdftotext "$work/p2.pdf" "$work/p2.txt"
pdftotext "$work/p5.pdf" "$work/p5.txt"

# The programs, by name.
declare -A run=(
  [vek_window]="$build/bench/vek_bench_startup --cold vek"
  [floor_window]="$floor window $work/p2.txt"
  [floor_chrome]="$floor chrome $work/p2.txt"
  [vek_pdf2]="$vek --export-pdf $work/o.pdf $sample --pages 1-2"
  [floor_pdf2_text]="$floor pdf $work/f.pdf $work/p2.txt"
  [floor_pdf2]="$floor pdf $work/f.pdf"
  [vek_pdf5]="$vek --export-pdf $work/o.pdf $work/t120.vdw"
  [floor_pdf5_text]="$floor pdf $work/f.pdf $work/p5.txt"
)
names=(vek_window floor_window floor_chrome vek_pdf2 floor_pdf2_text floor_pdf2 vek_pdf5 floor_pdf5_text)

# Wall and CPU milliseconds of one process, appended to $work/<name>.wall and .cpu.
timed() {
  local name=$1 t
  TIMEFORMAT='%R %U %S'
  # shellcheck disable=SC2086
  t=$({ time ${run[$name]} >/dev/null 2>&1; } 2>&1)
  read -r real user sys <<<"$t"
  echo "$real * 1000 / 1" | bc >>"$work/$name.wall"
  echo "($user + $sys) * 1000 / 1" | bc >>"$work/$name.cpu"
}
median() { sort -n "$1" | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
ratio() { if [ "${2:-0}" = 0 ] || [ "${2:-}" = - ]; then echo -; else echo "scale=3; $1 / $2" | bc; fi; }

for _ in $(seq 1 "$pairs"); do
  for name in "${names[@]}"; do timed "$name"; done
done
declare -A instr
for name in "${names[@]}"; do
  instr[$name]=-
  if command -v valgrind >/dev/null; then
    # shellcheck disable=SC2086
    instr[$name]=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null ${run[$name]} 2>&1 >/dev/null |
      sed -n 's/.*Collected : //p' | tail -1)
  fi
done

printf '%-16s %12s %10s %10s\n' program instructions "wall ms" "cpu ms"
for name in "${names[@]}"; do
  printf '%-16s %12s %10s %10s\n' "$name" "${instr[$name]}" "$(median "$work/$name.wall")" "$(median "$work/$name.cpu")"
done
echo "(medians of $pairs runs each; load average now: $(cut -d' ' -f1-3 /proc/loadavg))"
echo
line() {  # label, vek, floor
  printf '%-46s instructions %6s  wall %6s  cpu %6s\n' "$1" "$(ratio "${instr[$2]}" "${instr[$3]}")" \
    "$(ratio "$(median "$work/$2.wall")" "$(median "$work/$3.wall")")" \
    "$(ratio "$(median "$work/$2.cpu")" "$(median "$work/$3.cpu")")"
}
line "window: vek / floor in window furniture" vek_window floor_chrome
line "window: furniture / bare window" floor_chrome floor_window
line "2-page PDF: vek / same-text floor" vek_pdf2 floor_pdf2_text
line "2-page PDF: vek / bare floor" vek_pdf2 floor_pdf2
line "5-page PDF: vek / same-text floor" vek_pdf5 floor_pdf5_text
