// The FileVersion text of an executable's version resource, as the update
// service and the first-run installation read it.
#pragma once

#include <string>

// The answer for a file without a version resource.
constexpr wchar_t kNoVersionText[] = L"None VerSion Supprot";

// Empty when the file does not exist; kNoVersionText when it has no
// version resource; otherwise the FileVersion values of every translation the
// resource lists, in order and without separator (usually just one).
std::wstring GetFileVersionString(const std::wstring& path);

// A string value of a version resource: at most the chars characters the
// system reported, up to the first terminator among them. A resource is data
// from the file and need not be terminated where it claims.
std::wstring VersionValueText(const wchar_t* value, unsigned chars);

// How many bytes of a value that the system reports at `at` with `bytes`
// bytes lie inside the copy of the resource [begin, begin + size): all of
// them, fewer when the reported length reaches past the copy, 0 when the
// value does not start inside it.
size_t BytesInsideResource(const void* begin, size_t size, const void* at, size_t bytes);
