#!/usr/bin/env bash
# Wall and CPU time of a whole batch: vek --convert OUTDIR over COUNT tests of 120 steps each, with
# --reduce --analyse 10,60,110, into a fresh folder on the disk of $TMPDIR (default /var/tmp). Each
# run is timed three times: on a quiet disk; again into the same folder, so that every file
# replaces the one the first run wrote (a batch run a second time: the file system frees an old
# file per file); and into a fresh folder while another process keeps writing and syncing a file
# (dd with oflag=dsync), which is what makes one fsync per file slow. Every fresh run writes into a
# folder of its own and the folders are deleted only at the end: files deleted just before a run
# would have the file system search the inodes just freed during it, which is not what a user's
# batch meets.
#
#   bench/batch_convert.sh VEK BENCH_CONVERT_ONE [COUNTS] [RUNS] [VEK2]
#     VEK                the vek executable to time (e.g. build/app/vek)
#     BENCH_CONVERT_ONE  build/bench/vek_bench_convert_one, which writes the 120-step test
#     COUNTS             numbers of files, comma-separated (default 1000,10000)
#     VEK2               optional second executable, timed in turn with VEK (paired runs)
set -euo pipefail
vek=$1
writer=$2
counts=${3:-1000,10000}
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
"$writer" --write-test "$work/in/t00000.vdw"
largest=$(tr , '\n' <<<"$counts" | sort -n | tail -1)
# Copies of the test, 500 files per tee.
names=()
for i in $(seq 1 $((largest - 1))); do names+=("$work/in/t$(printf %05d "$i").vdw"); done
for ((i = 0; i < ${#names[@]}; i += 500)); do tee "${names[@]:i:500}" <"$work/in/t00000.vdw" >/dev/null; done

# Seconds of wall, user and system time of one batch of the first COUNT inputs into the fresh
# folder OUT. The caller names the folder: time_batch runs in a command substitution, a subshell,
# where a counter of runs would never advance (every run would replace the files of the first).
runs_done=0
time_batch() {
  local exe=$1 count=$2 out=$3
  mkdir -p "$out"
  local inputs=("$work"/in/*.vdw)
  sync
  TIMEFORMAT='%R %U %S'
  { time "$exe" --convert "$out" "${inputs[@]:0:count}" --reduce --analyse 10,60,110 >/dev/null 2>&1; } 2>&1
}

start_disk_load() {
  # The loop stops its dd too: an orphaned dd would go on writing into the next quiet run.
  (
    dd_pid=
    trap 'kill $dd_pid 2>/dev/null; exit 0' TERM
    while :; do
      dd if=/dev/zero of="$work/load" bs=64k count=64 oflag=dsync status=none &
      dd_pid=$!
      wait $dd_pid
    done
  ) &
  load_pid=$!
}
stop_disk_load() {
  kill "$load_pid" 2>/dev/null || true
  wait "$load_pid" 2>/dev/null || true
  load_pid=
}

for count in ${counts//,/ }; do
  for run in $(seq 1 "$runs"); do
    for exe in "$vek" $vek2; do
      runs_done=$((runs_done + 2))
      read -r qw qu qs <<<"$(time_batch "$exe" "$count" "$work/out-$((runs_done - 1))")"
      read -r aw au as <<<"$(time_batch "$exe" "$count" "$work/out-$((runs_done - 1))")"
      start_disk_load
      read -r lw lu ls <<<"$(time_batch "$exe" "$count" "$work/out-$runs_done")"
      stop_disk_load
      printf '%s run %d: %d files, quiet %.2f s (cpu %.2f user + %.2f system), again over them %.2f s (cpu %.2f + %.2f), with disk load %.2f s (cpu %.2f + %.2f)\n' \
        "$exe" "$run" "$count" "$qw" "$qu" "$qs" "$aw" "$au" "$as" "$lw" "$lu" "$ls"
    done
  done
done
