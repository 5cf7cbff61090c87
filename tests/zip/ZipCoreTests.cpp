// Tests of the portable ZIP core on archive bytes alone: finding and checking the
// end record, describing entries, decoding names, attributes and times, and
// decoding entry data into memory.
#include "ZipTestSupport.h"

#include "login/zip/ZipArchive.h"
#include "login/zip/ZipName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ziptest;

namespace {

class MemorySink : public ZipSink {
public:
    bool Write(const uint8_t* bytes, size_t size) override {
        if (refuse)
            return false;
        data.append(reinterpret_cast<const char*>(bytes), size);
        return true;
    }

    std::string data;
    bool refuse = false;
};

struct Extracted {
    ZipResult result;
    std::string data;
};

Extracted Extract(ZipArchive& zip, int32_t index, const char* password = nullptr) {
    std::string pass = password ? password : "";
    MemorySink sink;
    std::vector<uint8_t> buffer;
    ZipResult result = zip.ExtractData(index, password ? &pass : nullptr, sink, buffer);
    return {result, sink.data};
}

template <size_t N> ZipArchive Opened(const unsigned char (&archive)[N]) {
    ZipArchive zip;
    EXPECT_EQ(ZipOk, zip.Open(archive, N));
    return zip;
}

std::u16string NameOf(ZipArchive& zip, int32_t index) {
    ZipEntryInfo info;
    zip.Describe(index, info);
    return info.name;
}

uint64_t FileTime(int64_t unixSeconds) {
    return static_cast<uint64_t>(unixSeconds + 11644473600) * 10000000u;
}

} // namespace

TEST(ZipOpen, FindsEndRecordBehindPrefixOrComment) {
    ZipArchive zip;
    ASSERT_EQ(ZipOk, zip.Open(zip_archives::prefixed, sizeof zip_archives::prefixed));
    EXPECT_EQ(Extract(zip, 0).data, "hello");
    ASSERT_EQ(ZipOk, zip.Open(zip_archives::commented, sizeof zip_archives::commented));
    EXPECT_EQ(Extract(zip, 0).data, "hello");
}

TEST(ZipOpen, SearchesExactlyTheLast65535Bytes) {
    // Comment lengths around the 1 KiB window borders catch a window overlap gap
    // (the archive is large enough that no window is cut short by its start);
    // the last two put the record just inside and just outside the searched span.
    std::vector<uint8_t> basic = Bytes(zip_archives::basic);
    for (size_t n :
         {1004u, 1005u, 1006u, 1007u, 1008u, 2028u, 2029u, 2030u, 2031u, 2032u, 65513u}) {
        std::vector<uint8_t> bytes = WithComment(basic, n);
        ZipArchive zip;
        EXPECT_EQ(ZipOk, zip.Open(bytes.data(), bytes.size())) << "comment of " << n;
    }
    std::vector<uint8_t> outside = WithComment(basic, 65514);
    ZipArchive zip;
    EXPECT_EQ(ZipOpenFailed, zip.Open(outside.data(), outside.size()));
}

TEST(ZipOpen, RefusesSpannedOrInconsistentArchives) {
    const size_t end = sizeof zip_archives::tiny - kEndRecordSize;
    struct Damage {
        const char* what;
        size_t offset;
        uint32_t value;
        bool wide;
    } damages[] = {
        {"this disk", 4, 1, false},
        {"directory disk", 6, 1, false},
        {"entry counts differ", 8, 2, false},
        {"directory beyond end record", 16, 0x1000, true},
        {"directory larger than space before end record", 12, 0x1000, true},
    };
    for (const Damage& d : damages) {
        std::vector<uint8_t> bytes = Bytes(zip_archives::tiny);
        if (d.wide)
            PutLe32(bytes, end + d.offset, d.value);
        else
            PutLe16(bytes, end + d.offset, static_cast<uint16_t>(d.value));
        ZipArchive zip;
        EXPECT_EQ(ZipOpenFailed, zip.Open(bytes.data(), bytes.size())) << d.what;
    }
    std::vector<uint8_t> endRecordOnly(zip_archives::tiny + end, zip_archives::tiny + end + 22);
    ZipArchive zip;
    EXPECT_EQ(ZipOpenFailed, zip.Open(endRecordOnly.data(), 21)) << "record cut short";
    EXPECT_EQ(ZipOpenFailed, zip.Open(nullptr, 0));
}

