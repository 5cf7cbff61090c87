// The uninstall relay with real processes: an installation made by the first
// run (with the real program as its installed executable), the registered
// uninstall command, and its question answered from here.
#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/WinApp.h"
#include "login/FirstStartSetup.h"
#include "tests/support/TestFiles.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

namespace {

const wchar_t kEntryKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvane《Vorrak》";
const wchar_t kProfileKey[] =
    L"Software\\应用程序向导生成的本地应用程序\\uninstall_tests\\Morvane《Vorrak》";

bool KeyExists(HKEY root, const wchar_t* key) {
    HKEY raw = nullptr;
    bool found = RegOpenKeyExW(root, key, 0, KEY_READ | KEY_WOW64_64KEY, &raw) == ERROR_SUCCESS;
    fw::UniqueRegKey closer(raw);
    return found;
}

// Runs the registered command and answers its question with button.
void RunRegisteredUninstall(WORD button) {
    wchar_t command[MAX_PATH] = {};
    DWORD bytes = sizeof(command);
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_LOCAL_MACHINE, kEntryKey, L"UninstallString",
                                          RRF_RT_REG_SZ, nullptr, command, &bytes));
    fw::UniqueHandle first = test::StartProcess(nullptr, command);
    HWND question = nullptr;
    for (int i = 0; i < 400 && !question; ++i, Sleep(50))
        question = FindWindowW(L"#32770", nullptr);
    ASSERT_NE(nullptr, question) << "no question was shown";
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first.Get(), 20000));
}

TEST(Uninstall, RelayRemovesTheInstallationOnlyWhenConfirmed) {
    fw::OleInitializer ole;
    fw::CWinApp app;
    app.SetRegistryKey(L"应用程序向导生成的本地应用程序");
    RunFirstStartSetup();
    std::wstring installed = GetDataDir() + L"uninstall_tests.exe";
    ASSERT_TRUE(CopyFileW(L"Z:" LANDER_PROGRAM_EXE, installed.c_str(), FALSE));
    std::wstring appData = fw::ShellFolderPath(CSIDL_APPDATA);
    std::wstring menu = fw::ShellFolderPath(CSIDL_PROGRAMS) + L"\\Morvane";
    std::wstring ours[] = {fw::ShellFolderPath(CSIDL_DESKTOP) + L"\\Morvane《Vorrak》.lnk",
                           menu + L"\\Vorrak\\《Vorrak》.lnk",
                           menu + L"\\Vorrak\\卸载-《Vorrak》.lnk", installed,
                           GetDataDir() + L"res\\systemset.ini"};

    RunRegisteredUninstall(IDCANCEL);
    for (const std::wstring& path : ours)
        EXPECT_TRUE(test::FileExists(path)) << path;
    EXPECT_FALSE(test::FileExists(appData + L"\\cache\\q7vktmpu.exe"));

    // An empty installed path must not mean "\res" at the drive's root; a
    // resource folder too long for the delete list must not be cut down to
    // another folder ("...\r" here).
    std::wstring deep = appData + L"\\" + std::wstring(251 - appData.size(), L'd');
    std::wstring strangers[] = {L"C:\\res\\keep", deep + L"\\res\\keep", deep + L"\\r\\keep"};
    for (const std::wstring& path : strangers) {
        test::MakeDirectories(path.substr(0, path.rfind(L'\\')));
        test::WriteBytes(path, "not the installation's");
    }
    for (std::wstring line : {std::wstring(L"-u "), L"-u " + deep + L"\\Lander_Q7.exe"}) {
        fw::UniqueHandle remove = test::StartProcess(L"Z:" LANDER_PROGRAM_EXE, line);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(remove.Get(), 20000));
    }
    for (const std::wstring& path : strangers)
        EXPECT_TRUE(test::FileExists(path)) << path;
    EXPECT_TRUE(test::FileExists(installed));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kEntryKey));

    RunFirstStartSetup();
    test::WriteBytes(menu + L"\\Other.lnk", "another program's shortcut");
    RunRegisteredUninstall(IDOK);
    // The uninstall entry goes last.
    for (int i = 0; i < 400 && KeyExists(HKEY_LOCAL_MACHINE, kEntryKey); ++i)
        Sleep(50);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
    for (const std::wstring& path : ours)
        EXPECT_FALSE(test::FileExists(path)) << path;
    EXPECT_FALSE(test::FileExists(GetDataDir() + L"res"));
    EXPECT_FALSE(test::FileExists(menu + L"\\Vorrak"));
    EXPECT_TRUE(test::FileExists(menu + L"\\Other.lnk"));
    for (const std::wstring& path : {GetDataDir(), appData + L"\\cache\\q7vktmpu.exe"})
        EXPECT_TRUE(test::FileExists(path)) << path;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProfileKey));
}

} // namespace
