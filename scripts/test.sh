#!/usr/bin/env bash
# Builds everything and runs every test: the Windows tests under Wine (one
# private prefix each, on a private X display when none is set) and the
# tools' own tests.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
build=${LANDER_BUILD_DIR:-$top/build}
source "$top/cmake/wine-prefix.sh"
lander_ensure_display
trap lander_stop_display EXIT
cd "$build"
ctest --output-on-failure -j2 "$@"
