#include "app/Uninstall.h"

#include "app/BrowserEngineMode.h"
#include "app/ShellRemoval.h"
#include "app/UninstallPaths.h"
#include "framework/FileCompare.h"
#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "resources/resource.h"
#include "ui/CustomMessageBox.h"
#include "update/SelfReplace.h"

#include <windows.h>
#include <shlobj.h>

namespace {

void RecycleAndNotify(const std::wstring& path) {
    if (!RecycleDelete(path))
        return;
    std::wstring notified = path;
    NotifyShellRemoved(notified);
}

// The list of installed programs under root would otherwise keep an entry
// whose uninstall command starts a deleted file. An entry that names another
// installed file belongs to that installation and stays.
void RemoveUninstallEntry(HKEY root, const std::wstring& installedPath) {
    HKEY raw = nullptr;
    const REGSAM access = KEY_ALL_ACCESS | KEY_WOW64_64KEY;
    if (RegOpenKeyExW(root, kUninstallKey, 0, access, &raw) != ERROR_SUCCESS)
        return;
    fw::UniqueRegKey uninstall(raw);
    std::wstring entryName = fw::LoadResString(IDS_UNINSTALL_DISPLAY_NAME);
    if (RegOpenKeyExW(uninstall.Get(), entryName.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                      &raw) != ERROR_SUCCESS)
        return;
    fw::UniqueRegKey entry(raw);
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof(path);
    if (RegGetValueW(entry.Get(), nullptr, L"Path", RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return;
    if (CompareStringOrdinal(path, -1, installedPath.c_str(), -1, TRUE) != CSTR_EQUAL)
        return;
    entry.Reset();
    RegDeleteKeyExW(uninstall.Get(), entryName.c_str(), KEY_WOW64_64KEY, 0);
}

} // namespace

void UninstallConfirm() {
    CCustomMessageBox question;
    std::wstring game = fw::LoadResString(IDS_GAME_NAME);
    question.SetTexts(L"卸载", fw::FormatString(L"您是否确认卸载《%s》？", game.c_str()));
    // Only a clear yes goes on: a box that could not even be shown is no
    // confirmation.
    if (question.DoModal() != IDOK)
        return;

    std::wstring running = fw::ModulePath();
    std::wstring appData = fw::ShellFolderPath(CSIDL_APPDATA);
    if (running.empty() || appData.empty())
        return;
    std::wstring copy = appData + fw::LoadResString(IDS_UNINSTALL_COPY);
    std::wstring copyFolder = copy.substr(0, copy.rfind(L'\\'));
    if (!fw::PathExists(copyFolder))
        CreateDirectoryW(copyFolder.c_str(), nullptr);
    CopyFileW(running.c_str(), copy.c_str(), FALSE);
    StartRelayProcess(copy, L"-u " + running);
}

void UninstallRemove(const std::wstring& commandLine) {
    // The first stage names the installed program, which it has just copied
    // to run this stage: a path that is not absolute, or a file with other
    // bytes than this program's, is not that installation, and nothing is
    // removed for it.
    std::wstring installed = InstalledPathFromCommand(commandLine);
    if (!NamesAbsoluteFile(installed) || !fw::SameFileContent(installed, fw::ModulePath()))
        return;

    ShortcutNames names{fw::LoadResString(IDS_GAME_NAME), fw::LoadResString(IDS_PLATFORM_NAME),
                        fw::LoadResString(IDS_UNINSTALL_NAME),
                        fw::LoadResString(IDS_SHORTCUT_PLATFORM_NAME)};
    ShortcutPaths shortcuts = ComposeShortcutPaths(fw::ShellFolderPath(CSIDL_DESKTOP),
                                                   fw::ShellFolderPath(CSIDL_PROGRAMS), names);
    RecycleAndNotify(shortcuts.desktopShortcut);
    RecycleAndNotify(shortcuts.uninstallShortcut);
    RecycleAndNotify(shortcuts.programShortcut);

    // The executable goes for good; settings and logs go to the Recycle Bin.
    DeleteFileW(installed.c_str());
    RecycleAndNotify(ResourceFolderOf(installed));

    for (const std::wstring* folder : {&shortcuts.gameMenuFolder, &shortcuts.platformMenuFolder})
        if (!folder->empty() && IsDirEmpty(*folder))
            RecycleAndNotify(*folder);

    RemoveBrowserEngineMode(fw::FileNameOf(installed));
    RemoveUninstallEntry(HKEY_CURRENT_USER, installed);
    RemoveUninstallEntry(HKEY_LOCAL_MACHINE, installed);
}
