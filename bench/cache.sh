#!/usr/bin/env bash
# Clearing 10,000 planted files (100 folders of 100) with the client's cache
# clearing under Wine, against rm -rf of the same tree.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_need "$bench_bin/bench_work.exe"
plant() {
  local root=$1 d
  rm -rf "$root"
  for d in $(seq -w 0 99); do
    mkdir -p "$root/Content.IE5/F$d"
    (cd "$root/Content.IE5/F$d" && for f in $(seq -w 0 99); do printf 'cached %s\n' "$f" >"page$f.htm"; done)
  done
  sync
}
bench_prefix
tree=$bench_work/cache-tree

plant "$tree"
start=$(bench_now)
rm -rf "$tree"
baseline=$(bench_elapsed "$start" "$(bench_now)")

plant "$tree"
output=$(wine "$bench_bin/bench_work.exe" clear "$(bench_winpath "$tree")" | tr -d '\r')
measured=$(sed -n 's/^seconds //p' <<<"$output")
left=$(find "$tree" -type f | wc -l)
[[ $left == 0 ]] || { echo "$left files were left" >&2; exit 1; }
bench_machine
bench_report "cache clearing, 10,000 files" "$measured" "$baseline" s lower 2.0