TEST(ZipOpen, EmptyArchiveHasNoEntries) {
    const uint8_t empty[22] = {0x50, 0x4B, 0x05, 0x06};
    ZipArchive zip;
    ASSERT_EQ(ZipOk, zip.Open(empty, sizeof empty));
    ZipEntryInfo info;
    EXPECT_EQ(ZipOk, zip.Describe(-1, info));
    EXPECT_EQ(0, info.index);
    EXPECT_EQ(ZipBadArgument, zip.Describe(0, info));
}

TEST(ZipDescribe, ReportsDirectoryFieldsAndRefusesBadIndexes) {
    ZipArchive zip = Opened(zip_archives::basic);
    ZipEntryInfo info;
    ASSERT_EQ(ZipOk, zip.Describe(-1, info));
    EXPECT_EQ(5, info.index);
    EXPECT_TRUE(info.name.empty());
    ASSERT_EQ(ZipOk, zip.Describe(1, info));
    EXPECT_EQ(u"deflated.txt", info.name);
    EXPECT_EQ(NumberedLines(12000).size(), info.uncompressedSize);
    EXPECT_LT(16384u, info.compressedSize); // the data spans several input buffers
    EXPECT_EQ(uint32_t{kZipAttrArchive}, info.attributes);
    ASSERT_EQ(ZipOk, zip.Describe(3, info));
    EXPECT_EQ(u"dir/", info.name);
    EXPECT_EQ(uint32_t{kZipAttrDirectory | kZipAttrArchive}, info.attributes);
    EXPECT_EQ(ZipBadArgument, zip.Describe(5, info));
    EXPECT_EQ(ZipBadArgument, zip.Describe(-2, info));
}

TEST(ZipDescribe, WalksBackwardsAndForwardsInAnyOrder) {
    ZipArchive zip = Opened(zip_archives::basic);
    const char16_t* names[] = {u"stored.txt", u"deflated.txt", u"empty.txt", u"dir/",
                               u"dir/sub/file.txt"};
    for (int32_t i : {4, 0, 3, 1, 4, 2, 0}) {
        EXPECT_EQ(names[i], NameOf(zip, i));
        EXPECT_EQ(ZipOk, Extract(zip, i).result) << i;
    }
}

TEST(ZipDescribe, LocalHeaderMustAgreeAndUseAKnownMethod) {
    ZipArchive zip = Opened(zip_archives::method12);
    ZipEntryInfo info;
    EXPECT_EQ(ZipOk, zip.Describe(0, info));
    EXPECT_EQ(ZipHeaderMismatch, zip.Describe(1, info));
    EXPECT_EQ(u"other.bin", info.name); // still usable by a caller that goes on
    EXPECT_EQ(ZipOk, zip.Describe(2, info));
    EXPECT_EQ(ZipCorrupt, Extract(zip, 1).result);
    EXPECT_EQ("", Extract(zip, 1).data);
    EXPECT_EQ("after", Extract(zip, 2).data);

    ZipArchive damaged = Opened(zip_archives::damaged);
    EXPECT_EQ(ZipHeaderMismatch, damaged.Describe(4, info));
    EXPECT_EQ(ZipCorrupt, Extract(damaged, 4).result);
}

TEST(ZipDescribe, NamesStayInsideTheBaseFolder) {
    ZipArchive zip = Opened(zip_archives::names);
    const char16_t* expected[] = {
        u"x\\drive.txt", u"back.txt", u"fwd.txt", u"p1.txt", u"p2.txt", u"p3.txt",
        u"p4.txt",       u"p5.txt",   u"",        u".. ",    u"...",    u"\u540d\u5b57.txt"};
    for (int32_t i = 0; i < 12; ++i)
        EXPECT_EQ(expected[i], NameOf(zip, i)) << i;
}

TEST(ZipDescribe, AttributesFollowTheHostSystem) {
    ZipArchive zip = Opened(zip_archives::attributes);
    uint32_t expected[] = {kZipAttrArchive, kZipAttrArchive | kZipAttrReadOnly,
                           kZipAttrHidden | kZipAttrArchive,
                           kZipAttrReadOnly | kZipAttrSystem | kZipAttrArchive};
    for (int32_t i = 0; i < 4; ++i) {
        ZipEntryInfo info;
        ASSERT_EQ(ZipOk, zip.Describe(i, info));
        EXPECT_EQ(expected[i], info.attributes) << i;
    }
}

