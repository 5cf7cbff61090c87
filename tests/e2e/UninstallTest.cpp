// The uninstall relay with real processes: an installation made by the first
// run with the real program as its installed file, the registered uninstall
// command, and its question answered from here.
#include "app/Settings.h"
#include "framework/Paths.h"
#include "framework/WinApp.h"
#include "login/FirstStartSetup.h"
#include "tests/support/TestFiles.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

const wchar_t kEntry[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvane《Vorrak》";

bool EntryExists(HKEY root = HKEY_LOCAL_MACHINE) {
    return test::RegistryString(root, kEntry, L"Path") != L"<missing>";
}

// Windows refuses a standard user write access to the machine's list of
// installed programs: the first run lists the program in the user's own.
LONG RefuseMachineList(REGSAM, HKEY*) {
    return ERROR_ACCESS_DENIED;
}

// Runs the registered command and answers its question with button.
void RunRegisteredUninstall(WORD button) {
    std::wstring command = test::RegistryString(HKEY_LOCAL_MACHINE, kEntry, L"UninstallString");
    fw::UniqueHandle first = test::StartProcess(nullptr, command);
    HWND question = nullptr;
    ASSERT_TRUE(test::PumpUntil([&] { return question = FindWindowW(L"#32770", nullptr); }, 20000));
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first.Get(), 20000));
}

TEST(Uninstall, RelayRemovesTheInstallationOnlyWhenConfirmed) {
    fw::OleInitializer ole;
    fw::CWinApp app;
    app.SetRegistryKey(L"应用程序向导生成的本地应用程序");
    RunFirstStartSetup();
    RunFirstStartSetup(RefuseMachineList);
    std::wstring installed = GetDataDir() + L"uninstall_tests.exe";
    EXPECT_EQ(installed, test::RegistryString(HKEY_CURRENT_USER, kEntry, L"DisplayIcon"));
    EXPECT_EQ(installed + L" -u",
              test::RegistryString(HKEY_CURRENT_USER, kEntry, L"UninstallString"));
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

    // An empty installed path must not mean "\res" at the drive's root, nor a
    // resource folder too long for the delete list one cut to "...\r".
    std::wstring deep = appData + L"\\" + std::wstring(251 - appData.size(), L'd');
    std::wstring strangers[] = {L"C:\\res\\keep", deep + L"\\res\\keep", deep + L"\\r\\keep"};
    for (const std::wstring& path : strangers) {
        test::MakeDirectories(path.substr(0, path.rfind(L'\\')));
        test::WriteBytes(path, "not the installation's");
    }
    for (std::wstring line : {std::wstring(L"-u "), L"-u " + deep + L"\\Lander_Q7.exe"})
        WaitForSingleObject(test::StartProcess(L"Z:" LANDER_PROGRAM_EXE, line).Get(), 20000);
    for (const std::wstring& path : strangers)
        EXPECT_TRUE(test::FileExists(path)) << path;

    // Each path is given a planted file and "res" folder; only an absolute
    // path to a copy of the running program loses them, and the shortcuts.
    const std::wstring copy = L"C:\\stage\\Lander_Q7.exe", build = L"C:\\build\\Lander_Q7.exe";
    const struct {
        std::wstring given, file, source;
    } cases[] = {{L"C:\\other\\other.exe", L"C:\\other\\other.exe", fw::ModulePath()},
                 {L"C:\\text\\notes.txt", L"C:\\text\\notes.txt", L""},
                 {L"other.exe", L"C:\\other.exe", L"Z:" LANDER_PROGRAM_EXE},
                 {build, build, L"Z:" LANDER_OTHER_BUILD_EXE},
                 {L"\"" + copy + L"\"", copy, L"Z:" LANDER_PROGRAM_EXE},
                 {copy, copy, L"Z:" LANDER_PROGRAM_EXE}};
    std::string left;
    for (const auto& [given, file, source] : cases) {
        std::wstring kept = file.substr(0, file.rfind(L'\\')) + L"\\res\\keep";
        test::MakeDirectories(kept.substr(0, kept.rfind(L'\\')));
        test::WriteBytes(kept, "planted");
        EXPECT_TRUE(source.empty() ? (test::WriteBytes(file, "text"), true)
                                   : CopyFileW(source.c_str(), file.c_str(), FALSE) != FALSE);
        WaitForSingleObject(test::StartProcess(L"Z:" LANDER_PROGRAM_EXE, L"-u " + given).Get(),
                            20000);
        for (const std::wstring& path : {file, kept, ours[0]})
            left += test::FileExists(path) ? '1' : '0';
    }
    EXPECT_EQ("111111111111111000", left);
    EXPECT_TRUE(test::FileExists(installed) && EntryExists() && EntryExists(HKEY_CURRENT_USER));

    RunFirstStartSetup();
    test::WriteBytes(menu + L"\\Other.lnk", "another program's shortcut");
    RunRegisteredUninstall(IDOK);
    // The entry goes last.
    EXPECT_TRUE(test::PumpUntil([] { return !EntryExists(); }, 20000));
    EXPECT_FALSE(EntryExists(HKEY_CURRENT_USER));
    for (const std::wstring& path : ours)
        EXPECT_FALSE(test::FileExists(path)) << path;
    EXPECT_FALSE(test::FileExists(GetDataDir() + L"res") || test::FileExists(menu + L"\\Vorrak"));
    for (const std::wstring& path :
         {menu + L"\\Other.lnk", GetDataDir(), appData + L"\\cache\\q7vktmpu.exe"})
        EXPECT_TRUE(test::FileExists(path)) << path;
    EXPECT_EQ(installed, app.GetProfileString(L"Morvane《Vorrak》", L"Path", L""));
}

} // namespace
