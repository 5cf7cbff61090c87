#!/usr/bin/env bash
# Working set of the client a second after the login panel shows and a second
# after the game window shows (the browser stand-in logs in), against the
# minimal Win32 program a second after its window shows; medians of
# BENCH_RUNS (3) runs under the same Wine, after one untimed run of each.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
client=$bench_tree/Lander_Q7.exe
minimal=$bench_bin/bench_minimal_window.exe
bench_need "$bench_bin/bench_launch.exe" "$minimal" "$client"
bench_prefix
bench_client_env
runs=${BENCH_RUNS:-3}
title="《Vorrak》微端"

bench_launch "$minimal" >/dev/null
bench_launch "$client" "$title" >/dev/null
panel=()
game=()
base=()
for _ in $(seq "$runs"); do
  base+=("$(bench_launch "$minimal" | awk '$1 == "first" { print $3 }')")
  lines=$(bench_launch "$client" "$title")
  panel+=("$(awk '$1 == "first" { print $3 }' <<<"$lines")")
  game+=("$(awk '$1 == "titled" { print $3 }' <<<"$lines")")
done
bench_machine
python3 - "$(bench_median "${base[@]}")" "$(bench_median "${panel[@]}")" \
  "$(bench_median "${game[@]}")" <<'PY'
import sys
base, panel, game = (float(v) / 2**20 for v in sys.argv[1:4])
for name, value in (("working set, login panel", panel), ("working set, game window", game)):
    extra = value - base
    print("%-28s %10.1f MB vs baseline %10.1f MB  +%.1f MB  goal <= +8.0 MB  %s"
          % (name, value, base, extra, "met" if extra <= 8.0 else "MISSED"))
PY
