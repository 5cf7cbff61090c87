// The update's work on local files: digests, file versions, the log bound,
// the update object's paths and a replacement that finds the file locked.
#include "update/FileVersion.h"
#include "update/Md5.h"
#include "update/SelfReplace.h"
#include "update/UpdateModule.h"
#include "update/UpdateRules.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "tests/update/UpdateTestSupport.h"
#include "version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <thread>

namespace {

std::wstring ScratchFile(const wchar_t* name) {
    std::wstring folder = test::AppDataFolder() + L"\\update-files";
    test::MakeDirectories(folder);
    return folder + L"\\" + name;
}

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path);
    return full.substr(0, full.find_last_of(L'\\') + 1);
}

TEST(FileMd5, DigestsOfKnownContents) {
    std::wstring path = ScratchFile(L"md5.bin");
    test::WriteBytes(path, "");
    std::wstring hex;
    ASSERT_TRUE(FileMd5Hex(path, hex));
    EXPECT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", hex);

    test::WriteBytes(path, "abc");
    hex.clear();
    ASSERT_TRUE(FileMd5Hex(path, hex));
    EXPECT_EQ(L"900150983cd24fb0d6963f7d28e17f72", hex);

    // Zero bytes and more than one transfer chunk are hashed too.
    test::WriteBytes(path, std::string(3000, '\0'));
    hex.clear();
    ASSERT_TRUE(FileMd5Hex(path, hex));
    EXPECT_EQ(L"0efa007088f326bbc072c34315f3edb8", hex);
}

TEST(FileMd5, AppendsToTheOutputAndLeavesItAloneOnFailure) {
    std::wstring path = ScratchFile(L"md5-append.bin");
    test::WriteBytes(path, "abc");
    std::wstring hex = L"md5=";
    ASSERT_TRUE(FileMd5Hex(path, hex));
    EXPECT_EQ(L"md5=900150983cd24fb0d6963f7d28e17f72", hex);

    std::wstring untouched = L"kept";
    EXPECT_FALSE(FileMd5Hex(ScratchFile(L"no-such-file.bin"), untouched));
    EXPECT_EQ(L"kept", untouched);
    // A file too large for memory fails the digest instead of ending the process.
    auto noMemory = [](DWORD) -> std::vector<BYTE> { throw std::bad_alloc(); };
    EXPECT_FALSE(FileMd5Hex(path, untouched, noMemory));
    EXPECT_EQ(L"kept", untouched);
}

TEST(FileVersion, RunningExecutableAnswersItsFileVersion) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(fw::ToWide(LANDER_FILEVERSION_TEXT), GetFileVersionString(path));
}

TEST(FileVersion, MissingFileAndFileWithoutVersion) {
    EXPECT_EQ(L"", GetFileVersionString(ScratchFile(L"absent.exe")));
    std::wstring plain = ScratchFile(L"plain.exe");
    test::WriteBytes(plain, "not an executable");
    EXPECT_EQ(L"None VerSion Supprot", GetFileVersionString(plain));
}

TEST(FileVersion, SeveralTranslationsFollowEachOther) {
    std::wstring fixture = ExecutableFolder() + L"update_version_fixture.dll";
    ASSERT_TRUE(test::FileExists(fixture));
    EXPECT_EQ(L"2.0.0.1 en2.0.0.1 zh", GetFileVersionString(fixture));
    // A value is bounded by the length the system reports, terminated or not.
    EXPECT_EQ(L"1.2.", VersionValueText(L"1.2.3.4", 4) + VersionValueText(L"\0junk", 5));
}

TEST(FileVersion, ReportedLengthsAreBoundedByTheResourceCopy) {
    char copy[64] = {};
    EXPECT_EQ(16u, BytesInsideResource(copy, sizeof(copy), copy + 8, 16));
    EXPECT_EQ(8u, BytesInsideResource(copy, sizeof(copy), copy + 56, 4000));
    EXPECT_EQ(0u, BytesInsideResource(copy, sizeof(copy), copy + 64, 4));
    EXPECT_EQ(0u, BytesInsideResource(copy + 8, 56, copy, 4));
    EXPECT_EQ(0u, BytesInsideResource(copy, sizeof(copy), nullptr, 4));
}

