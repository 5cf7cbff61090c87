// Unpacking the embedded default files into the data folder.
#include "login/DefaultFiles.h"

#include "app/Settings.h"
#include "login/VersionNumber.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const char kDefaultSettings[] =
    "[Info]\r\ncode=\r\npwd=\r\nrem=1\r\n[Setting]\r\nsoundoff=0\r\nautostart=0\r\n"
    "autologin=0\r\nscreenshots=Ctrl+Shift+A\r\nscreentoggle=F10\r\nfullscreen=F11\r\n"
    "[Start]\r\nfirststart=1\r\n";

class DefaultFiles : public ::testing::Test {
protected:
    void SetUp() override {
        test::RemoveTree(GetDataDir());
        ASSERT_TRUE(test::MakeDirectories(DataFolder()));
    }
    void TearDown() override { test::RemoveTree(GetDataDir()); }

    static std::wstring DataFolder() {
        std::wstring dir = GetDataDir();
        return dir.substr(0, dir.size() - 1);
    }
    static std::wstring Res(const wchar_t* name) { return DataFolder() + L"\\res\\" + name; }
};

TEST_F(DefaultFiles, FirstExtractionWritesBothFilesAndTheMarker) {
    ExtractDefaultFiles(DataFolder());
    std::string settings = test::ReadBytes(Res(L"systemset.ini"));
    // The shipped file itself, with the marker added to its [Setting] section.
    const size_t settingSectionEnd = 137;
    EXPECT_EQ(0, settings.compare(0, settingSectionEnd, kDefaultSettings, settingSectionEnd))
        << settings;
    EXPECT_NE(std::string::npos, settings.find("start=1001\r\n")) << settings;
    EXPECT_EQ(L"1001", ReadSetting(L"Setting", L"start", L"-1"));
    EXPECT_EQ(L"1", ReadSetting(L"Start", L"firststart", L"0"));
    EXPECT_EQ(L"F10", ReadSetting(L"Setting", L"screentoggle", L"0"));

    std::string icon = test::ReadBytes(Res(L"uninstall.ico"));
    ASSERT_GE(icon.size(), 6u);
    EXPECT_EQ(std::string("\0\0\1\0", 4), icon.substr(0, 4));
}

TEST_F(DefaultFiles, ExistingSettingsAreKeptAndTheIconIsRewritten) {
    ASSERT_TRUE(test::MakeDirectories(DataFolder() + L"\\res"));
    test::WriteBytes(Res(L"systemset.ini"), "[Info]\r\ncode=player\r\n");
    test::WriteBytes(Res(L"uninstall.ico"), "stale");
    test::WriteBytes(Res(L"data.zip"), "obsolete");

    ExtractDefaultFiles(DataFolder());

    EXPECT_EQ(L"player", ReadSetting(L"Info", L"code", L""));
    EXPECT_EQ(L"1001", ReadSetting(L"Setting", L"start", L"-1"));
    EXPECT_NE("stale", test::ReadBytes(Res(L"uninstall.ico")));
    EXPECT_FALSE(test::FileExists(Res(L"data.zip")));
}

TEST_F(DefaultFiles, MarkerStopsLaterExtractions) {
    ExtractDefaultFiles(DataFolder());
    ASSERT_TRUE(test::FileExists(Res(L"uninstall.ico")));
    DeleteFileW(Res(L"uninstall.ico").c_str());
    ExtractDefaultFiles(DataFolder());
    EXPECT_FALSE(test::FileExists(Res(L"uninstall.ico")));

    // Any other marker value, spaces around 1001 aside, unpacks again.
    WriteSetting(L"Setting", L"start", L" 1001 ");
    ExtractDefaultFiles(DataFolder());
    EXPECT_FALSE(test::FileExists(Res(L"uninstall.ico")));
    WriteSetting(L"Setting", L"start", L"1000");
    ExtractDefaultFiles(DataFolder());
    EXPECT_TRUE(test::FileExists(Res(L"uninstall.ico")));
}

TEST(VersionNumber, DotsAreDroppedBeforeReading) {
    EXPECT_EQ(1005, VersionNumber(L"1.0.0.5"));
    EXPECT_EQ(10100, VersionNumber(L"1.0.10.0"));
    EXPECT_EQ(1100, VersionNumber(L"1.1.0.0"));
    EXPECT_GT(VersionNumber(L"1.0.10.0"), VersionNumber(L"1.1.0.0"));
    EXPECT_EQ(0, VersionNumber(L""));
    EXPECT_EQ(0, VersionNumber(L"None VerSion Supprot"));
    EXPECT_EQ(1, VersionNumber(L" 1, 0, 0, 1"));
}

} // namespace
