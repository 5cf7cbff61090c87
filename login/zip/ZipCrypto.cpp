// Traditional ZIP decryption; see ZipCrypto.h.
#include "login/zip/ZipCrypto.h"

#include <zlib.h>

namespace {

uint32_t CrcStep(uint32_t crc, uint8_t b) {
    static const z_crc_t* const table = get_crc_table();
    return static_cast<uint32_t>(table[(crc ^ b) & 0xFF]) ^ crc >> 8;
}

} // namespace

ZipDecrypter::ZipDecrypter(const std::string* password) {
    if (password)
        for (char c : *password)
            Update(static_cast<uint8_t>(c));
}

void ZipDecrypter::Decrypt(uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        uint32_t temp = (keys_[2] & 0xFFFF) | 2;
        data[i] ^= static_cast<uint8_t>((temp * (temp ^ 1)) >> 8);
        Update(data[i]);
    }
}

void ZipDecrypter::Update(uint8_t plain) {
    keys_[0] = CrcStep(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813 + 1;
    keys_[2] = CrcStep(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
}
