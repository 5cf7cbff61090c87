// The traditional ZIP stream cipher of encrypted entries (three keys driven by
// CRC-32 steps). Only decryption is needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ZipDecrypter {
public:
    // Keys seeded from the password; an absent password leaves the start keys.
    explicit ZipDecrypter(const std::string* password);

    void Decrypt(uint8_t* data, size_t size);

private:
    void Update(uint8_t plain);

    uint32_t keys_[3] = {0x12345678, 0x23456789, 0x34567890};
};
