// The text and number rules of the self-update: the check address, the
// service's reply, the announced length, the log's size bound and its text.
#include "update/UpdateRules.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckAddress, VersionTextIsAppendedUnencoded) {
    EXPECT_EQ(
        L"http://127.0.0.1:28080/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v=1.0.0.1",
        FormatCheckAddress(L"http://127.0.0.1:28080/showMiniIndex",
                           L"getClientVersion.php?p=morvane&g=vrk&v=", L"1.0.0.1"));
    EXPECT_EQ(L"http://h/x/q?v=1, 0, 0, 1",
              FormatCheckAddress(L"http://h/x", L"q?v=", L"1, 0, 0, 1"));
    EXPECT_EQ(L"http://h/x/q?v=None VerSion Supprot",
              FormatCheckAddress(L"http://h/x", L"q?v=", L"None VerSion Supprot"));
    EXPECT_EQ(L"b/q%s%d", FormatCheckAddress(L"b", L"q", L"%s%d"));
}

TEST(ReplyDecision, ShortOrNegativeRepliesRefuse) {
    for (const wchar_t* reply : {L"", L"-1", L"0", L"12345", L"abcde", L"-123456", L"  -99999999"})
        EXPECT_FALSE(IsUpdateOffered(reply)) << reply;
}

TEST(ReplyDecision, LongerNonNegativeRepliesAreAddresses) {
    for (const wchar_t* reply : {L"123456", L"http://127.0.0.1:1/download/vrk_client.exe",
                                 L"ftp://x", L"+00000", L"999999999999999999999"})
        EXPECT_TRUE(IsUpdateOffered(reply)) << reply;
}

TEST(ReplyBody, StopsAtTheFirstZeroByte) {
    EXPECT_EQ("http://a", ReplyFromBody(std::string("http://a\0tail", 13)));
    EXPECT_EQ("", ReplyFromBody(std::string("\0http://a", 9)));
    EXPECT_EQ("0", ReplyFromBody("0"));
}

TEST(ReplyBody, BodyFillingTheBufferIsRefusedWhole) {
    std::string justFits(kReplyBufferBytes - 1, 'a');
    EXPECT_EQ(justFits, ReplyFromBody(justFits));
    EXPECT_EQ("", ReplyFromBody(std::string(kReplyBufferBytes, 'a')));
    EXPECT_EQ("", ReplyFromBody("http://" + std::string(3000, 'b')));
}

TEST(DownloadLength, HeaderTextReadsAsLeadingNumber) {
    EXPECT_EQ(0, AnnouncedLength(L""));
    EXPECT_EQ(123456, AnnouncedLength(L"123456"));
    EXPECT_EQ(42, AnnouncedLength(L" 42abc"));
    EXPECT_EQ(0, AnnouncedLength(L"abc"));
}

TEST(DownloadLength, NegativeOrBeyondThirtyTwoBitsIsOutsideTheDesign) {
    EXPECT_EQ(2147483647, AnnouncedLength(L"2147483647"));
    for (const wchar_t* text : {L"2147483648", L"3000000000", L"99999999999999999999999", L"-1",
                                L" -2147483648"})
        EXPECT_EQ(kLengthOutsideDesign, AnnouncedLength(text)) << text;
}

TEST(DownloadLength, CompleteWhenEarlierSizePlusReceivedMatches) {
    EXPECT_TRUE(IsDownloadComplete(0, 5000, 5000));
    EXPECT_TRUE(IsDownloadComplete(1000, 4000, 5000));
    EXPECT_FALSE(IsDownloadComplete(0, 4999, 5000));
    EXPECT_FALSE(IsDownloadComplete(0, 5016, 5000));
    EXPECT_TRUE(IsDownloadComplete(-1, 1, 0));
    EXPECT_FALSE(IsDownloadComplete(-1, 0x7FFFFFFF, 0x7FFFFFFF));
}

TEST(UpdateLogBound, TenMebibytesExactlyIsKept) {
    EXPECT_FALSE(UpdateLogTooLarge(0));
    EXPECT_FALSE(UpdateLogTooLarge(10485760));
    EXPECT_TRUE(UpdateLogTooLarge(10485761));
    EXPECT_TRUE(UpdateLogTooLarge(0x100000000ull));
}

TEST(UpdateLogText, ControlCharactersCannotStartLinesOfTheirOwn) {
    std::wstring forged = L"0\r\n2026-12- 9  1: 2: 3 : \tUpdateModule\tUpdate success.\n\x85\x2028\x7f\x01";
    EXPECT_EQ(L"0  2026-12- 9  1: 2: 3 :  UpdateModule Update success.     ", LogLineText(forged));
    EXPECT_EQ(L"http://127.0.0.1/下载/新.exe?a=%d", LogLineText(L"http://127.0.0.1/下载/新.exe?a=%d"));
}

TEST(ExchangeBounds, WholeExchangeAndDiskReserve) {
    // The quiet limit, plus the announced bytes at 16 KiB/s, rounded up.
    EXPECT_EQ(30000u, ExchangeTimeLimitMs(0));
    EXPECT_EQ(30063u, ExchangeTimeLimitMs(kReplyBufferBytes));
    EXPECT_EQ(31000u, ExchangeTimeLimitMs(16384));
    EXPECT_EQ(30000u + 131072000u, ExchangeTimeLimitMs(0x80000000ull));

    const uint64_t reserve = 64ull * 1024 * 1024;
    EXPECT_FALSE(LeavesTooLittleSpace(reserve + 5000, 5000));
    EXPECT_TRUE(LeavesTooLittleSpace(reserve + 4999, 5000));
    EXPECT_TRUE(LeavesTooLittleSpace(0, 0));
    EXPECT_FALSE(LeavesTooLittleSpace(UINT64_MAX, 0x7FFFFFFF));
}

} // namespace
