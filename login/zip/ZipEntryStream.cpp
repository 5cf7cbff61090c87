// Entry data decoding; see ZipEntryStream.h.
#include "login/zip/ZipEntryStream.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kEncryptionHeaderSize = 12;

} // namespace

ZipEntryStream::~ZipEntryStream() {
    if (inflate_)
        inflateEnd(inflate_.get());
}

bool ZipEntryStream::Open(ZipBytes source, uint64_t dataPos, const ZipDirRecord& record,
                          const std::string* password) {
    if (record.method != kZipMethodStored && record.method != kZipMethodDeflate)
        return false;
    source_ = source;
    sourcePos_ = dataPos;
    method_ = record.method;
    remainingIn_ = record.compressedSize;
    remainingOut_ = record.uncompressedSize;
    expectedCrc_ = record.crc;
    input_.resize(kZipBufferSize);
    if (record.flags & kZipFlagEncrypted) {
        decrypter_.emplace(password);
        headerLeft_ = kEncryptionHeaderSize;
        // With a data descriptor the CRC is not known when the header is written,
        // so the writer checks against the time stamp instead.
        checkByte_ = record.flags & kZipFlagDataDescriptor
                         ? static_cast<uint8_t>(record.dosDateTime >> 8)
                         : static_cast<uint8_t>(record.crc >> 24);
    }
    if (method_ == kZipMethodDeflate) {
        auto stream = std::make_unique<z_stream>(); // zeroed: zlib's default allocators
        if (inflateInit2(stream.get(), -MAX_WBITS) != Z_OK)
            return false;
        inflate_ = std::move(stream);
    }
    return true;
}

bool ZipEntryStream::Refill() {
    size_t length = std::min<size_t>(remainingIn_, input_.size());
    const uint8_t* bytes = source_.At(sourcePos_, length);
    if (!bytes)
        return false;
    std::memcpy(input_.data(), bytes, length);
    if (decrypter_)
        decrypter_->Decrypt(input_.data(), length);
    sourcePos_ += length;
    remainingIn_ -= static_cast<uint32_t>(length);
    inNext_ = input_.data();
    inAvail_ = length;
    return true;
}

ZipEntryStream::Chunk ZipEntryStream::Read(uint8_t* out, size_t capacity) {
    Chunk chunk;
    size_t space = std::min<size_t>(capacity, remainingOut_);
    // The encryption header is checked even for an entry with no data.
    while ((space > 0 || headerLeft_ > 0) && !streamEnded_) {
        if (inAvail_ == 0 && remainingIn_ > 0 && !Refill()) {
            chunk.status = Status::DataError;
            return chunk;
        }
        if (headerLeft_ > 0) {
            if (inAvail_ == 0) {
                // The data ends inside the encryption header.
                chunk.status = Status::DataError;
                return chunk;
            }
            size_t take = std::min(headerLeft_, inAvail_);
            uint8_t last = inNext_[take - 1];
            inNext_ += take;
            inAvail_ -= take;
            headerLeft_ -= take;
            if (headerLeft_ == 0 && last != checkByte_) {
                chunk.status = Status::BadPassword;
                return chunk;
            }
            continue;
        }
        uint8_t* target = out + chunk.produced;
        size_t made;
        if (method_ == kZipMethodStored) {
            if (inAvail_ == 0)
                break;
            made = std::min(inAvail_, space);
            std::memcpy(target, inNext_, made);
            inNext_ += made;
            inAvail_ -= made;
        } else {
            // Called even without input left: inflate may still hold output of a
            // match that did not fit last time. With nothing to give it reports
            // Z_BUF_ERROR, which is a stream cut short.
            inflate_->next_in = const_cast<Bytef*>(inNext_);
            inflate_->avail_in = static_cast<uInt>(inAvail_);
            inflate_->next_out = target;
            inflate_->avail_out = static_cast<uInt>(space);
            int result = inflate(inflate_.get(), Z_SYNC_FLUSH);
            if (result != Z_OK && result != Z_STREAM_END) {
                chunk.status = Status::DataError;
                return chunk;
            }
            made = space - inflate_->avail_out;
            inNext_ = inflate_->next_in;
            inAvail_ = inflate_->avail_in;
            streamEnded_ = result == Z_STREAM_END;
        }
        crc_ = static_cast<uint32_t>(crc32(crc_, target, static_cast<uInt>(made)));
        chunk.produced += made;
        space -= made;
        remainingOut_ -= static_cast<uint32_t>(made);
    }
    chunk.ended = streamEnded_ || remainingOut_ == 0;
    return chunk;
}
