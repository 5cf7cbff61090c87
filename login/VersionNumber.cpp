#include "login/VersionNumber.h"

#include <cwchar>

long VersionNumber(const std::wstring& versionText) {
    std::wstring digits;
    for (wchar_t c : versionText)
        if (c != L'.')
            digits += c;
    return wcstol(digits.c_str(), nullptr, 10);
}
