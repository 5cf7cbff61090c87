#!/usr/bin/env bash
# Working set of the client a second after the login panel shows and a second
# after the game window shows (the browser stand-in logs in), against the
# minimal Win32 program a second after its window shows; medians of
# BENCH_RUNS (3) runs under the same Wine, after one untimed run of each.
# A third line, for reading the result, shows how much of the difference the
# system components the client starts take by themselves (the minimal program
# built with them).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_launch_setup
runs=${BENCH_RUNS:-3}
title="《Vorrak》微端"

bench_launch "$minimal" >/dev/null
bench_launch "$components" >/dev/null
bench_launch "$client" "$title" >/dev/null
panel=()
game=()
base=()
with_components=()
for _ in $(seq "$runs"); do
  base+=("$(bench_launch "$minimal" | awk '$1 == "first" { print $3 / 1048576 }')")
  with_components+=("$(bench_launch "$components" | awk '$1 == "first" { print $3 / 1048576 }')")
  lines=$(bench_launch "$client" "$title")
  panel+=("$(awk '$1 == "first" { print $3 / 1048576 }' <<<"$lines")")
  game+=("$(awk '$1 == "titled" { print $3 / 1048576 }' <<<"$lines")")
done
bench_machine
python3 - "$(bench_median "${base[@]}")" "$(bench_median "${panel[@]}")" \
  "$(bench_median "${game[@]}")" <<'PY'
import sys
base, panel, game = (float(v) for v in sys.argv[1:4])
for name, value in (("working set, login panel", panel), ("working set, game window", game)):
    extra = value - base
    print("%-28s %10.1f MB vs baseline %10.1f MB  +%.1f MB  goal <= +8.0 MB  %s"
          % (name, value, base, extra, "met" if extra <= 8.0 else "MISSED"))
PY
bench_components_share "$(bench_median "${with_components[@]}")" \
  "$(bench_median "${base[@]}")" MB
