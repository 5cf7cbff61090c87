#include "framework/Strings.h"

#include <cstdarg>
#include <algorithm>
#include <cwchar>
#include <vector>

namespace fw {

std::wstring FormatString(const wchar_t* format, ...) {
    // Measured first, so that a format the C runtime cannot carry out (a
    // field width beyond int, say) ends here instead of in a buffer that
    // grows until memory runs out.
    va_list args;
    va_start(args, format);
    int length = _vscwprintf(format, args);
    va_end(args);
    if (length < 0 || static_cast<size_t>(length) > kMaxFormattedChars)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    va_start(args, format);
    int written = _vsnwprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (written < 0)
        return std::wstring();
    return std::wstring(buffer.data(), std::min(static_cast<size_t>(written), buffer.size() - 1));
}

std::wstring LoadResString(UINT id, HINSTANCE module) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    const wchar_t* text = nullptr;
    // A zero buffer length answers a read-only pointer to the resource itself.
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::wstring();
    return std::wstring(text, length);
}

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty())
        return std::wstring();
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(length, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length);
    return result;
}

std::string ToNarrow(const std::wstring& text, UINT codePage) {
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string result(length, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length, nullptr, nullptr);
    return result;
}

} // namespace fw
