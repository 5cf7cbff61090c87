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
