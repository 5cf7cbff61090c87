#!/usr/bin/env bash
# The shipped executable is one 32-bit GUI file that needs only the system's
# own DLLs, carries the FileVersion it was built with and its application
# manifest, and no debug sections.
#   check_executable.sh EXE EXPECTED_FILE_VERSION
set -euo pipefail
exe=$1
version=$2
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q 'Magic[[:space:]]*010b' <<<"$headers" || fail "not PE32"
grep -q 'Subsystem[[:space:]]*00000002' <<<"$headers" || fail "not the GUI subsystem"
i686-w64-mingw32-objdump -f "$exe" | grep -q 'i386' || fail "not i386"
! i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' || fail "carries debug sections"

system_dlls='^(advapi32|comctl32|gdi32|gdiplus|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|wininet|crypt32|wintrust|version|uxtheme|ws2_32)\.dll$'
while read -r dll; do
  [[ ${dll,,} =~ $system_dlls ]] || fail "imports non-system DLL $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

# The application manifest, resource type 24 (0x18) id 1: its bytes are
# found from the leaf that objdump lists under that type and id.
leaf=$(sed -n '/Entry: ID: 0x000018,/,/Leaf:/p' <<<"$headers")
grep -q 'Entry: ID: 0x000001,' <<<"$leaf" || fail "no manifest resource of id 1"
read -r address size < <(sed -n 's/.*Leaf: Addr: \(0x[0-9a-f]*\), Size: \(0x[0-9a-f]*\).*/\1 \2/p' <<<"$leaf")
base=0x$(sed -n 's/^ImageBase[[:space:]]*//p' <<<"$headers")
start=$((base + address))
manifest=$(i686-w64-mingw32-objdump -s -j .rsrc --start-address=$start \
  --stop-address=$((start + size)) "$exe" |
  awk '/^ [0-9a-f]+ / { n = split(substr($0, 1, index($0, "  ") - 1), f, " ")
                        for (i = 2; i <= n; i++) printf "%s", f[i] }' | xxd -r -p | tr -s ' \n' ' ')
has() { grep -qF "$1" <<<"$manifest" || fail "the manifest lacks $1"; }
has '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'
has 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
          1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  has "<supportedOS Id=\"{$os}\"/>"
done
has '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">false</dpiAware>'

# FileVersion is stored as UTF-16 in the version resource.
utf16=$(printf '%s' "$version" | iconv -f ascii -t utf-16le | od -An -tx1 | tr -d ' \n')
od -An -tx1 -v "$exe" | tr -d ' \n' | grep -q "$utf16" || fail "FileVersion $version not found"
echo "ok: PE32 i386 GUI, system DLLs only, manifest, FileVersion $version, no debug sections"
