#!/usr/bin/env bash
# Configures (once) and builds the program and its tests.
#   scripts/build.sh [extra cmake configure options]
# build/ holds the shipped 32-bit program. On a machine that cannot run 32-bit
# programs (or with LANDER_TEST_ARCH=x86_64) the tests are built in
# build-x86_64/ instead, for 64-bit Wine, and build/ builds the program alone.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
source "$top/cmake/wine-prefix.sh"
arch=$(lander_test_arch)
build=${LANDER_BUILD_DIR:-$top/build}

user_options=("$@")
# A tree is configured once, and again whenever options are given.
configure() {
  local tree=$1 toolchain=$2
  shift 2
  if [[ ! -f $tree/CMakeCache.txt || ${#user_options[@]} -gt 0 ]]; then
    cmake -S "$top" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" \
      -DCMAKE_BUILD_TYPE=Release "$@" "${user_options[@]}" >/dev/null
  fi
}

configure "$build" mingw-i686.cmake
if [[ $arch == i686 ]]; then
  cmake --build "$build" -j2
else
  cmake --build "$build" -j2 --target Lander_Q7
  configure "$build-x86_64" mingw-x86_64.cmake -DLANDER_SHIPPED_EXE="$build/Lander_Q7.exe"
  cmake --build "$build-x86_64" -j2
fi
