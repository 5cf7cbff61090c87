// The portable part of the ZIP reader: finds the end record and the central
// directory of an archive held in memory, walks the directory, describes entries
// and decodes their data into a sink. No file system and no platform calls, so it
// can be tested and fuzzed on bytes alone.
#pragma once

#include "login/zip/ZipBytes.h"
#include "login/zip/ZipMetadata.h"
#include "login/zip/ZipRecord.h"
#include "login/zip/ZipResult.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Receives an entry's data as it is decoded.
class ZipSink {
public:
    virtual ~ZipSink() = default;
    virtual bool Write(const uint8_t* data, size_t size) = 0;
    // All of the entry's data has been delivered (whatever its CRC-32 says).
    virtual void Ended() {}
};

struct ZipEntryInfo {
    int32_t index = 0;   // for the whole-archive query: the number of entries
    std::u16string name; // sanitised, relative
    uint32_t attributes = 0;
    ZipEntryTimes times;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
};

class ZipArchive {
public:
    // Locates the end record within the last 65535 bytes and checks it. The bytes
    // are read in place and must outlive the archive.
    ZipResult Open(const uint8_t* data, size_t size);

    int32_t EntryCount() const { return entryCount_; }

    // Index -1 describes the archive (only `index` is set, to the entry count).
    // On a local-header problem the result says so, but `info` still holds what
    // the directory record gives, for a caller that goes on regardless.
    ZipResult Describe(int32_t index, ZipEntryInfo& info);

    // Decodes the entry's data into `sink` through `buffer` (sized on first use).
    // A CRC-32 that differs from the directory's is reported as ZipCorrupt.
    ZipResult ExtractData(int32_t index, const std::string* password, ZipSink& sink,
                          std::vector<uint8_t>& buffer);

private:
    bool FindEndRecord(uint64_t& pos) const;
    bool ReadDirRecord();
    bool Seek(int32_t index);
    ZipResult CheckLocalHeader(ZipLocalLayout& layout) const;

    ZipBytes source_;
    int32_t entryCount_ = 0;
    uint64_t directoryPos_ = 0; // already shifted by the bytes in front of the archive
    uint64_t bytesInFront_ = 0;
    // The directory walk: the entry the walk stands on and its record.
    bool currentValid_ = false;
    int32_t currentIndex_ = 0;
    uint64_t currentPos_ = 0;
    ZipDirRecord record_;
    const uint8_t* recordName_ = nullptr;
    std::optional<ZipEntryInfo> cached_;
};
