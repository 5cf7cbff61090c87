#!/usr/bin/env bash
# Process start to the login panel being visible, against a minimal Win32
# program that opens one window, both started by the same launcher under the
# same Wine and virtual desktop; the median of BENCH_RUNS (5) alternating runs,
# after one untimed run of each (the client's first run installs itself).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
client=$bench_tree/Lander_Q7.exe
minimal=$bench_bin/bench_minimal_window.exe
bench_need "$bench_bin/bench_launch.exe" "$minimal" "$client"
bench_prefix
bench_client_env
runs=${BENCH_RUNS:-5}

bench_launch "$minimal" >/dev/null
bench_launch "$client" >/dev/null
ours=()
theirs=()
for _ in $(seq "$runs"); do
  theirs+=("$(bench_launch "$minimal" | awk '$1 == "first" { print $2 }')")
  ours+=("$(bench_launch "$client" | awk '$1 == "first" { print $2 }')")
done
echo "client runs: ${ours[*]}"
echo "minimal runs: ${theirs[*]}"
bench_machine
bench_report "start to login panel" "$(bench_median "${ours[@]}")" \
  "$(bench_median "${theirs[@]}")" s lower 1.3
