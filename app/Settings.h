// The player's data directory and the settings file inside it.
#pragma once

#include <string>

// Room for a setting's value, terminator included: longer values are cut.
constexpr unsigned kSettingBufferChars = 260;

// %APPDATA%\morvane\vrk\ with its trailing separator; computed once per process.
std::wstring GetDataDir();

// The settings file handed to the profile functions.
std::wstring SettingsFilePath();

// One value of the settings file, or defaultValue when the file, the section or
// the key is missing; at most kSettingBufferChars - 1 characters.
std::wstring ReadSetting(const wchar_t* section, const wchar_t* key,
                         const wchar_t* defaultValue);

// Writes one value; the file is created when missing (its folder is not).
void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value);
