// Wide-string helpers: printf-style formatting, the string table, and the
// conversions between UTF-16 and 8-bit text.
#pragma once

#include <windows.h>
#include <string>

namespace fw {

// The longest text FormatString produces; every text the program formats is
// a line or a path, far below it.
constexpr size_t kMaxFormattedChars = 1 << 20;

// Formats like the C runtime's wide printf family (%s takes a wide string).
// Empty when the runtime cannot format the arguments or the text would be
// longer than kMaxFormattedChars.
std::wstring FormatString(const wchar_t* format, ...);

// A string of the module's string table; empty when the id is absent.
std::wstring LoadResString(UINT id, HINSTANCE module = nullptr);

// 8-bit text in the given code page to UTF-16 and back; by default in the
// thread's ANSI code page, the one the program's 8-bit text is in.
std::wstring ToWide(const std::string& text, UINT codePage = CP_THREAD_ACP);
std::string ToNarrow(const std::wstring& text, UINT codePage = CP_THREAD_ACP);

} // namespace fw
