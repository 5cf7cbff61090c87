#!/usr/bin/env bash
# The shipped executable is one 32-bit GUI file that needs only the system's
# own DLLs, carries the FileVersion it was built with, and no debug sections.
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

# FileVersion is stored as UTF-16 in the version resource.
utf16=$(printf '%s' "$version" | iconv -f ascii -t utf-16le | od -An -tx1 | tr -d ' \n')
od -An -tx1 -v "$exe" | tr -d ' \n' | grep -q "$utf16" || fail "FileVersion $version not found"
echo "ok: PE32 i386 GUI, system DLLs only, FileVersion $version, no debug sections"
