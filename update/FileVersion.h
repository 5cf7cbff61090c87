// The FileVersion text of an executable's version resource, as the update
// service and the first-run installation read it.
#pragma once

#include <string>

// Empty when the file does not exist; "None VerSion Supprot" when it has no
// version resource; otherwise the FileVersion values of every translation the
// resource lists, in order and without separator (usually just one).
std::wstring GetFileVersionString(const std::wstring& path);
