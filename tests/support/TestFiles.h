// File and profile helpers shared by the tests.
#pragma once

#include <string>
#include <windows.h>

namespace test {

// Creates every missing folder of path, level by level.
bool MakeDirectories(const std::wstring& path);
// Deletes a folder with everything in it (or a single file); missing is fine.
void RemoveTree(const std::wstring& path);

void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

// A string value of the registry, or "<missing>". Keys are read in the
// 64-bit view, where the program keeps its uninstall entry also as a 32-bit
// process on a 64-bit system.
std::wstring RegistryString(HKEY root, const wchar_t* key, const wchar_t* value);

// Points the shell's application-data folder of the current user somewhere
// else for the life of the object.
class ScopedAppDataOverride {
public:
    explicit ScopedAppDataOverride(const std::wstring& folder);
    ScopedAppDataOverride(const ScopedAppDataOverride&) = delete;
    ScopedAppDataOverride& operator=(const ScopedAppDataOverride&) = delete;
    ~ScopedAppDataOverride();

private:
    std::wstring previous_;
};

} // namespace test
