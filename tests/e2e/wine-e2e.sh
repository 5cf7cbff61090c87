#!/usr/bin/env bash
# Runs an end-to-end test command with a Wine prefix of its own, whose
# application-data folder is a Linux folder the test can read, and an X
# display; with LANDER_WINE_DESKTOP=WIDTHxHEIGHT the prefix's programs run in a
# Wine virtual desktop of that size. Everything lives in $LANDER_WINE_ROOT/e2e/NAME; every Wine process
# of that prefix is ended afterwards.
#   wine-e2e.sh NAME COMMAND [ARGS...]
# The command gets WINEPREFIX and LANDER_E2E_APPDATA (the Linux folder).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../cmake/wine-prefix.sh"

name=$1
shift
root=${LANDER_WINE_ROOT:?LANDER_WINE_ROOT must name the folder of the test prefixes}
work=$root/e2e/$name

lander_private_prefix "$root" "$work" "$work/appdata"
lander_ensure_display
if [[ -n ${LANDER_WINE_DESKTOP:-} ]]; then
  lander_virtual_desktop "$WINEPREFIX" "$name" "$LANDER_WINE_DESKTOP"
fi
trap 'wineserver -k >/dev/null 2>&1; lander_stop_display' EXIT
wineserver -p
export LANDER_E2E_APPDATA=$work/appdata
"$@"
