// Result codes of the ZIP reader. The values are part of the reader's contract
// (they end up in LastZipResult), so they are fixed numbers, not an ordinal list.
#pragma once

#include <cstdint>

enum ZipResult : uint32_t {
    ZipOk = 0,
    ZipOpenFailed = 0x00000200,      // no usable end record or directory, or file not created
    ZipWriteFailed = 0x00000400,     // writing the output failed
    ZipHeaderMismatch = 0x00000700,  // local header disagrees with the directory, or bad method
    ZipExtraReadFailed = 0x00000800, // local extra field lies outside the archive
    ZipBadPassword = 0x00001000,     // decrypted check byte did not match
    ZipBadArgument = 0x00010000,     // no open reader, or index out of range
    ZipAlreadyOpen = 0x01000000,     // the reader already holds an archive
    ZipCorrupt = 0x05000000,         // data cannot be decoded, ends early, or fails its CRC-32
};
