#include "app/Settings.h"

#include "framework/Paths.h"
#include "framework/Strings.h"
#include "resources/resource.h"

#include <windows.h>
#include <shlobj.h>

namespace {

// The profile functions turn the file's 8-bit text into UTF-16 and back in
// the system's code page, while the program's 8-bit text is in the thread's:
// a value is taken back to the file's bytes and read in the thread's code
// page, and the other way when written. Where the two code pages are the
// same, the value passes unchanged.
std::wstring FromProfileText(const std::wstring& text) {
    return fw::ToWide(fw::ToNarrow(text, CP_ACP));
}

std::wstring ToProfileText(const std::wstring& text) {
    return fw::ToWide(fw::ToNarrow(text), CP_ACP);
}

} // namespace

std::wstring DataDirUnder(const std::wstring& appData) {
    // Without the profile folder there is no place of the player's to use:
    // a path built from nothing would land in the root of the current drive.
    if (appData.empty())
        return std::wstring();
    return appData + L"\\" + fw::LoadResString(IDS_PLATFORM_FOLDER) + L"\\" +
           fw::LoadResString(IDS_GAME_CODE) + L"\\";
}

std::wstring GetDataDir() {
    static std::wstring cached;
    if (cached.empty())
        cached = DataDirUnder(fw::ShellFolderPath(CSIDL_APPDATA));
    return cached;
}

std::wstring SettingsFilePath() {
    std::wstring dataDir = GetDataDir();
    if (dataDir.empty())
        return std::wstring();
    return dataDir + fw::LoadResString(IDS_SETTINGS_FILE);
}

std::wstring ReadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) {
    std::wstring path = SettingsFilePath();
    if (path.empty())
        return defaultValue;
    wchar_t buffer[kSettingBufferChars] = {};
    GetPrivateProfileStringW(section, key, defaultValue, buffer, kSettingBufferChars, path.c_str());
    return FromProfileText(buffer);
}

void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    std::wstring path = SettingsFilePath();
    if (!path.empty())
        WritePrivateProfileStringW(section, key, ToProfileText(value).c_str(), path.c_str());
}
