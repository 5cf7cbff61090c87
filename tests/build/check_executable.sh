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

# The application manifest: resource type 24 (0x18) with id 1, whose UTF-8
# text is the only place of these parts in the file.
sed -n '/Entry: ID: 0x000018,/,/Leaf:/p' <<<"$headers" | grep -q 'Entry: ID: 0x000001,' ||
  fail "no manifest resource of id 1"
text=$(i686-w64-mingw32-strings -a -n 8 "$exe" | tr -s ' \n' ' ')
# The supported systems: Windows 7, 8, 8.1 and 10/11.
for part in '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' '>false</dpiAware>' \
    35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
    1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  grep -qF -- "$part" <<<"$text" || fail "the manifest lacks $part"
done

# FileVersion is stored as UTF-16 in the version resource.
utf16=$(printf '%s' "$version" | iconv -f ascii -t utf-16le | od -An -tx1 | tr -d ' \n')
od -An -tx1 -v "$exe" | tr -d ' \n' | grep -q "$utf16" || fail "FileVersion $version not found"
echo "ok: PE32 i386 GUI, system DLLs only, manifest, FileVersion $version, no debug sections"
