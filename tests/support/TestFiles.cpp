#include "tests/support/TestFiles.h"

#include "framework/Handles.h"

#include <windows.h>
#include <vector>

namespace test {

namespace {
const wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
} // namespace

std::wstring RegistryString(HKEY root, const wchar_t* key, const wchar_t* value) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS)
        return L"<missing>";
    fw::UniqueRegKey opened(raw);
    wchar_t data[1024] = {};
    DWORD bytes = sizeof(data);
    if (RegGetValueW(opened.Get(), nullptr, value, RRF_RT_REG_SZ, nullptr, data, &bytes) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

bool MakeDirectories(const std::wstring& path) {
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == L'\\' || path[i] == L'/') {
            std::wstring level = path.substr(0, i);
            if (level.empty() || level.back() == L':')
                continue;
            CreateDirectoryW(level.c_str(), nullptr);
        }
    }
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& path) {
    std::wstring trimmed = path;
    while (!trimmed.empty() && (trimmed.back() == L'\\' || trimmed.back() == L'/'))
        trimmed.pop_back();
    DWORD attributes = GetFileAttributesW(trimmed.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesW(trimmed.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(trimmed.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    fw::UniqueFindHandle find(FindFirstFileW((trimmed + L"\\*").c_str(), &found));
    if (find) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                RemoveTree(trimmed + L"\\" + name);
        } while (FindNextFileW(find.Get(), &found));
    }
    find.Reset();
    RemoveDirectoryW(trimmed.c_str());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file)
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadBytes(const std::wstring& path) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file)
        return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof(chunk), &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ScopedAppDataOverride::ScopedAppDataOverride(const std::wstring& folder) {
    HKEY raw = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_READ | KEY_WRITE, &raw);
    fw::UniqueRegKey key(raw);
    std::vector<wchar_t> value(MAX_PATH * 2, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.Get(), L"AppData", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(value.data()), &bytes) == ERROR_SUCCESS)
        previous_ = value.data();
    RegSetValueExW(key.Get(), L"AppData", 0, REG_EXPAND_SZ,
                   reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

ScopedAppDataOverride::~ScopedAppDataOverride() {
    HKEY raw = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_WRITE, &raw);
    fw::UniqueRegKey key(raw);
    RegSetValueExW(key.Get(), L"AppData", 0, REG_EXPAND_SZ,
                   reinterpret_cast<const BYTE*>(previous_.c_str()),
                   static_cast<DWORD>((previous_.size() + 1) * sizeof(wchar_t)));
}

} // namespace test
