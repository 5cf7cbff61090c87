// The update log's exact bytes and its behaviour when the file is busy or
// its folder is missing.
#include "update/UpdateLog.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Strings.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::string Utf16Bytes(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

TEST(UpdateLogLine, PadsSingleDigitsWithSpaces) {
    LogTime t{2026, 12, 7, 6, 49, 9};
    EXPECT_EQ(L"2026-12- 7  6:49: 9 : \tUpdateModule\tFinish Update.",
              FormatUpdateLogLine(t, L"Finish Update."));
    LogTime t2{2027, 1, 15, 23, 0, 59};
    EXPECT_EQ(L"2027- 1-15 23: 0:59 : \tUpdateModule\t", FormatUpdateLogLine(t2, L""));
}

TEST(UpdateLogLine, FailedTimeConversionKeepsTheFormat) {
    EXPECT_EQ(L" 0- 0- 0 -1:-1:-1 : \tUpdateModule\tx", FormatUpdateLogLine(LogTime{}, L"x"));
}

TEST(UpdateLogLine, MessageIsKeptWholeWithPercentSigns) {
    std::wstring message(5000, L'x');
    message += L"%s%d\r\nnext";
    std::wstring line = FormatUpdateLogLine(LogTime{2026, 1, 1, 1, 1, 1}, message);
    EXPECT_EQ(message, line.substr(line.size() - message.size()));
}

TEST(Formatting, TextsTheRuntimeCannotFormatComeOutEmpty) {
    std::wstring path(3000, L'p');
    EXPECT_EQ(path + L" 7", fw::FormatString(L"%s %ld", path.c_str(), 7L));
    // A width beyond int fails in the runtime; one that wraps asks for gigabytes.
    EXPECT_EQ(L"", fw::FormatString(L"%2147483647d", 1) + fw::FormatString(L"%99999999999d", 1));
}

class UpdateLogFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::RemoveTree(GetDataDir());
        ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res"));
    }
    void TearDown() override { test::RemoveTree(GetDataDir()); }
};

TEST_F(UpdateLogFile, PathIsInTheResourceFolder) {
    EXPECT_EQ(GetDataDir() + L"res\\update.log", UpdateLogPath());
}

TEST_F(UpdateLogFile, AppendsUtf16LinesWithoutByteOrderMark) {
    ASSERT_EQ(0, WriteUpdateLog(L"first"));
    ASSERT_EQ(0, WriteUpdateLog(L"Content length:1234"));
    std::string bytes = test::ReadBytes(UpdateLogPath());
    ASSERT_GE(bytes.size(), 4u);
    // The year's first digit, not FF FE.
    EXPECT_EQ('2', bytes[0]);
    EXPECT_EQ('\0', bytes[1]);

    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    size_t firstEnd = text.find(L"\r\n");
    ASSERT_NE(std::wstring::npos, firstEnd);
    EXPECT_EQ(L" : \tUpdateModule\tfirst", text.substr(firstEnd - 22, 22));
    std::wstring second = text.substr(firstEnd + 2);
    ASSERT_GE(second.size(), 2u);
    EXPECT_EQ(L"\r\n", second.substr(second.size() - 2));
    EXPECT_EQ(Utf16Bytes(L"\tUpdateModule\tContent length:1234\r\n"),
              bytes.substr(bytes.size() - 35 * 2));
    // Exactly two line ends: nothing else was written.
    EXPECT_EQ(std::wstring::npos, second.substr(0, second.size() - 2).find(L"\r\n"));
}

TEST_F(UpdateLogFile, MessageWithLineBreakStaysOneLine) {
    ASSERT_EQ(0, WriteUpdateLog(L"one\r\ntwo"));
    std::string bytes = test::ReadBytes(UpdateLogPath());
    EXPECT_EQ(Utf16Bytes(L"\tone  two\r\n"), bytes.substr(bytes.size() - 11 * 2));
}

TEST_F(UpdateLogFile, LineIsLostWhileAnotherWriterHoldsTheFile) {
    ASSERT_EQ(0, WriteUpdateLog(L"kept"));
    std::string before = test::ReadBytes(UpdateLogPath());
    {
        fw::UniqueHandle holder(CreateFileW(UpdateLogPath().c_str(), GENERIC_READ | GENERIC_WRITE,
                                            0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder.Valid());
        EXPECT_EQ(-1, WriteUpdateLog(L"lost"));
    }
    EXPECT_EQ(before, test::ReadBytes(UpdateLogPath()));
    EXPECT_EQ(0, WriteUpdateLog(L"after"));
    EXPECT_GT(test::ReadBytes(UpdateLogPath()).size(), before.size());
}

TEST_F(UpdateLogFile, MissingFolderLosesTheLine) {
    test::RemoveTree(GetDataDir());
    EXPECT_EQ(-1, WriteUpdateLog(L"nowhere"));
    EXPECT_FALSE(test::FileExists(UpdateLogPath()));
}

} // namespace
