#!/usr/bin/env bash
# Builds everything and runs every test: the Windows tests under Wine (one
# private prefix each, on a private X display when none is set) and the
# tools' own tests. Where 32-bit Wine cannot run, the x86_64 build is tested
# under 64-bit Wine; the shipped 32-bit file is still built and checked.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
source "$top/cmake/wine-prefix.sh"
build=${LANDER_BUILD_DIR:-$top/build}
if [[ $(lander_test_arch) == i686 ]]; then
  echo "testing the i686 build under 32-bit Wine"
elif [[ -n ${LANDER_TEST_ARCH:-} ]]; then
  echo "LANDER_TEST_ARCH=x86_64: testing the x86_64 build under 64-bit Wine"
  build=$build-x86_64
else
  echo "this machine cannot run 32-bit programs: testing the x86_64 build under 64-bit Wine"
  build=$build-x86_64
fi
lander_ensure_display
trap lander_stop_display EXIT
cd "$build"
ctest --output-on-failure -j2 "$@"
