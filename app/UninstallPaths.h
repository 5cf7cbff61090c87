// What the second uninstall stage removes, worked out from its command line and
// the shell's folders. Pure functions, so that the paths that decide what gets
// deleted are checked without touching a file.
#pragma once

#include <cstddef>
#include <string>

// The system's list of installed programs, under HKEY_LOCAL_MACHINE, and
// the current user's own list at the same path under HKEY_CURRENT_USER. The
// first run writes the program's entry in one of them and the uninstall
// removes it, both in the 64-bit view.
inline constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Characters of the list handed to the shell's delete operation: one path and
// the two zeros that end the list.
constexpr std::size_t kDeleteListChars = 256;

// Writes path into list as a list of one path (zero-filled, double-zero
// ended). False, with list left all zeros, for an empty path or one longer
// than kDeleteListChars - 2 characters: cutting it would name another file.
bool FillDeleteList(const std::wstring& path, wchar_t (&list)[kDeleteListChars]);

// The installed executable named by a "-u <path>" command line: everything
// from the fourth character on; empty when nothing follows.
std::wstring InstalledPathFromCommand(const std::wstring& commandLine);

// True for an absolute path that names a file: "C:\...\name" or
// "\\server\...\name", with a name after the last separator.
bool NamesAbsoluteFile(const std::wstring& path);

// The "res" folder beside the installed executable; empty when the path does
// not name an absolute file (NamesAbsoluteFile), so that an empty or relative
// path never turns into a folder at a drive's root or under the current
// directory.
std::wstring ResourceFolderOf(const std::wstring& installedPath);

// Folder and shortcut paths the installation created in the shell's folders.
// A path whose shell folder is unknown (empty) stays empty.
struct ShortcutPaths {
    std::wstring desktopShortcut;
    std::wstring uninstallShortcut;
    std::wstring programShortcut;
    // The game's start-menu folder, then the platform's folder around it.
    std::wstring gameMenuFolder;
    std::wstring platformMenuFolder;
};

struct ShortcutNames {
    std::wstring gameName;       // IDS_GAME_NAME
    std::wstring platformFolder; // IDS_PLATFORM_NAME
    std::wstring uninstallName;  // IDS_UNINSTALL_NAME
    std::wstring publisher;      // IDS_SHORTCUT_PLATFORM_NAME
};

ShortcutPaths ComposeShortcutPaths(const std::wstring& desktopFolder,
                                   const std::wstring& programsFolder, const ShortcutNames& names);
