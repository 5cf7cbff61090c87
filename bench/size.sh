#!/usr/bin/env bash
# Size of the shipped executable against the 1.5 MB goal, with what its
# sections hold, so that a miss shows where the bytes are.
#   bench/size.sh [EXE]        (default build/Lander_Q7.exe)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-${LANDER_BUILD_DIR:-$top/build}/Lander_Q7.exe}
[[ -f $exe ]] || { echo "missing $exe: run scripts/build.sh first" >&2; exit 1; }
goal=1500000
size=$(stat -c %s "$exe")
i686-w64-mingw32-objdump -h "$exe" | python3 -c '
import re, sys
for line in sys.stdin:
    m = re.match(r"\s*\d+\s+(\S+)\s+([0-9a-f]+)\s", line)
    if m:
        print("  section %-10s %9d bytes" % (m.group(1), int(m.group(2), 16)))'
if i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug'; then
  echo "  debug sections: present"
else
  echo "  debug sections: none"
fi
python3 - "$size" "$goal" <<'PY'
import sys
size, goal = int(sys.argv[1]), int(sys.argv[2])
print("%-28s %10d bytes vs goal %10d bytes  ratio %.2fx  goal <= 1.00x  %s"
      % ("executable size", size, goal, size / goal, "met" if size <= goal else "MISSED"))
PY
