#!/usr/bin/env bash
# Wall time of a whole batch: vek --convert OUTDIR over COUNT tests of 120 steps each, with
# --reduce --analyse 10,60,110, into an empty folder on the disk of $TMPDIR (default /var/tmp). Each
# run is timed twice: on a quiet disk, and while another process keeps writing and syncing a file
# (dd with oflag=dsync), which is what makes one fsync per file slow.
#
#   bench/batch_convert.sh VEK BENCH_CONVERT_ONE [COUNT] [RUNS] [VEK2]
#     VEK                the vek executable to time (e.g. build/app/vek)
#     BENCH_CONVERT_ONE  build/bench/vek_bench_convert_one, which writes the 120-step test
#     VEK2               optional second executable, timed in turn with VEK (paired runs)
set -euo pipefail
vek=$1
writer=$2
count=${3:-1000}
runs=${4:-3}
vek2=${5:-}
work=$(mktemp -d "${TMPDIR:-/var/tmp}/vek-batch-XXXXXX")
load_pid=
cleanup() {
  if [ -n "$load_pid" ]; then kill "$load_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export VEK_HOME="$work/home" QT_QPA_PLATFORM=offscreen

mkdir -p "$work/in" "$VEK_HOME"
"$writer" --write-test "$work/in/t0000.vdw"
for i in $(seq 1 $((count - 1))); do cp "$work/in/t0000.vdw" "$work/in/t$(printf %04d "$i").vdw"; done

# Seconds of wall time of one batch into a fresh folder.
time_batch() {
  local exe=$1 out="$work/out"
  rm -rf "$out"
  mkdir -p "$out"
  sync
  local start end
  start=$(date +%s.%N)
  "$exe" --convert "$out" "$work"/in/*.vdw --reduce --analyse 10,60,110 2>/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

start_disk_load() {
  ( while :; do dd if=/dev/zero of="$work/load" bs=64k count=64 oflag=dsync status=none; done ) &
  load_pid=$!
}
stop_disk_load() {
  kill "$load_pid" 2>/dev/null || true
  wait "$load_pid" 2>/dev/null || true
  load_pid=
}

for run in $(seq 1 "$runs"); do
  for exe in "$vek" $vek2; do
    quiet=$(time_batch "$exe")
    start_disk_load
    loaded=$(time_batch "$exe")
    stop_disk_load
    printf '%s run %d: %d files, quiet %.2f s, with disk load %.2f s\n' "$exe" "$run" "$count" "$quiet" "$loaded"
  done
done
