#!/usr/bin/env bash
# Registers the browser stand-in in a Wine prefix of its own and runs the
# self-test there, on the X display in DISPLAY or on a private Xvfb.
#   run-selftest.sh STANDIN_DLL SELFTEST_EXE PREFIX_DIR
set -euo pipefail
dll=$1
exe=$2
prefix=$3

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../cmake/wine-prefix.sh"
lander_ensure_display
export WINEPREFIX=$prefix

if [[ ! -f $prefix/system.reg ]]; then
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
fi
trap 'wineserver -k >/dev/null 2>&1 || true; lander_stop_display' EXIT
# Drive Z: maps the Linux root, so the DLL is registered where it was built.
wine regsvr32 /s "Z:${dll//\//\\}"
wine "$exe"
