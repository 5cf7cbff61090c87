// The player's data directory and the settings file inside it.
#pragma once

#include <string>

// Room for a setting's value, terminator included: longer values are cut.
constexpr unsigned kSettingBufferChars = 260;

// %APPDATA%\morvane\vrk\ with its trailing separator; computed once per process.
// Empty when the shell cannot name the application-data folder: then nothing
// is read from or written to the player's profile.
std::wstring GetDataDir();

// The data folder below the given application-data folder; empty for an empty one.
std::wstring DataDirUnder(const std::wstring& appData);

// The settings file handed to the profile functions; empty without a data folder.
std::wstring SettingsFilePath();

// One value of the settings file, or defaultValue when the file, the section or
// the key is missing, or when there is no data folder; at most
// kSettingBufferChars - 1 characters.
std::wstring ReadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue);

// Writes one value; the file is created when missing (its folder is not).
// Without a data folder nothing is written.
void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value);
