// Shared by the ZIP reader's tests: the generated archives, the contents that
// make_test_archives.py put into them, and patching of end-record fields.
#pragma once

#include "ZipTestArchives.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ziptest {

template <size_t N> std::vector<uint8_t> Bytes(const unsigned char (&archive)[N]) {
    return std::vector<uint8_t>(archive, archive + N);
}

inline std::string Pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 31 + (i >> 8)) & 0xFF);
    return s;
}

inline std::string NumberedLines(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "line " + std::to_string(i) + "\n";
    return s;
}

inline std::string Secret() {
    std::string s;
    for (int i = 0; i < 200; ++i)
        s += "the secret text, ";
    return s;
}

// The generator writes no archive comment, so the end record is the last 22 bytes.
constexpr size_t kEndRecordSize = 22;

inline void PutLe16(std::vector<uint8_t>& bytes, size_t pos, uint16_t value) {
    bytes[pos] = static_cast<uint8_t>(value);
    bytes[pos + 1] = static_cast<uint8_t>(value >> 8);
}

inline void PutLe32(std::vector<uint8_t>& bytes, size_t pos, uint32_t value) {
    PutLe16(bytes, pos, static_cast<uint16_t>(value));
    PutLe16(bytes, pos + 2, static_cast<uint16_t>(value >> 16));
}

// Sets the end record's comment length to n and appends n bytes of comment.
inline std::vector<uint8_t> WithComment(std::vector<uint8_t> bytes, size_t n) {
    PutLe16(bytes, bytes.size() - 2, static_cast<uint16_t>(n));
    bytes.resize(bytes.size() + n, 'c');
    return bytes;
}

} // namespace ziptest
