#include "browser/ShellSeam.h"

#include <shellapi.h>

namespace shellseam {

ShellExecuteProc shellExecute = ShellExecuteW;
DebugOutputProc outputDebugString = OutputDebugStringW;

namespace {

bool HasScheme(const std::wstring& url, const wchar_t* scheme) {
    const size_t length = wcslen(scheme);
    return url.size() > length && url[length] == L':' &&
           CompareStringOrdinal(url.c_str(), static_cast<int>(length), scheme,
                                static_cast<int>(length), TRUE) == CSTR_EQUAL;
}

// An address of the http or https scheme, in any case.
bool IsWebAddress(const std::wstring& url) {
    return HasScheme(url, L"http") || HasScheme(url, L"https");
}

} // namespace

void OpenInDefaultBrowser(const std::wstring& url) {
    if (IsWebAddress(url))
        shellExecute(nullptr, L"Open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    else
        outputDebugString((L"新窗口地址已忽略:" + url + L"\r\n").c_str());
}

} // namespace shellseam
