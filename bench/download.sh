#!/usr/bin/env bash
# The update download (64 MB over loopback from the platform stand-in) by the
# client's update module under Wine, against curl fetching the same file from
# the same server. The client's pass ends with the MD5 of the file it wrote,
# as it does in the program, so that time is inside its figure.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_need "$bench_bin/bench_work.exe" "$bench_tree/Lander_Q7.exe"
# The client keeps only a Windows program with a FileVersion: the served file
# is the tree's own program with random bytes appended up to 64 MB.
file=$bench_work/download-64m.exe
if [[ ! -f $file ]]; then
  cp "$bench_tree/Lander_Q7.exe" "$file"
  head -c $((64000000 - $(stat -c %s "$file"))) /dev/urandom >>"$file"
fi
bench_prefix
bench_start_sim --port 0 --download-file "$file"
url=http://127.0.0.1:$bench_port/download/vrk_client.exe

start=$(bench_now)
curl -s -o "$bench_work/download-curl.bin" "$url"
baseline=$(bench_elapsed "$start" "$(bench_now)")
cmp -s "$file" "$bench_work/download-curl.bin" || { echo "curl's copy differs" >&2; exit 1; }

output=$(wine "$bench_bin/bench_work.exe" download "$url" | tr -d '\r')
measured=$(sed -n 's/^seconds //p' <<<"$output")
cmp -s "$file" "$bench_work/appdata/cache/bench_download.exe" ||
  { echo "the client's copy differs" >&2; exit 1; }
bench_machine
bench_report "update download, 64 MB" "$measured" "$baseline" s higher 0.8
