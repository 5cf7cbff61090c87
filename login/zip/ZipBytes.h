// Bounds-checked little-endian access to an archive held in memory. Every read of
// archive bytes goes through At(), so no offset taken from the archive can reach
// outside the caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>

struct ZipBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;

    // The `length` bytes at `pos`, or nullptr when they are not all inside.
    const uint8_t* At(uint64_t pos, uint64_t length) const {
        if (pos > size || length > size - pos)
            return nullptr;
        return data + pos;
    }
};

inline uint16_t ZipLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t ZipLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
