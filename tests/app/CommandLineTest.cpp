// How raw command lines choose the role of a process.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

StartRole RoleOf(const std::wstring& commandLine) { return DecideStartRole(commandLine).role; }

TEST(StartRole, UpdateSwitchTakesThePathAfterOneUnexaminedCharacter) {
    StartDecision d = DecideStartRole(L"-d C:\\Users\\p\\Lander_Q7.exe");
    EXPECT_EQ(StartRole::FinishUpdate, d.role);
    EXPECT_EQ(L"C:\\Users\\p\\Lander_Q7.exe", d.updatePath);

    d = DecideStartRole(L"-dXC:\\a b\\c.exe");
    EXPECT_EQ(StartRole::FinishUpdate, d.role);
    EXPECT_EQ(L"C:\\a b\\c.exe", d.updatePath);

    d = DecideStartRole(L"-d ");
    EXPECT_EQ(StartRole::FinishUpdate, d.role);
    EXPECT_EQ(L"", d.updatePath);
}

TEST(StartRole, BareUpdateSwitchIsANormalStart) {
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"-d"));
}

TEST(StartRole, UpdateSwitchWinsOverTrailingUninstall) {
    StartDecision d = DecideStartRole(L"-d C:\\x.exe -u");
    EXPECT_EQ(StartRole::FinishUpdate, d.role);
    EXPECT_EQ(L"C:\\x.exe -u", d.updatePath);
}

TEST(StartRole, UninstallSuffixIsTestedBeforeThePrefix) {
    EXPECT_EQ(StartRole::UninstallConfirm, RoleOf(L"\"C:\\p\\Lander_Q7.exe\" -u"));
    EXPECT_EQ(StartRole::UninstallConfirm, RoleOf(L"-u"));
    EXPECT_EQ(StartRole::UninstallConfirm, RoleOf(L"-u C:\\x.exe -u"));
    EXPECT_EQ(StartRole::UninstallRemove, RoleOf(L"-u C:\\p\\Lander_Q7.exe"));
}

TEST(StartRole, UninstallSwitchMustBeTheVeryLastCharacters) {
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"\"C:\\p\\Lander_Q7.exe\" -u "));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"\"C:\\p\\Lander_Q7.exe -u\""));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"\"C:\\p\\Lander_Q7.exe\" -U"));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"\"C:\\p\\Lander_Q7.exe\" -D"));
}

TEST(StartRole, ShortAndEmptyLinesStartNormally) {
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L""));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"-"));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"u"));
    EXPECT_EQ(StartRole::NormalStart, RoleOf(L"\"C:\\p\\Lander_Q7.exe\""));
}

TEST(NormalStart, HandleFollowedBySpaceThenGameUrl) {
    NormalStartArgs a = ParseNormalStart(
        L"\"C:\\p\\Lander_Q7.exe\" -frameWnd=132456 -gameurl=http://h/play_gamecode?a=1");
    EXPECT_EQ(132456, a.frameHandle);
    EXPECT_EQ(L"http://h/play_gamecode?a=1", a.gameUrl);
}

TEST(NormalStart, UrlKeepsEverythingToTheEndOfTheLine) {
    NormalStartArgs a =
        ParseNormalStart(L"-frameWnd=77 -gameurl=http://h/p q?x=\"1 2\" -frameWnd=5 \"");
    EXPECT_EQ(77, a.frameHandle);
    EXPECT_EQ(L"http://h/p q?x=\"1 2\" -frameWnd=5 \"", a.gameUrl);
}

TEST(NormalStart, HandleAtTheVeryEndIsIgnored) {
    NormalStartArgs a = ParseNormalStart(L"x.exe -gameurl=http://h/ -frameWnd=1234");
    EXPECT_EQ(0, a.frameHandle);
    // The address is searched in what follows the switch, which holds none.
    EXPECT_EQ(L"", a.gameUrl);
}

TEST(NormalStart, GameUrlBeforeTheHandleIsNotSeen) {
    NormalStartArgs a = ParseNormalStart(L"x.exe -gameurl=http://h/ -frameWnd=99 tail");
    EXPECT_EQ(99, a.frameHandle);
    EXPECT_EQ(L"", a.gameUrl);
}

TEST(NormalStart, HandleIsReadAsPlainDecimal) {
    EXPECT_EQ(0, ParseNormalStart(L"-frameWnd=0x1F2 -gameurl=u").frameHandle);
    EXPECT_EQ(0, ParseNormalStart(L"-frameWnd=abc -gameurl=u").frameHandle);
    EXPECT_EQ(0, ParseNormalStart(L"-frameWnd= -gameurl=u").frameHandle);
    EXPECT_EQ(-42, ParseNormalStart(L"-frameWnd=-42 -gameurl=u").frameHandle);
    EXPECT_EQ(12, ParseNormalStart(L"-frameWnd=12abc -gameurl=u").frameHandle);
    EXPECT_EQ(7, ParseNormalStart(L"-frameWnd=+7 -gameurl=u").frameHandle);
    // The handle ends at the first space, so a space right after "=" leaves
    // no digits at all.
    EXPECT_EQ(0, ParseNormalStart(L"-frameWnd= 12 -gameurl=u").frameHandle);
    EXPECT_EQ(L"u", ParseNormalStart(L"-frameWnd=0x1F2 -gameurl=u").gameUrl);
}

TEST(NormalStart, PlainLineHasNeitherHandleNorUrl) {
    NormalStartArgs a = ParseNormalStart(L"\"C:\\p\\Lander_Q7.exe\"");
    EXPECT_EQ(0, a.frameHandle);
    EXPECT_EQ(L"", a.gameUrl);
    // The switch is case-sensitive: without it the address is still taken.
    NormalStartArgs lower = ParseNormalStart(L"x -framewnd=5 -gameurl=u");
    EXPECT_EQ(0, lower.frameHandle);
    EXPECT_EQ(L"u", lower.gameUrl);
}

} // namespace
