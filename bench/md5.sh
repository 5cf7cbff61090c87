#!/usr/bin/env bash
# MD5 of a 200 MB file: the client's digest (FileMd5Hex) under Wine against
# md5sum, on the same file, with a warm page cache for both.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_need "$bench_bin/bench_work.exe"
file=$bench_work/md5-200m.bin
[[ -f $file ]] || head -c 200000000 /dev/urandom >"$file"
bench_prefix
cat "$file" >/dev/null

start=$(bench_now)
expected=$(md5sum "$file" | cut -d' ' -f1)
baseline=$(bench_elapsed "$start" "$(bench_now)")

output=$(wine "$bench_bin/bench_work.exe" md5 "$(bench_winpath "$file")" | tr -d '\r')
measured=$(sed -n 's/^seconds //p' <<<"$output")
[[ $(sed -n 's/^md5 //p' <<<"$output") == "$expected" ]] || { echo "digests differ" >&2; exit 1; }
bench_machine
bench_report "MD5 of 200 MB" "$measured" "$baseline" s higher 0.8
