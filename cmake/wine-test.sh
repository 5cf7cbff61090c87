#!/usr/bin/env bash
# Runs one test executable under Wine in a prefix and an application-data
# folder of its own, so that no test sees another's files or registry.
#   wine-test.sh EXE [ARGS...]     (LANDER_WINE_ROOT names the prefixes' folder)
# With LANDER_WINE_DESKTOP=WIDTHxHEIGHT the executable runs inside a Wine
# virtual desktop of that size, which has a taskbar and a notification area.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-prefix.sh"

exe=$1
shift
root=${LANDER_WINE_ROOT:?LANDER_WINE_ROOT must name the folder of the test prefixes}
name=$(basename "$exe" .exe)
work=$root/tests/$name

rm -rf "$work/scratch"
lander_private_prefix "$root" "$work" "$work/scratch/appdata"
lander_ensure_display
if [[ -n ${LANDER_WINE_DESKTOP:-} ]]; then
  lander_virtual_desktop "$WINEPREFIX" "$name" "$LANDER_WINE_DESKTOP"
fi
trap 'wineserver -k >/dev/null 2>&1; lander_stop_display' EXIT

export LANDER_TEST_SCRATCH=$work/scratch
wine "$exe" "$@"
