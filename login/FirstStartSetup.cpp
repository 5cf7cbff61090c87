#include "login/FirstStartSetup.h"

#include "app/Settings.h"
#include "app/UninstallPaths.h"
#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "framework/WinApp.h"
#include "login/DefaultFiles.h"
#include "login/ShellLink.h"
#include "login/VersionNumber.h"
#include "resources/resource.h"
#include "update/FileVersion.h"
#include "update/SelfReplace.h"

#include <cwchar>
#include <windows.h>
#include <shlobj.h>

namespace {

const REGSAM kUninstallAccess = KEY_ALL_ACCESS | KEY_WOW64_64KEY;

void CreateFolderIfMissing(const std::wstring& path) {
    if (!fw::PathExists(path))
        CreateDirectoryW(path.c_str(), nullptr);
}

struct InstallEntry {
    std::wstring path;
    std::wstring displayName;
    std::wstring publisher;
    std::wstring uninstallString;
};

void SetStringValue(HKEY key, const wchar_t* name, const std::wstring& data) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// An entry of a list of installed programs, below its open list key, with
// an icon when one is given. A key that already exists keeps its values,
// whoever wrote them. True when the entry exists afterwards.
bool RegisterEntry(HKEY list, const std::wstring& keyName, const InstallEntry& entry,
                   const std::wstring& icon = std::wstring()) {
    DWORD disposition = 0;
    HKEY raw = nullptr;
    if (RegCreateKeyExW(list, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kUninstallAccess, nullptr, &raw, &disposition) != ERROR_SUCCESS)
        return false;
    fw::UniqueRegKey program(raw);
    if (disposition != REG_CREATED_NEW_KEY)
        return true;
    SetStringValue(program.Get(), L"Path", entry.path);
    SetStringValue(program.Get(), L"DisplayName", entry.displayName);
    SetStringValue(program.Get(), L"Publisher", entry.publisher);
    SetStringValue(program.Get(), L"UninstallString", entry.uninstallString);
    if (!icon.empty())
        SetStringValue(program.Get(), L"DisplayIcon", icon);
    return true;
}

// The system's list of installed programs for every user. True when it holds
// the program's entry, found or created.
bool RegisterWithSystem(const std::wstring& keyName, const InstallEntry& entry,
                        MachineUninstallOpen openMachineKey) {
    HKEY raw = nullptr;
    if (openMachineKey(kUninstallAccess, &raw) != ERROR_SUCCESS)
        return false;
    fw::UniqueRegKey uninstall(raw);
    return RegisterEntry(uninstall.Get(), keyName, entry);
}

// The current user's own list, which the system shows beside the machine's
// to that user: the place for a player whom Windows does not let write the
// machine's list. The installed copy is its icon.
void RegisterWithUser(const std::wstring& keyName, const InstallEntry& entry) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kUninstallAccess, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return;
    fw::UniqueRegKey uninstall(raw);
    RegisterEntry(uninstall.Get(), keyName, entry, entry.path);
}

void RegisterInProfile(const std::wstring& section, const InstallEntry& entry) {
    fw::CWinApp* app = fw::CWinApp::Instance();
    if (!app)
        return;
    const wchar_t* s = section.c_str();
    if (app->GetProfileString(s, L"Path", L"no find!") == entry.path)
        return;
    app->WriteProfileString(s, L"Path", entry.path.c_str());
    app->WriteProfileString(s, L"DisplayName", entry.displayName.c_str());
    app->WriteProfileString(s, L"Publisher", entry.publisher.c_str());
    app->WriteProfileString(s, L"UninstallString", entry.uninstallString.c_str());
}

void CreateShortcuts(const std::wstring& installed) {
    std::wstring game = fw::LoadResString(IDS_GAME_NAME);
    std::wstring publisher = fw::LoadResString(IDS_SHORTCUT_PLATFORM_NAME);
    std::wstring menuFolderName = fw::LoadResString(IDS_PLATFORM_NAME);
    std::wstring desktopName = fw::FormatString(L"%s《%s》.lnk", publisher.c_str(), game.c_str());
    std::wstring menuName = fw::FormatString(L"《%s》.lnk", game.c_str());

    std::wstring desktop = fw::ShellFolderPath(CSIDL_DESKTOP);
    bool desktopWanted = _wtoi(fw::LoadResString(IDS_CREATE_DESKTOP_SHORTCUT).c_str()) != 0;
    if (!desktop.empty() && desktopWanted && !fw::PathExists(desktop + L"\\" + desktopName))
        CreateShellLink(desktop, desktopName, installed, L"1", false);

    std::wstring programs = fw::ShellFolderPath(CSIDL_PROGRAMS);
    if (programs.empty())
        return;
    CreateFolderIfMissing(fw::FormatString(L"%s\\%s", programs.c_str(), menuFolderName.c_str()));
    std::wstring menuFolder =
        fw::FormatString(L"%s\\%s\\%s", programs.c_str(), menuFolderName.c_str(), game.c_str());
    CreateFolderIfMissing(menuFolder);
    CreateShellLink(menuFolder, menuName, installed, L"1", false);

    std::wstring uninstallName =
        fw::FormatString(L"%s.lnk", fw::LoadResString(IDS_UNINSTALL_NAME).c_str());
    CreateShellLink(menuFolder, uninstallName, installed, L"-u", true);
}

} // namespace

LONG OpenMachineUninstallKey(REGSAM access, HKEY* key) {
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, access, key);
}

void RunFirstStartSetup(MachineUninstallOpen openMachineKey) {
    // Without the player's profile folder there is nowhere to install to.
    std::wstring dataDir = GetDataDir();
    if (dataDir.empty())
        return;
    std::wstring dataFolder = dataDir.substr(0, dataDir.size() - 1);
    CreateFolderIfMissing(dataFolder.substr(0, dataFolder.find_last_of(L'\\')));
    CreateFolderIfMissing(dataFolder);

    ExtractDefaultFiles(dataFolder);

    std::wstring running = fw::ModulePath();
    std::wstring installed = dataDir + fw::ModuleFileName();
    CreateShortcuts(installed);

    long installedVersion = VersionNumber(GetFileVersionString(installed));
    long runningVersion = VersionNumber(GetFileVersionString(running));

    InstallEntry entry{installed, fw::LoadResString(IDS_GAME_NAME),
                       fw::LoadResString(IDS_SHORTCUT_PLATFORM_NAME), installed + L" -u"};
    std::wstring entryName = fw::LoadResString(IDS_UNINSTALL_DISPLAY_NAME);
    if (!RegisterWithSystem(entryName, entry, openMachineKey))
        RegisterWithUser(entryName, entry);
    RegisterInProfile(entryName, entry);

    if (installedVersion != 0 && installedVersion >= runningVersion)
        return;
    // A copy in use (the player runs it) stays as it is at once: the login
    // goes on with the running program instead of waiting for it.
    ReplaceInstalledFile(running, installed, CopyWholeFile, 0);
    if (_wtoi(ReadSetting(L"Start", L"firststart", L"0").c_str()) != 0) {
        std::wstring pingAddress = fw::LoadResString(IDS_FIRST_START_PING);
        if (!pingAddress.empty())
            SendFirstStartPing(pingAddress);
        WriteSetting(L"Start", L"firststart", L"0");
    }
}
