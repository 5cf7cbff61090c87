#!/usr/bin/env bash
# Configures (once) and builds the program and its tests into build/.
#   scripts/build.sh [extra cmake configure options]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
build=${LANDER_BUILD_DIR:-$top/build}
if [[ ! -f $build/CMakeCache.txt || $# -gt 0 ]]; then
  cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
fi
cmake --build "$build" -j2
