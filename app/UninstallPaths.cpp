#include "app/UninstallPaths.h"

#include "framework/Strings.h"

#include <algorithm>
#include <cwctype>

bool FillDeleteList(const std::wstring& path, wchar_t (&list)[kDeleteListChars]) {
    std::fill(std::begin(list), std::end(list), L'\0');
    if (path.empty() || path.size() > kDeleteListChars - 2)
        return false;
    std::copy(path.begin(), path.end(), list);
    return true;
}

std::wstring InstalledPathFromCommand(const std::wstring& commandLine) {
    // The separator after "-u" is skipped without being looked at.
    return commandLine.size() > 3 ? commandLine.substr(3) : std::wstring();
}

bool NamesAbsoluteFile(const std::wstring& path) {
    bool drive = path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
    bool share = path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\';
    size_t slash = path.rfind(L'\\');
    // A path ending in a separator names a folder; one of "\\name" alone
    // names no folder to hold the file.
    return (drive || share) && slash >= 2 && slash + 1 < path.size();
}

std::wstring ResourceFolderOf(const std::wstring& installedPath) {
    if (!NamesAbsoluteFile(installedPath))
        return std::wstring();
    return installedPath.substr(0, installedPath.rfind(L'\\')) + L"\\res";
}

ShortcutPaths ComposeShortcutPaths(const std::wstring& desktopFolder,
                                   const std::wstring& programsFolder, const ShortcutNames& names) {
    ShortcutPaths paths;
    if (!desktopFolder.empty()) {
        std::wstring name =
            fw::FormatString(L"%s《%s》.lnk", names.publisher.c_str(), names.gameName.c_str());
        paths.desktopShortcut = fw::FormatString(L"%s\\%s", desktopFolder.c_str(), name.c_str());
    }
    if (programsFolder.empty())
        return paths;
    const wchar_t* programs = programsFolder.c_str();
    const wchar_t* platform = names.platformFolder.c_str();
    const wchar_t* game = names.gameName.c_str();
    std::wstring uninstallName = fw::FormatString(L"%s.lnk", names.uninstallName.c_str());
    std::wstring programName = fw::FormatString(L"《%s》.lnk", game);
    paths.uninstallShortcut =
        fw::FormatString(L"%s\\%s\\%s\\%s", programs, platform, game, uninstallName.c_str());
    paths.programShortcut =
        fw::FormatString(L"%s\\%s\\%s\\%s", programs, platform, game, programName.c_str());
    paths.gameMenuFolder = fw::FormatString(L"%s\\%s\\%s", programs, platform, game);
    paths.platformMenuFolder = fw::FormatString(L"%s\\%s", programs, platform);
    return paths;
}
