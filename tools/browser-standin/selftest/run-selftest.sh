#!/usr/bin/env bash
# Registers the browser stand-in in a Wine prefix of its own and runs the
# self-test there. Needs an X display in DISPLAY.
#   run-selftest.sh STANDIN_DLL SELFTEST_EXE PREFIX_DIR
set -euo pipefail
dll=$1
exe=$2
prefix=$3

if [[ -z ${DISPLAY:-} ]]; then
  echo "run-selftest.sh: DISPLAY must name an X display (for example a private Xvfb)" >&2
  exit 2
fi
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml="

if [[ ! -f $prefix/system.reg ]]; then
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
fi
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# Drive Z: maps the Linux root, so the DLL is registered where it was built.
wine regsvr32 /s "Z:${dll//\//\\}"
wine "$exe"
