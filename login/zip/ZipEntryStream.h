// Reading one entry's data: decryption, the encryption header with its check
// byte, stored copy or raw inflate, and the running CRC-32. The source is read in
// 16 KiB pieces into an input buffer of the stream's own.
#pragma once

#include "login/zip/ZipBytes.h"
#include "login/zip/ZipCrypto.h"
#include "login/zip/ZipRecord.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

constexpr size_t kZipBufferSize = 16384;

class ZipEntryStream {
public:
    enum class Status { Ok, BadPassword, DataError };

    struct Chunk {
        Status status = Status::Ok;
        size_t produced = 0;
        bool ended = false; // the whole entry has been produced
    };

    ZipEntryStream() = default;
    ~ZipEntryStream();
    ZipEntryStream(const ZipEntryStream&) = delete;
    ZipEntryStream& operator=(const ZipEntryStream&) = delete;

    // Prepares to read the data at `dataPos` described by `record`. False for a
    // method other than stored and deflate, or when inflate cannot start.
    bool Open(ZipBytes source, uint64_t dataPos, const ZipDirRecord& record,
              const std::string* password);

    // Produces up to `capacity` bytes of the entry into `out`.
    Chunk Read(uint8_t* out, size_t capacity);

    bool CrcMatches() const { return crc_ == expectedCrc_; }

private:
    bool Refill();

    ZipBytes source_;
    uint64_t sourcePos_ = 0;
    uint16_t method_ = kZipMethodStored;
    uint32_t remainingIn_ = 0;
    uint32_t remainingOut_ = 0;
    uint32_t crc_ = 0;
    uint32_t expectedCrc_ = 0;
    std::vector<uint8_t> input_;
    const uint8_t* inNext_ = nullptr;
    size_t inAvail_ = 0;
    std::optional<ZipDecrypter> decrypter_;
    size_t headerLeft_ = 0;
    uint8_t checkByte_ = 0;
    std::unique_ptr<z_stream> inflate_;
    bool streamEnded_ = false;
};
