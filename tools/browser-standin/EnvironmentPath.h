// Paths handed to the stand-in through environment variables. Test scripts on
// the Linux side may give Unix paths; Wine's drive Z: is the Unix root.
#pragma once

#include <string>

namespace standin {

// "/tmp/x/log" becomes "Z:\tmp\x\log"; anything else is returned unchanged.
std::wstring WindowsPath(const std::wstring& value);

// The variable's value as a Windows path; empty when unset or unreasonably long.
std::wstring PathFromEnvironment(const wchar_t* name);

} // namespace standin
