#!/usr/bin/env bash
# Shared set-up of the benchmark commands, sourced by each of them: the build
# tree this machine runs (the x86_64 one under 64-bit Wine where 32-bit Wine
# cannot run), a Wine prefix and work folder of the benchmarks' own in
# <tree>/bench-work, a private display, and the ratio lines they print.
set -euo pipefail
bench_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$bench_top/cmake/wine-prefix.sh"
bench_arch=$(lander_test_arch)
bench_tree=${LANDER_BUILD_DIR:-$bench_top/build}
[[ $bench_arch == x86_64 ]] && bench_tree=$bench_tree-x86_64
lander_use_wine "$bench_arch"
bench_work=$bench_tree/bench-work
bench_bin=$bench_tree/bench
mkdir -p "$bench_work"

bench_need() {
  local file
  for file in "$@"; do
    [[ -f $file ]] || { echo "missing $file: run scripts/build.sh first" >&2; exit 1; }
  done
}

# The Windows name of a Linux path, through Wine's Z: drive.
bench_winpath() {
  local path=$1
  echo "Z:${path//\//\\}"
}

bench_now() {
  date +%s.%N
}

bench_elapsed() {
  python3 -c "import sys; print('%.4f' % (float(sys.argv[2]) - float(sys.argv[1])))" "$1" "$2"
}

# A prefix cloned from the tests' template, every program in a 1280 x 1024
# virtual desktop on a private X server, and one Wine server kept running so
# that no measured start pays for starting it.
bench_prefix() {
  lander_private_prefix "$bench_tree/wine" "$bench_work" "$bench_work/appdata"
  trap bench_cleanup EXIT
  lander_ensure_display
  wineserver -p
  lander_virtual_desktop "$WINEPREFIX" bench 1280x1024
}

bench_cleanup() {
  [[ -n ${bench_sim_pid:-} ]] && kill "$bench_sim_pid" 2>/dev/null
  [[ -n ${WINEPREFIX:-} ]] && wineserver -k 2>/dev/null
  lander_stop_display
  true
}

# Starts the platform stand-in with the given options and sets bench_port.
bench_start_sim() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  python3 "$bench_top/tools/platform-sim/platform_sim.py" "$@" >"$fifo" &
  bench_sim_pid=$!
  read -r _ bench_port <"$fifo"
  rm -f "$fifo"
}

# One result line:
#   ratio NAME MEASURED BASELINE UNIT higher|lower GOAL
# "higher" ratios are baseline time / measured time (throughput); "lower"
# ones are measured / baseline.
bench_report() {
  python3 - "$@" <<'PY'
import sys
name, measured, baseline, unit, better, goal = sys.argv[1:7]
m, b, g = float(measured), float(baseline), float(goal)
ratio = b / m if better == "higher" else m / b
met = ratio >= g if better == "higher" else ratio <= g
print("%-28s %10.4f %s vs baseline %10.4f %s  ratio %.2fx  goal %s %.2fx  %s"
      % (name, m, unit, b, unit, ratio, ">=" if better == "higher" else "<=", g,
         "met" if met else "MISSED"))
PY
}

bench_machine() {
  echo "machine: $(nproc) cores, $(uname -sr), $(wine --version 2>/dev/null), build $bench_arch ($bench_tree)"
}

# What the run command gives the client: the platform stand-in on its built-in
# address (one already there is used as it is) and the browser stand-in,
# registered in this prefix only, playing the login.
bench_client_env() {
  if ! (exec 3<>/dev/tcp/127.0.0.1/28080) 2>/dev/null; then
    bench_start_sim --port 28080
  fi
  local standin=$bench_tree/browser-standin/browser_standin.dll
  bench_need "$standin"
  wine regsvr32 /s "$(bench_winpath "$standin")"
  export BROWSER_STANDIN_SCRIPT=$bench_top/scripts/run-login.script
}

# For start and memory: sets client, minimal and components (the minimal
# program built with the client's system components), checks they are built,
# and gives them a prefix with what the run command gives the client.
bench_launch_setup() {
  client=$bench_tree/Lander_Q7.exe
  minimal=$bench_bin/bench_minimal_window.exe
  components=$bench_bin/bench_minimal_components.exe
  bench_need "$bench_bin/bench_launch.exe" "$minimal" "$components" "$client"
  bench_prefix
  bench_client_env
}

# The closing line of start and memory, which is no goal but reads the miss:
#   bench_components_share MEASURED BASELINE UNIT
bench_components_share() {
  python3 - "$@" <<'PY'
import sys
components, base, unit = float(sys.argv[1]), float(sys.argv[2]), sys.argv[3]
print("of which system components   %10.3f %s vs baseline %10.3f %s  +%.3f %s"
      % (components, unit, base, unit, components - base, unit))
PY
}

# Runs bench_launch on an executable of the tree; its lines on stdout.
bench_launch() {
  local exe=$1
  shift
  # Wine's note that Z: has no volume label is noise here.
  LC_ALL=C.UTF-8 wine "$bench_bin/bench_launch.exe" "$(bench_winpath "$exe")" "$@" \
    2> >(grep -v 'FS volume label' >&2) | tr -d '\r'
}

bench_median() {
  python3 -c "import statistics, sys; print(statistics.median(float(v) for v in sys.argv[1:]))" "$@"
}
