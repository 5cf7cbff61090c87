// Reading and converting the stand-in's path variables.
#include "EnvironmentPath.h"

#include <windows.h>

namespace standin {

std::wstring WindowsPath(const std::wstring& value) {
    if (value.empty() || value[0] != L'/')
        return value;
    std::wstring path = L"Z:" + value;
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

std::wstring PathFromEnvironment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2)
        return {};
    return WindowsPath(value);
}

} // namespace standin
