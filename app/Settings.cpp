#include "app/Settings.h"

#include "framework/Paths.h"
#include "framework/Strings.h"
#include "resources/resource.h"

#include <windows.h>
#include <shlobj.h>

std::wstring GetDataDir() {
    static std::wstring cached;
    if (cached.empty()) {
        cached = fw::ShellFolderPath(CSIDL_APPDATA) + L"\\" +
                 fw::LoadResString(IDS_PLATFORM_FOLDER) + L"\\" + fw::LoadResString(IDS_GAME_CODE) +
                 L"\\";
    }
    return cached;
}

std::wstring SettingsFilePath() {
    return GetDataDir() + fw::LoadResString(IDS_SETTINGS_FILE);
}

std::wstring ReadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) {
    wchar_t buffer[kSettingBufferChars] = {};
    GetPrivateProfileStringW(section, key, defaultValue, buffer, kSettingBufferChars,
                             SettingsFilePath().c_str());
    return buffer;
}

void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, SettingsFilePath().c_str());
}
