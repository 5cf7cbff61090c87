// Attribute and time-stamp decoding; see ZipMetadata.h.
#include "login/zip/ZipMetadata.h"

#include "login/zip/ZipBytes.h"

namespace {

constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr uint16_t kExtendedTimestampId = 0x5455; // "UT"

bool IsDosLikeHost(unsigned host) {
    return host == 0 || host == 7 || host == 11 || host == 14;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (year >= 1).
int64_t DaysSince1970(int year, int month, int day) {
    if (month <= 2)
        --year;
    int64_t era = year / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

uint32_t ZipWindowsAttributes(uint16_t versionMadeBy, uint32_t externalAttributes) {
    if (IsDosLikeHost(versionMadeBy >> 8))
        return externalAttributes & (kZipAttrReadOnly | kZipAttrHidden | kZipAttrSystem |
                                     kZipAttrDirectory | kZipAttrArchive);
    constexpr uint32_t kUnixDirectory = 0x40000000; // S_IFDIR in the high half
    constexpr uint32_t kUnixOwnerWrite = 0x00800000;
    uint32_t attributes = kZipAttrArchive;
    if (externalAttributes & kUnixDirectory)
        attributes |= kZipAttrDirectory;
    if (!(externalAttributes & kUnixOwnerWrite))
        attributes |= kZipAttrReadOnly;
    return attributes;
}

uint64_t ZipUnixToFileTime(int64_t seconds) {
    return static_cast<uint64_t>(seconds + kSecondsFrom1601To1970) * 10000000u;
}

uint64_t ZipDosToFileTime(uint32_t dosDateTime) {
    uint32_t time = dosDateTime & 0xFFFF, date = dosDateTime >> 16;
    int year = 1980 + static_cast<int>(date >> 9);
    int month = static_cast<int>(date >> 5 & 0x0F), day = static_cast<int>(date & 0x1F);
    int hour = static_cast<int>(time >> 11), minute = static_cast<int>(time >> 5 & 0x3F);
    int second = 2 * static_cast<int>(time & 0x1F);
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return 0;
    int64_t seconds = DaysSince1970(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    return ZipUnixToFileTime(seconds);
}

void ZipReadExtendedTimestamp(const uint8_t* extra, size_t length, ZipEntryTimes& times) {
    size_t pos = 0;
    while (pos + 4 < length) {
        uint16_t id = ZipLe16(extra + pos);
        size_t fieldEnd = pos + 4 + extra[pos + 2];
        if (id != kExtendedTimestampId) {
            pos = fieldEnd;
            continue;
        }
        if (fieldEnd > length)
            fieldEnd = length;
        uint8_t flags = extra[pos + 4];
        size_t at = pos + 5;
        std::optional<uint64_t>* slots[] = {&times.modified, &times.accessed, &times.created};
        for (int bit = 0; bit < 3; ++bit) {
            if (!(flags & 1 << bit))
                continue;
            if (at + 4 > fieldEnd)
                break;
            auto unixTime = static_cast<int32_t>(ZipLe32(extra + at));
            *slots[bit] = ZipUnixToFileTime(unixTime);
            at += 4;
        }
        return;
    }
}
