// The installation a start leaves in the player's profile: files, shortcuts,
// the uninstall entry and the profile section. The running executable is this
// test program, which carries the program's version resource.
#include "login/FirstStartSetup.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/WinApp.h"
#include "tests/support/TestFiles.h"
#include "update/SelfReplace.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

const wchar_t kEntryKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvane《Vorrak》";
const wchar_t kProfileKey[] =
    L"Software\\应用程序向导生成的本地应用程序\\login_tests\\Morvane《Vorrak》";

struct LinkInfo {
    std::wstring target, arguments, icon;
    int iconIndex = -1;
};

LinkInfo ReadLink(const std::wstring& path) {
    LinkInfo info;
    fw::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.PutVoid())))
        return info;
    fw::ComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(path.c_str(), STGM_READ)))
        return info;
    wchar_t text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    info.target = text;
    link->GetArguments(text, MAX_PATH);
    info.arguments = text;
    text[0] = 0;
    link->GetIconLocation(text, MAX_PATH, &info.iconIndex);
    info.icon = text;
    return info;
}

// Saves a shortcut at path that starts target, as a player or another
// program might have left it.
bool WriteLink(const std::wstring& path, const std::wstring& target) {
    fw::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.PutVoid())))
        return false;
    fw::ComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
    return file && SUCCEEDED(link->SetPath(target.c_str())) &&
           SUCCEEDED(link->SetArguments(L"elsewhere")) && SUCCEEDED(file->Save(path.c_str(), TRUE));
}

class FirstStart : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app_.SetRegistryKey(L"应用程序向导生成的本地应用程序"); }

    void SetUp() override {
        ASSERT_TRUE(ole_.Succeeded());
        Clean();
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        test::RemoveTree(GetDataDir());
        test::RemoveTree(DesktopLink());
        test::RemoveTree(fw::ShellFolderPath(CSIDL_PROGRAMS) + L"\\Morvane");
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kEntryKey, KEY_WOW64_64KEY, 0);
        RegDeleteKeyW(HKEY_CURRENT_USER, kProfileKey);
    }

    static std::wstring DesktopLink() {
        return fw::ShellFolderPath(CSIDL_DESKTOP) + L"\\Morvane《Vorrak》.lnk";
    }
    static std::wstring MenuFolder() {
        return fw::ShellFolderPath(CSIDL_PROGRAMS) + L"\\Morvane\\Vorrak";
    }
    static std::wstring Installed() { return GetDataDir() + L"login_tests.exe"; }

    fw::OleInitializer ole_;
    static fw::CWinApp app_;
};

fw::CWinApp FirstStart::app_;

TEST_F(FirstStart, FirstRunLeavesTheWholeInstallation) {
    RunFirstStartSetup();

    EXPECT_EQ(test::ReadBytes(fw::ModulePath()), test::ReadBytes(Installed()));
    EXPECT_TRUE(test::FileExists(GetDataDir() + L"res\\systemset.ini"));
    EXPECT_TRUE(test::FileExists(GetDataDir() + L"res\\uninstall.ico"));
    EXPECT_EQ(L"1001", ReadSetting(L"Setting", L"start", L"-1"));
    // The shipped settings ask for the first-start step, which resets the flag.
    EXPECT_EQ(L"0", ReadSetting(L"Start", L"firststart", L"1"));

    LinkInfo desktop = ReadLink(DesktopLink());
    EXPECT_EQ(Installed(), desktop.target);
    EXPECT_EQ(L"1", desktop.arguments);

    LinkInfo menu = ReadLink(MenuFolder() + L"\\《Vorrak》.lnk");
    EXPECT_EQ(Installed(), menu.target);
    EXPECT_EQ(L"1", menu.arguments);

    LinkInfo uninstall = ReadLink(MenuFolder() + L"\\卸载-《Vorrak》.lnk");
    EXPECT_EQ(Installed(), uninstall.target);
    EXPECT_EQ(L"-u", uninstall.arguments);
    EXPECT_EQ(GetDataDir() + L"res\\uninstall.ico", uninstall.icon);
    EXPECT_EQ(0, uninstall.iconIndex);

    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        const wchar_t* key = root == HKEY_LOCAL_MACHINE ? kEntryKey : kProfileKey;
        EXPECT_EQ(Installed(), test::RegistryString(root, key, L"Path"));
        EXPECT_EQ(L"Vorrak", test::RegistryString(root, key, L"DisplayName"));
        EXPECT_EQ(L"Morvane", test::RegistryString(root, key, L"Publisher"));
        EXPECT_EQ(Installed() + L" -u", test::RegistryString(root, key, L"UninstallString"));
    }
}

