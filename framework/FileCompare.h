// Whether two files hold the same bytes: the self-update and the uninstall
// both act only on a file that is a copy of the running program.
#pragma once

#include <string>

namespace fw {

// True when both files can be read and hold exactly the same bytes.
bool SameFileContent(const std::wstring& first, const std::wstring& second);

} // namespace fw
