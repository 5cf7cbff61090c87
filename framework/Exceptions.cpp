#include "framework/Exceptions.h"

#include "framework/Strings.h"

#include <cwchar>

namespace fw {

bool CException::GetErrorMessage(wchar_t* buffer, UINT maxChars) const {
    if (!buffer || maxChars == 0)
        return false;
    std::wstring text = Message();
    size_t count = text.size() < maxChars - 1 ? text.size() : maxChars - 1;
    wmemcpy(buffer, text.data(), count);
    buffer[count] = L'\0';
    return !text.empty();
}

std::wstring SystemErrorText(DWORD error, HMODULE messageModule) {
    wchar_t* text = nullptr;
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                  FORMAT_MESSAGE_FROM_SYSTEM;
    if (messageModule)
        flags |= FORMAT_MESSAGE_FROM_HMODULE;
    DWORD length = FormatMessageW(flags, messageModule, error, 0,
                                  reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring result;
    if (length && text)
        result.assign(text, length);
    LocalFree(text);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r'))
        result.pop_back();
    return result;
}

std::wstring CFileException::Message() const {
    std::wstring text = SystemErrorText(osError_);
    if (text.empty())
        text = FormatString(L"File error %lu", osError_);
    return fileName_.empty() ? text : FormatString(L"%s (%s)", text.c_str(), fileName_.c_str());
}

std::wstring CInternetException::Message() const {
    std::wstring text = SystemErrorText(error_, GetModuleHandleW(L"wininet.dll"));
    return text.empty() ? FormatString(L"Internet error %lu", error_) : text;
}

} // namespace fw
