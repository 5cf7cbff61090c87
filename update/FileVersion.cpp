#include "update/FileVersion.h"

#include "framework/Paths.h"
#include "framework/Strings.h"

#include <windows.h>

#include <vector>

namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

} // namespace

std::wstring GetFileVersionString(const std::wstring& path) {
    if (!fw::PathExists(path))
        return std::wstring();
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
    if (size == 0)
        return L"None VerSion Supprot";
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
        if (VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars) &&
            value)
            result += value;
    }
    return result;
}