class UpdateLogTrim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res")); }
    void TearDown() override { test::RemoveTree(GetDataDir()); }

    static void MakeLogOfSize(uint64_t size) {
        fw::UniqueHandle file(CreateFileW(UpdateLogPath().c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.Valid());
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(size);
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
};

TEST_F(UpdateLogTrim, TenMebibytesStayOneByteMoreIsDeleted) {
    MakeLogOfSize(kUpdateLogLimitBytes);
    TrimUpdateLog(UpdateLogPath());
    EXPECT_TRUE(test::FileExists(UpdateLogPath()));

    MakeLogOfSize(kUpdateLogLimitBytes + 1);
    TrimUpdateLog(UpdateLogPath());
    EXPECT_FALSE(test::FileExists(UpdateLogPath()));

    TrimUpdateLog(UpdateLogPath());
    EXPECT_FALSE(test::FileExists(UpdateLogPath()));
}

TEST_F(UpdateLogTrim, LogHeldByAWriterIsLeftForTheNextPass) {
    MakeLogOfSize(kUpdateLogLimitBytes + 1);
    fw::UniqueHandle writer(CreateFileW(UpdateLogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer.Valid());
    TrimUpdateLog(UpdateLogPath());
    writer.Reset();
    EXPECT_TRUE(test::FileExists(UpdateLogPath()));
}

TEST(UpdateModulePaths, UnknownApplicationDataFolderLeavesNothingToDo) {
    EXPECT_EQ(L"", DataDirUnder(L""));
    ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res"));
    CUpdateModule module(L"\\q7vktmp.exe", L"\\morvane\\vrk\\", nullptr, L"");
    EXPECT_EQ(L"", module.CacheFile() + module.InstallFile());
    module.DownloadUpdate(L"http://127.0.0.1:1/download/vrk_client.exe");
    EXPECT_FALSE(test::FileExists(UpdateLogPath()));
    test::RemoveTree(GetDataDir());
}

TEST(UpdateModulePaths, CacheFolderIsMadeAndStaleDownloadDeleted) {
    std::wstring cacheFolder = test::AppDataFolder() + L"\\cache";
    test::RemoveTree(cacheFolder);
    {
        CUpdateModule module(L"\\q7vktmp.exe", L"\\morvane\\vrk\\");
        EXPECT_EQ(cacheFolder + L"\\q7vktmp.exe", module.CacheFile());
        EXPECT_EQ(test::AppDataFolder() + L"\\morvane\\vrk\\" + fw::ModuleFileName(),
                  module.InstallFile());
        EXPECT_EQ(L"\\morvane\\vrk\\", module.DataFolder());
        EXPECT_TRUE(test::FileExists(cacheFolder));
        EXPECT_FALSE(test::FileExists(module.CacheFile()));
    }
    test::WriteBytes(cacheFolder + L"\\q7vktmp.exe", "partial download");
    CUpdateModule again(L"\\q7vktmp.exe", L"\\morvane\\vrk\\");
    EXPECT_FALSE(test::FileExists(again.CacheFile()));
}

class ApplyUpdateFailure : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res")); }
    void TearDown() override { test::RemoveTree(GetDataDir()); }
};

TEST_F(ApplyUpdateFailure, LockedInstallFileIsLoggedWithTheSharingError) {
    std::wstring install = GetDataDir() + L"Lander_Q7 copy.exe";
    test::WriteBytes(install, "old executable");
    {
        fw::UniqueHandle holder(
            CreateFileW(install.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder.Valid());
        ApplyUpdate(install);
    }
    EXPECT_EQ("old executable", test::ReadBytes(install));
    EXPECT_FALSE(test::FileExists(install + L".new"));
    std::vector<std::wstring> expected = {L"Update failure.Error Code:32",
                                          L"====================="};
    EXPECT_EQ(expected, test::UpdateLogMessages());
}

// Writes half of the file, then fails as a full disk does.
bool CopyHalfThenFail(const std::wstring& from, const std::wstring& to) {
    std::string bytes = test::ReadBytes(from);
    test::WriteBytes(to, bytes.substr(0, bytes.size() / 2));
    SetLastError(ERROR_DISK_FULL);
    return false;
}

TEST_F(ApplyUpdateFailure, ReplacementFailingHalfwayLeavesTheInstalledFileWhole) {
    std::wstring install = GetDataDir() + L"Lander_Q7.exe";
    std::string installed = test::ReadBytes(fw::ModulePath()) + "installed";
    test::WriteBytes(install, installed);
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL),
              ReplaceInstalledFile(fw::ModulePath(), install, CopyHalfThenFail));
    EXPECT_EQ(installed, test::ReadBytes(install));
    EXPECT_FALSE(test::FileExists(install + L".new"));

    // A holder that lets go within the wait: the replacement goes through.
    HANDLE holder = CreateFileW(install.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    std::thread release([holder] {
        Sleep(1000);
        CloseHandle(holder);
    });
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ReplaceInstalledFile(fw::ModulePath(), install));
    release.join();
    EXPECT_EQ(test::ReadBytes(fw::ModulePath()), test::ReadBytes(install));
    EXPECT_FALSE(test::FileExists(install + L".new"));
}

TEST_F(ApplyUpdateFailure, MissingInstallFolderIsLoggedWithItsCode) {
    ApplyUpdate(GetDataDir() + L"no folder\\Lander_Q7.exe");
    std::vector<std::wstring> expected = {L"Update failure.Error Code:3", L"====================="};
    EXPECT_EQ(expected, test::UpdateLogMessages());
}

} // namespace
