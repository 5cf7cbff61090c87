#include "update/FileVersion.h"

#include "framework/Paths.h"
#include "framework/Strings.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

} // namespace

std::wstring VersionValueText(const wchar_t* value, unsigned chars) {
    return std::wstring(value, wcsnlen(value, chars));
}

std::wstring GetFileVersionString(const std::wstring& path) {
    if (!fw::PathExists(path))
        return std::wstring();
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
    if (size == 0)
        return kNoVersionText;
    std::vector<BYTE> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data()))
        return std::wstring();

    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &bytes) ||
        !translations)
        return std::wstring();

    std::wstring result;
    for (UINT i = 0; i < bytes / sizeof(Translation); ++i) {
        std::wstring key = fw::FormatString(L"\\StringFileInfo\\%04x%04x\\FileVersion",
                                            translations[i].language, translations[i].codePage);
        wchar_t* value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars) ||
            !value)
            continue;
        // Nor may a length that the resource claims reach past the copy.
        const BYTE* at = reinterpret_cast<const BYTE*>(value);
        if (at < info.data() || at >= info.data() + info.size())
            continue;
        size_t room = static_cast<size_t>(info.data() + info.size() - at) / sizeof(wchar_t);
        result += VersionValueText(value, static_cast<unsigned>(std::min<size_t>(chars, room)));
    }
    return result;
}
