#!/usr/bin/env bash
# Builds the program and starts it under Wine, as a player would, inside a
# 1280 x 1024 Wine virtual desktop, with the platform stand-in serving the
# start page and the update service on 127.0.0.1:28080, and the browser
# stand-in playing the login and the game page. Uses a Wine prefix of its own
# in build/wine/run. Without a display it runs on a private X server, walks
# the player's path (scripts/walk.py) and saves a screenshot of each stage.
# Where 32-bit Wine cannot run, it runs the x86_64 build under 64-bit Wine.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
build=${LANDER_BUILD_DIR:-$top/build}
source "$top/cmake/wine-prefix.sh"
arch=$(lander_test_arch)
if [[ $arch == x86_64 ]]; then
  echo "this machine runs the x86_64 build under 64-bit Wine (the shipped file is $build/Lander_Q7.exe)"
  build=$build-x86_64
fi
lander_use_wine "$arch"

root=$build/wine
lander_template_prefix "$root"
[[ -d $root/run ]] || lander_clone_prefix "$root" "$root/run"
export WINEPREFIX=$root/run

sim_pid=""
if ! (exec 3<>/dev/tcp/127.0.0.1/28080) 2>/dev/null; then
  python3 "$top/tools/platform-sim/platform_sim.py" --port 28080 >/dev/null &
  sim_pid=$!
fi
headless=""
[[ -z ${DISPLAY:-} ]] && headless=1
lander_ensure_display
cleanup() {
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  lander_stop_display
}
trap cleanup EXIT

# A Wine virtual desktop maximises windows and has a taskbar with a
# notification area, as on a player's machine.
lander_virtual_desktop "$WINEPREFIX" lander 1280x1024

# Wine has no HTML engine here, so the scripted browser stand-in, registered in
# this prefix only, plays the login page and the game page. Registering starts
# the prefix's Wine processes, so the display has to be there first.
standin=$build/browser-standin/browser_standin.dll
wine regsvr32 /s "Z:${standin//\//\\}"
export BROWSER_STANDIN_SCRIPT=$top/scripts/run-login.script

if [[ -n $headless ]]; then
  shots=$build/run-screenshots
  rm -rf "$shots"
  echo "No display: walking the player's path headless; screenshots:"
  LANDER_E2E_APPDATA=$root/run-walk/appdata python3 "$top/scripts/walk.py" \
    --program "$build/Lander_Q7.exe" --probe "$build/tests/e2e/e2e_window_probe.exe" \
    --browser-standin "$standin" --resource-header "$top/resources/resource.h" \
    --shots "$shots"
else
  wine "$build/Lander_Q7.exe" "$@"
fi
