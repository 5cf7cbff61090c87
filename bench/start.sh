#!/usr/bin/env bash
# Process start to the login panel being visible, against a minimal Win32
# program that opens one window, both started by the same launcher under the
# same Wine and virtual desktop; the median of BENCH_RUNS (5) alternating runs,
# after one untimed run of each (the client's first run installs itself).
# A last line shows how long the system components the client starts take by
# themselves (the minimal program built with them).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
client=$bench_tree/Lander_Q7.exe
minimal=$bench_bin/bench_minimal_window.exe
components=$bench_bin/bench_minimal_components.exe
bench_need "$bench_bin/bench_launch.exe" "$minimal" "$components" "$client"
bench_prefix
bench_client_env
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
python3 - "$(bench_median "${with_components[@]}")" "$(bench_median "${theirs[@]}")" <<'PY'
import sys
components, base = (float(v) for v in sys.argv[1:3])
print("of which system components   %10.4f s vs baseline %10.4f s  +%.4f s"
      % (components, base, components - base))
PY