TEST(ZipDescribe, TimesComeFromDosStampThenLocalExtendedTimestamp) {
    ZipArchive zip = Opened(zip_archives::times);
    ZipEntryInfo info;
    ASSERT_EQ(ZipOk, zip.Describe(0, info));
    EXPECT_EQ(FileTime(981173106), info.times.dosLocal); // 2001-02-03 04:05:06
    EXPECT_FALSE(info.times.modified || info.times.accessed || info.times.created);

    ASSERT_EQ(ZipOk, zip.Describe(1, info)); // "UT" after another field
    EXPECT_EQ(FileTime(1000000000), info.times.modified);
    EXPECT_EQ(FileTime(1100000000), info.times.accessed);
    EXPECT_EQ(FileTime(1200000000), info.times.created);

    ASSERT_EQ(ZipOk, zip.Describe(2, info));
    EXPECT_EQ(FileTime(1234567890), info.times.modified);
    EXPECT_FALSE(info.times.accessed || info.times.created);

    ASSERT_EQ(ZipOk, zip.Describe(3, info));
    EXPECT_EQ(0u, info.times.dosLocal);
}

TEST(ZipMetadata, DosStampsOutsideTheCalendarGiveNoTime) {
    auto stamp = [](int year, int month, int day, int hour, int minute, int second) {
        uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
        return date << 16 | static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
    };
    EXPECT_EQ(FileTime(951868798), ZipDosToFileTime(stamp(2000, 2, 29, 23, 59, 58)));
    EXPECT_EQ(0u, ZipDosToFileTime(stamp(2001, 2, 29, 0, 0, 0)));
    EXPECT_EQ(0u, ZipDosToFileTime(stamp(2001, 13, 1, 0, 0, 0)));
    EXPECT_EQ(0u, ZipDosToFileTime(stamp(2001, 1, 1, 24, 0, 0)));
    EXPECT_EQ(0u, ZipDosToFileTime(stamp(2001, 1, 1, 0, 0, 60)));
}

TEST(ZipMetadata, ExtendedTimestampIsReadOnlyWithinItsField) {
    // flags say modified and accessed, but the field holds only the first; the
    // next field's bytes must not be taken as the access time.
    const uint8_t cut[] = {'U', 'T', 5, 0, 3, 0x10, 0, 0, 0, 0xCD, 0xAB, 4, 0, 1, 2, 3, 4};
    ZipEntryTimes times;
    ZipReadExtendedTimestamp(cut, sizeof cut, times);
    EXPECT_EQ(FileTime(16), times.modified);
    EXPECT_FALSE(times.accessed);

    // Cut off by the end of the extra field itself.
    const uint8_t truncated[] = {'U', 'T', 13, 0, 7, 1, 0};
    ZipEntryTimes none;
    ZipReadExtendedTimestamp(truncated, sizeof truncated, none);
    EXPECT_FALSE(none.modified || none.accessed || none.created);

    // A negative Unix time is before 1970, not a huge unsigned value.
    const uint8_t early[] = {'U', 'T', 5, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF};
    ZipEntryTimes before1970;
    ZipReadExtendedTimestamp(early, sizeof early, before1970);
    EXPECT_EQ(FileTime(-1), before1970.modified);
}