TEST_F(FirstStart, LaterRunRestoresDeletedShortcuts) {
    RunFirstStartSetup();
    ASSERT_TRUE(DeleteFileW(DesktopLink().c_str()));
    ASSERT_TRUE(DeleteFileW((MenuFolder() + L"\\《Vorrak》.lnk").c_str()));
    RunFirstStartSetup();
    EXPECT_EQ(Installed(), ReadLink(DesktopLink()).target);
    EXPECT_EQ(Installed(), ReadLink(MenuFolder() + L"\\《Vorrak》.lnk").target);
}

TEST_F(FirstStart, LaterRunKeepsDesktopShortcutButRewritesStartMenu) {
    RunFirstStartSetup();
    // Point every shortcut at another existing program.
    const std::wstring other = GetDataDir() + L"elsewhere.exe";
    test::WriteBytes(other, "another program");
    const std::wstring menu = MenuFolder() + L"\\《Vorrak》.lnk";
    const std::wstring uninstall = MenuFolder() + L"\\卸载-《Vorrak》.lnk";
    for (const std::wstring& path : {DesktopLink(), menu, uninstall}) {
        ASSERT_TRUE(WriteLink(path, other));
        ASSERT_EQ(other, ReadLink(path).target);
    }

    RunFirstStartSetup();

    // The desktop shortcut is the player's once it exists.
    LinkInfo desktop = ReadLink(DesktopLink());
    EXPECT_EQ(other, desktop.target);
    EXPECT_EQ(L"elsewhere", desktop.arguments);
    // The Start-menu shortcuts are written on every run.
    LinkInfo start = ReadLink(menu);
    EXPECT_EQ(Installed(), start.target);
    EXPECT_EQ(L"1", start.arguments);
    LinkInfo remove = ReadLink(uninstall);
    EXPECT_EQ(Installed(), remove.target);
    EXPECT_EQ(L"-u", remove.arguments);
}

TEST_F(FirstStart, InstalledCopyOfTheSameVersionIsNotReplaced) {
    RunFirstStartSetup();
    // Same version resource, different bytes: a copy would lose the tail.
    std::string marked = test::ReadBytes(Installed()) + "installed-copy-marker";
    test::WriteBytes(Installed(), marked);
    RunFirstStartSetup();
    EXPECT_EQ(marked, test::ReadBytes(Installed()));
}

TEST_F(FirstStart, InstalledCopyWithoutVersionIsReplaced) {
    ASSERT_TRUE(test::MakeDirectories(GetDataDir()));
    test::WriteBytes(Installed(), "not a program");
    RunFirstStartSetup();
    EXPECT_EQ(test::ReadBytes(fw::ModulePath()), test::ReadBytes(Installed()));
    EXPECT_FALSE(test::FileExists(Installed() + L".new"));
}

TEST_F(FirstStart, ExistingEntriesAreLeftAlone) {
    HKEY raw = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kEntryKey, 0, nullptr, 0,
                                             KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &raw,
                                             nullptr));
    fw::UniqueRegKey key(raw);
    const wchar_t other[] = L"C:\\elsewhere\\Lander_Q7.exe";
    RegSetValueExW(key.Get(), L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(other),
                   sizeof(other));

    RunFirstStartSetup();
    EXPECT_EQ(other, test::RegistryString(HKEY_LOCAL_MACHINE, kEntryKey, L"Path"));
    EXPECT_EQ(L"<missing>", test::RegistryString(HKEY_LOCAL_MACHINE, kEntryKey, L"DisplayName"));

    // A profile section that already names the installed copy is not rewritten.
    ASSERT_TRUE(app_.WriteProfileString(L"Morvane《Vorrak》", L"Publisher", L"changed"));
    RunFirstStartSetup();
    EXPECT_EQ(L"changed", test::RegistryString(HKEY_CURRENT_USER, kProfileKey, L"Publisher"));
}

// A copy that fails halfway (a full disk) and an installed copy in use both
// leave the installed program whole, at once, and no staged copy behind.
TEST_F(FirstStart, InstalledCopyIsReplacedWholeOrNotAtAll) {
    ASSERT_TRUE(test::MakeDirectories(GetDataDir()));
    test::WriteBytes(Installed(), "the installed program");
    CopyStep halfCopy = [](const std::wstring& from, const std::wstring& to) {
        test::WriteBytes(to, test::ReadBytes(from).substr(0, 4096));
        SetLastError(ERROR_DISK_FULL);
        return false;
    };
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL),
              ReplaceInstalledFile(fw::ModulePath(), Installed(), halfCopy, 0));
    fw::UniqueHandle running(CreateFileW(Installed().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD started = GetTickCount();
    EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS),
              ReplaceInstalledFile(fw::ModulePath(), Installed(), CopyWholeFile, 0));
    EXPECT_LT(GetTickCount() - started, 4000u) << "waited for the file in use";
    running.Reset();
    EXPECT_EQ("the installed program", test::ReadBytes(Installed()));
    EXPECT_FALSE(test::FileExists(Installed() + L".new"));
}

} // namespace
