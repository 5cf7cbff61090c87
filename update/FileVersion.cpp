#include "update/FileVersion.h"

#include "framework/Paths.h"
#include "framework/Strings.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
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

size_t BytesInsideResource(const void* begin, size_t size, const void* at, size_t bytes) {
    const BYTE* first = static_cast<const BYTE*>(begin);
    const BYTE* value = static_cast<const BYTE*>(at);
    if (!value || value < first || value >= first + size)
        return 0;
    return std::min(bytes, static_cast<size_t>(first + size - value));
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

    // The resource is data from the file: neither the translation list nor
    // a value may be read past the copy, whatever length it claims.
    void* list = nullptr;
    UINT listBytes = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &list, &listBytes))
        return std::wstring();
    size_t entries = BytesInsideResource(info.data(), info.size(), list, listBytes) /
                     sizeof(Translation);

    std::wstring result;
    for (size_t i = 0; i < entries; ++i) {
        Translation translation;
        std::memcpy(&translation, static_cast<const BYTE*>(list) + i * sizeof(Translation),
                    sizeof(Translation));
        std::wstring key = fw::FormatString(L"\\StringFileInfo\\%04x%04x\\FileVersion",
                                            translation.language, translation.codePage);
        void* value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(info.data(), key.c_str(), &value, &chars))
            continue;
        size_t bytes = BytesInsideResource(info.data(), info.size(), value,
                                           static_cast<size_t>(chars) * sizeof(wchar_t));
        result += VersionValueText(static_cast<const wchar_t*>(value),
                                   static_cast<unsigned>(bytes / sizeof(wchar_t)));
    }
    return result;
}