TEST(ZipName, SanitisingRemovesRootsAndParentSteps) {
    struct Case {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {
        {u"C:\\x\\a.txt", u"x\\a.txt"},
        {u"\\a.txt", u"a.txt"},
        {u"//a.txt", u"a.txt"},
        {u"x\\..\\a.txt", u"a.txt"},
        {u"x/../a.txt", u"a.txt"},
        {u"x\\../a.txt", u"a.txt"},
        {u"x/..\\a.txt", u"a.txt"},
        {u"../a.txt", u"a.txt"},
        {u"..\\..\\a.txt", u"a.txt"},
        {u"..", u""},
        {u"C:..\\a.txt", u"a.txt"},
        {u"\\..\\..\\C:\\a.txt", u"a.txt"},
        {u"a/b/../../../c", u"c"},
        {u".\\..", u""},
        {u"./x/./..", u""},
        {u"x\\...", u"x\\..."},
        {u"..a/b..", u"..a/b.."},
        {u"dir/sub/file.txt", u"dir/sub/file.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.out, ZipSanitiseName(c.in));
}

TEST(ZipName, DeviceNamesAreRecognisedInAnySegment) {
    for (const char16_t* device : {u"CON", u"nul", u"Aux.txt", u"sub/com1", u"a\\LPT9.log",
                                   u"prn .txt", u"conout$"})
        EXPECT_TRUE(ZipNameHasDevice(device)) << std::string(device, device + 3);
    for (const char16_t* plain : {u"console.txt", u"com10", u"lpt0", u"nul_file", u"dir/a.txt",
                                  u"", u"com"})
        EXPECT_FALSE(ZipNameHasDevice(plain));
}

TEST(ZipName, DecodingNeverInventsSeparatorsOrDots) {
    auto decode = [](const std::string& s) {
        return ZipDecodeName(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    EXPECT_EQ(u"\u00e9\u540d\U0001F600", decode("\xC3\xA9\xE5\x90\x8D\xF0\x9F\x98\x80"));
    EXPECT_EQ(u"\uFFFD\uFFFD", decode("\xC0\xAF"));           // overlong "/"
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", decode("\xE0\x80\xAE")); // overlong "."
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", decode("\xED\xA0\x80")); // encoded surrogate
    EXPECT_EQ(u"a\uFFFD\uFFFD", decode("a\xE5\x90"));         // cut short
    EXPECT_EQ(u"ab", decode(std::string("ab\0/../x", 8)));    // stops at NUL

    std::u16string longName = decode(std::string(300, 'n'));
    EXPECT_EQ(kZipMaxNameUnits, longName.size());
    // A pair that would not fit whole is dropped rather than split.
    std::u16string pairs = decode(std::string(258, 'n') + "\xF0\x9F\x98\x80");
    EXPECT_EQ(258u, pairs.size());
}

TEST(ZipExtract, StoredAndDeflatedDataAcrossBuffers) {
    ZipArchive zip = Opened(zip_archives::basic);
    EXPECT_EQ(Pattern(20000), Extract(zip, 0).data);
    EXPECT_EQ(NumberedLines(12000), Extract(zip, 1).data);
    Extracted empty = Extract(zip, 2);
    EXPECT_EQ(ZipOk, empty.result);
    EXPECT_EQ("", empty.data);
    EXPECT_EQ("nested", Extract(zip, 4).data);
    EXPECT_EQ(ZipBadArgument, Extract(zip, 5).result);

    ZipArchive run = Opened(zip_archives::prefixed);
    EXPECT_EQ(std::string(16484, 'a'), Extract(run, 1).data);
}

TEST(ZipExtract, EncryptedEntriesNeedThePassword) {
    ZipArchive zip = Opened(zip_archives::encrypted);
    // Check byte from the CRC-32, then from the DOS time; the last entry has no
    // data at all, and its header is checked all the same.
    for (int32_t i : {0, 1, 2}) {
        Extracted right = Extract(zip, i, "lander");
        EXPECT_EQ(ZipOk, right.result) << i;
        EXPECT_EQ(i == 2 ? std::string() : Secret(), right.data) << i;
        EXPECT_EQ(ZipBadPassword, Extract(zip, i, "wrong").result) << i;
        EXPECT_EQ(ZipBadPassword, Extract(zip, i).result) << i;
    }
}

TEST(ZipExtract, DamagedDataIsReportedAsCorrupt) {
    ZipArchive zip = Opened(zip_archives::damaged);
    EXPECT_EQ(ZipCorrupt, Extract(zip, 0).result) << "invalid deflate block";
    Extracted mismatch = Extract(zip, 1);
    EXPECT_EQ(ZipCorrupt, mismatch.result) << "CRC-32 mismatch";
    EXPECT_EQ("checked data", mismatch.data);
    EXPECT_EQ(ZipCorrupt, Extract(zip, 2).result) << "deflate stream cut short";
    EXPECT_EQ(ZipCorrupt, Extract(zip, 3).result) << "stored data shorter than its size";
    EXPECT_EQ("good", Extract(zip, 5).data);
}

TEST(ZipExtract, SinkFailureStopsWithWriteError) {
    ZipArchive zip = Opened(zip_archives::basic);
    MemorySink sink;
    sink.refuse = true;
    std::vector<uint8_t> buffer;
    EXPECT_EQ(ZipWriteFailed, zip.ExtractData(0, nullptr, sink, buffer));
}
