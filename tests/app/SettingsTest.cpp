// The data directory and the settings file, against real files in the test's
// own application-data folder.
#include "app/Settings.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::RemoveTree(GetDataDir());
        ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res"));
    }
    void TearDown() override { test::RemoveTree(GetDataDir()); }

    // The settings file's path as the profile functions see it.
    std::wstring Path() const { return SettingsFilePath(); }
};

TEST(DataDir, IsTheProfileFolderWithTrailingSeparator) {
    wchar_t appData[MAX_PATH] = {};
    ASSERT_HRESULT_SUCCEEDED(
        SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData));
    EXPECT_EQ(std::wstring(appData) + L"\\morvane\\vrk\\", GetDataDir());
    EXPECT_EQ(GetDataDir() + L"res//systemset.ini", SettingsFilePath());
}

TEST(DataDir, IsComputedOncePerProcess) {
    std::wstring first = GetDataDir();
    test::ScopedAppDataOverride moved(L"C:\\windows");
    wchar_t now[MAX_PATH] = {};
    ASSERT_HRESULT_SUCCEEDED(
        SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, now));
    ASSERT_EQ(std::wstring(L"C:\\windows"), now);
    EXPECT_EQ(first, GetDataDir());
}

TEST_F(SettingsFile, MissingFileGivesTheReadersDefaults) {
    DeleteFileW(Path().c_str());
    EXPECT_EQ(L"0", ReadSetting(L"Start", L"firststart", L"0"));
    EXPECT_EQ(L"-1", ReadSetting(L"Setting", L"start", L"-1"));
    EXPECT_EQ(L"", ReadSetting(L"Info", L"code", L""));
}

TEST_F(SettingsFile, ReadsTheDefaultFileAndFallsBackForMissingKeys) {
    test::WriteBytes(Path(), "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n[Setting]\r\nsoundoff=0\r\n"
                             "autostart=0\r\nautologin=0\r\nscreenshots=Ctrl+Shift+A\r\n"
                             "screentoggle=F10\r\nfullscreen=F11\r\n[Start]\r\nfirststart=1\r\n");
    EXPECT_EQ(L"F10", ReadSetting(L"Setting", L"screentoggle", L"0"));
    EXPECT_EQ(L"Ctrl+Shift+A", ReadSetting(L"Setting", L"screenshots", L""));
    EXPECT_EQ(L"1", ReadSetting(L"Start", L"firststart", L"0"));
    EXPECT_EQ(L"", ReadSetting(L"Info", L"code", L"x"));
    EXPECT_EQ(L"-1", ReadSetting(L"Setting", L"start", L"-1"));
    EXPECT_EQ(L"7", ReadSetting(L"Nowhere", L"rem", L"7"));
}

TEST_F(SettingsFile, WriteCreatesTheFileAndKeepsOtherKeys) {
    DeleteFileW(Path().c_str());
    WriteSetting(L"Setting", L"start", L"1001");
    WriteSetting(L"Start", L"firststart", L"0");
    WriteSetting(L"Setting", L"autologin", L"1");
    EXPECT_EQ(L"1001", ReadSetting(L"Setting", L"start", L"-1"));
    EXPECT_EQ(L"0", ReadSetting(L"Start", L"firststart", L"1"));
    EXPECT_EQ(L"1", ReadSetting(L"Setting", L"autologin", L"0"));
    std::string bytes = test::ReadBytes(Path());
    EXPECT_NE(std::string::npos, bytes.find("start=1001\r\n")) << bytes;
}

TEST_F(SettingsFile, StartMarkerWithSpacesStillReadsAs1001) {
    test::WriteBytes(Path(), "[Setting]\r\nstart=  1001  \r\n");
    std::wstring value = ReadSetting(L"Setting", L"start", L"-1");
    EXPECT_EQ(1001, _wtoi(value.c_str()));
    test::WriteBytes(Path(), "[Setting]\r\nstart=\r\n");
    EXPECT_NE(1001, _wtoi(ReadSetting(L"Setting", L"start", L"-1").c_str()));
}

TEST_F(SettingsFile, ValuesAreCutTo259Characters) {
    std::string exact(259, 'a');
    std::string longer(260, 'b');
    test::WriteBytes(Path(), "[S]\r\nexact=" + exact + "\r\nlonger=" + longer + "\r\n");
    EXPECT_EQ(std::wstring(259, L'a'), ReadSetting(L"S", L"exact", L""));
    EXPECT_EQ(std::wstring(259, L'b'), ReadSetting(L"S", L"longer", L""));
}

TEST_F(SettingsFile, WriteWithoutTheFolderIsSilentlyLost) {
    test::RemoveTree(GetDataDir());
    WriteSetting(L"Setting", L"start", L"1001");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((GetDataDir() + L"res").c_str()));
    EXPECT_EQ(L"-1", ReadSetting(L"Setting", L"start", L"-1"));
}

} // namespace
