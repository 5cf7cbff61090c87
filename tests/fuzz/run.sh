#!/usr/bin/env bash
# Builds the ZIP fuzz target with clang and runs it for a bounded time, starting
# from the test archives as seeds. Exits non-zero when libFuzzer finds a crash,
# an over-read or an escaping name; the failing input is left in the build folder.
#
#   tests/fuzz/run.sh [build-dir] [seconds]     (defaults: build-fuzz, 60)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${2:-60}
python=/usr/bin/python3
[[ -x $python ]] || python=python3

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

rm -rf "$build/seeds"
"$python" "$root/tests/zip/make_test_archives.py" --corpus "$build/seeds"
mkdir -p "$build/corpus"

cd "$build"
./zip_fuzz -max_total_time="$seconds" -dict="$here/zip.dict" -print_final_stats=1 \
    corpus seeds
