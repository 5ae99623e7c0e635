#!/usr/bin/env bash
# Start-up against its fair floor, as whole processes in paired runs (each pair runs both programs
# back to back, so a busy moment of the machine hits both): the window to its first paint on the
# bundled test sample against vek_bench_startup_floor's window (and against the same drawing in a
# main window with Qt's menus, toolbar and status bar, to tell Qt's share from Vek's), and a 2-page
# PDF export of the test sample against the floor's 2-page PDF. Prints the median of each and the
# ratio of the medians.
#
#   bench/startup_ratio.sh BUILD_DIR [PAIRS]     e.g. bench/startup_ratio.sh build 15
set -euo pipefail
build=$1
pairs=${2:-15}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One program folder and one recent list for every run, filled by a first start before the timing,
# so the runs time an ordinary start rather than a first one.
export VEK_HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
mkdir -p "$VEK_HOME" "$XDG_CONFIG_HOME"
"$build/bench/vek_bench_startup" --cold vek >/dev/null 2>&1

# Milliseconds of wall time of one process.
ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

: >"$work/vek" ; : >"$work/floor" ; : >"$work/chrome" ; : >"$work/pdf" ; : >"$work/floorpdf"
for _ in $(seq 1 "$pairs"); do
  ms "$build/bench/vek_bench_startup" --cold vek >>"$work/vek"
  ms "$build/bench/vek_bench_startup_floor" window >>"$work/floor"
  ms "$build/bench/vek_bench_startup_floor" chrome >>"$work/chrome"
  ms "$build/app/vek" --export-pdf "$work/t.pdf" "$root/samples/test-sample.vdw" --pages 1-2 >>"$work/pdf"
  ms "$build/bench/vek_bench_startup_floor" pdf "$work/f.pdf" >>"$work/floorpdf"
done
v=$(median <"$work/vek"); f=$(median <"$work/floor"); c=$(median <"$work/chrome")
p=$(median <"$work/pdf"); fp=$(median <"$work/floorpdf")
echo "window to first paint: vek ${v} ms, floor ${f} ms, ratio $(echo "scale=2; $v / $f" | bc)"
echo "  the floor in a main window with menus, toolbar and status bar: ${c} ms," \
  "ratio to the floor $(echo "scale=2; $c / $f" | bc), vek against it $(echo "scale=2; $v / $c" | bc)"
echo "2-page PDF export:     vek ${p} ms, floor ${fp} ms, ratio $(echo "scale=2; $p / $fp" | bc)"
