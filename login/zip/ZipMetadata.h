// Attributes and time stamps of an entry, decoded into plain values. Time stamps
// are file times: 100-ns units since 1601-01-01.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Windows attribute bits as the reader reports them.
enum : uint32_t {
    kZipAttrReadOnly = 0x01,
    kZipAttrHidden = 0x02,
    kZipAttrSystem = 0x04,
    kZipAttrDirectory = 0x10,
    kZipAttrArchive = 0x20,
};

struct ZipEntryTimes {
    // The DOS stamp read on the local clock (the caller converts it to UTC); 0 when
    // the stamp is not a real date and time.
    uint64_t dosLocal = 0;
    // UTC times from the extended-timestamp ("UT") field, when it carries them.
    std::optional<uint64_t> modified, accessed, created;
};

// Maps the host system (high byte of "version made by") and the external
// attributes to Windows attribute bits. DOS-like hosts store those bits directly;
// the others store a Unix mode in the high 16 bits.
uint32_t ZipWindowsAttributes(uint16_t versionMadeBy, uint32_t externalAttributes);

// Seconds since 1970-01-01 as a file time.
uint64_t ZipUnixToFileTime(int64_t seconds);

// The DOS time (low 16 bits) and date (high 16 bits) as a file time, or 0 when a
// field is out of range.
uint64_t ZipDosToFileTime(uint32_t dosDateTime);

// Takes the times of the first "UT" field in a local extra field. Fields are only
// read inside both the extra field and their own declared size.
void ZipReadExtendedTimestamp(const uint8_t* extra, size_t length, ZipEntryTimes& times);
