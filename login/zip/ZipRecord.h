// The fixed-layout records of an archive that the reader relies on, as read from
// the central directory and from an entry's local header.
#pragma once

#include <cstdint>

enum : uint16_t {
    kZipFlagEncrypted = 0x0001,
    kZipFlagDataDescriptor = 0x0008, // sizes and CRC-32 follow the data, not the header
};

enum : uint16_t {
    kZipMethodStored = 0,
    kZipMethodDeflate = 8,
};

struct ZipDirRecord {
    uint16_t versionMadeBy = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint32_t dosDateTime = 0; // time in the low half, date in the high half
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    uint16_t commentLength = 0;
    uint32_t externalAttributes = 0;
    uint32_t localHeaderOffset = 0;
};

// Where an entry's local extra field and data lie in the source.
struct ZipLocalLayout {
    uint64_t extraPos = 0;
    uint16_t extraLength = 0;
    uint64_t dataPos = 0;
};
