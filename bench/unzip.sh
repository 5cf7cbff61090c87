#!/usr/bin/env bash
# Extraction of a 50 MB archive (a mix of deflated text, stored random data and
# folders) with the client's ZIP reader under Wine, against unzip on the same
# archive; both outputs must be identical.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bench_need "$bench_bin/bench_work.exe"
archive=$bench_work/extract-50m.zip
if [[ ! -f $archive ]]; then
  python3 - "$archive" <<'PY'
import os, random, sys, zipfile
rng = random.Random(7)
words = [("w%d" % i).encode() for i in range(5000)]
with zipfile.ZipFile(sys.argv[1], "w") as z:
    total = 0
    n = 0
    while total < 50_000_000:
        folder = "dir%02d/" % (n % 20)
        if n % 3 == 0:
            data = os.urandom(400_000)
            z.writestr(folder + "blob%04d.bin" % n, data, zipfile.ZIP_STORED)
        else:
            data = b" ".join(rng.choice(words) for _ in range(300_000))
            z.writestr(folder + "text%04d.txt" % n, data, zipfile.ZIP_DEFLATED)
        total += len(data)
        n += 1
PY
fi
bench_prefix
cat "$archive" >/dev/null
ours=$bench_work/unzip-ours
theirs=$bench_work/unzip-theirs
rm -rf "$ours" "$theirs"
mkdir -p "$ours" "$theirs"

start=$(bench_now)
unzip -q "$archive" -d "$theirs"
baseline=$(bench_elapsed "$start" "$(bench_now)")

output=$(wine "$bench_bin/bench_work.exe" unzip "$(bench_winpath "$archive")" \
  "$(bench_winpath "$ours")" | tr -d '\r')
measured=$(sed -n 's/^seconds //p' <<<"$output")
diff -r "$ours" "$theirs" >/dev/null || { echo "the extracted trees differ" >&2; exit 1; }
bench_machine
bench_report "extraction of 50 MB" "$measured" "$baseline" s higher 1.0
