#!/usr/bin/env bash
# Process start to the login panel being visible, against a minimal Win32
# program that opens one window, both started by the same launcher under the
# same Wine and virtual desktop; the median of BENCH_RUNS (5) alternating runs,
# after one untimed run of each (the client's first run installs itself).
# A last line shows how long the system components the client starts take by
# themselves (the minimal program built with them).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_launch_setup
runs=${BENCH_RUNS:-5}

bench_launch "$minimal" >/dev/null
bench_launch "$components" >/dev/null
bench_launch "$client" >/dev/null
ours=()
theirs=()
with_components=()
for _ in $(seq "$runs"); do
  theirs+=("$(bench_launch "$minimal" | awk '$1 == "first" { print $2 }')")
  with_components+=("$(bench_launch "$components" | awk '$1 == "first" { print $2 }')")
  ours+=("$(bench_launch "$client" | awk '$1 == "first" { print $2 }')")
done
echo "client runs: ${ours[*]}"
echo "minimal runs: ${theirs[*]}"
bench_machine
bench_report "start to login panel" "$(bench_median "${ours[@]}")" \
  "$(bench_median "${theirs[@]}")" s lower 1.3
bench_components_share "$(bench_median "${with_components[@]}")" \
  "$(bench_median "${theirs[@]}")" s
