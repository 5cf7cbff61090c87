// Archive structure: end record, central directory walk, entry descriptions and
// data extraction; see ZipArchive.h.
#include "login/zip/ZipArchive.h"

#include "login/zip/ZipEntryStream.h"
#include "login/zip/ZipName.h"

#include <algorithm>

namespace {

constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr uint32_t kDirRecordSignature = 0x02014B50;
constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kDirRecordSize = 46;
constexpr size_t kLocalHeaderSize = 30;
// The end record is followed only by a comment of at most 65535 bytes; the search
// covers that much from the end, in windows that overlap by the signature's
// length less one so that a signature across a window border is still seen.
constexpr size_t kSearchSpan = 65535;
constexpr size_t kSearchStep = 1024;
constexpr size_t kSearchWindow = kSearchStep + 4;

} // namespace

ZipResult ZipArchive::Open(const uint8_t* data, size_t size) {
    *this = ZipArchive();
    source_ = {data, size};
    uint64_t endPos;
    const uint8_t* end = FindEndRecord(endPos) ? source_.At(endPos, kEndRecordSize) : nullptr;
    if (!end)
        return ZipOpenFailed;
    uint16_t thisDisk = ZipLe16(end + 4), directoryDisk = ZipLe16(end + 6);
    uint16_t entriesOnDisk = ZipLe16(end + 8), totalEntries = ZipLe16(end + 10);
    uint64_t directorySize = ZipLe32(end + 12), directoryOffset = ZipLe32(end + 16);
    if (thisDisk != 0 || directoryDisk != 0 || entriesOnDisk != totalEntries ||
        endPos < directoryOffset + directorySize)
        return ZipOpenFailed;
    // Archives with data in front (a self-extractor stub, say) store offsets from
    // their own start; the distance between where the directory should end and
    // where the end record really is gives that shift.
    bytesInFront_ = endPos - directoryOffset - directorySize;
    directoryPos_ = directoryOffset + bytesInFront_;
    entryCount_ = totalEntries;
    return ZipOk;
}

bool ZipArchive::FindEndRecord(uint64_t& pos) const {
    size_t maxBack = std::min(source_.size, kSearchSpan);
    size_t backRead = 4;
    while (backRead < maxBack) {
        backRead = std::min(backRead + kSearchStep, maxBack);
        size_t windowPos = source_.size - backRead;
        size_t windowSize = std::min(kSearchWindow, backRead);
        const uint8_t* window = source_.At(windowPos, windowSize);
        for (size_t i = windowSize - 3; i-- > 0;) {
            if (ZipLe32(window + i) == kEndRecordSignature) {
                pos = windowPos + i;
                return true;
            }
        }
    }
    return false;
}

bool ZipArchive::ReadDirRecord() {
    const uint8_t* p = source_.At(currentPos_, kDirRecordSize);
    if (!p || ZipLe32(p) != kDirRecordSignature)
        return false;
    record_.versionMadeBy = ZipLe16(p + 4);
    record_.flags = ZipLe16(p + 8);
    record_.method = ZipLe16(p + 10);
    record_.dosDateTime = ZipLe32(p + 12);
    record_.crc = ZipLe32(p + 16);
    record_.compressedSize = ZipLe32(p + 20);
    record_.uncompressedSize = ZipLe32(p + 24);
    record_.nameLength = ZipLe16(p + 28);
    record_.extraLength = ZipLe16(p + 30);
    record_.commentLength = ZipLe16(p + 32);
    record_.externalAttributes = ZipLe32(p + 38);
    record_.localHeaderOffset = ZipLe32(p + 42);
    recordName_ = source_.At(currentPos_ + kDirRecordSize,
                             std::min<size_t>(record_.nameLength, kZipMaxNameUnits));
    return recordName_ != nullptr;
}

// The directory is walked forward only; an earlier index restarts from the first
// entry, as does any index after a record could not be read.
bool ZipArchive::Seek(int32_t index) {
    if (!currentValid_ || index < currentIndex_) {
        currentPos_ = directoryPos_;
        currentIndex_ = 0;
        currentValid_ = ReadDirRecord();
    }
    while (currentValid_ && currentIndex_ < index) {
        currentPos_ +=
            kDirRecordSize + record_.nameLength + record_.extraLength + record_.commentLength;
        ++currentIndex_;
        currentValid_ = ReadDirRecord();
    }
    return currentValid_;
}

ZipResult ZipArchive::CheckLocalHeader(ZipLocalLayout& layout) const {
    uint64_t pos = bytesInFront_ + record_.localHeaderOffset;
    const uint8_t* p = source_.At(pos, kLocalHeaderSize);
    if (!p || ZipLe32(p) != kLocalHeaderSignature)
        return ZipHeaderMismatch;
    uint16_t flags = ZipLe16(p + 6), method = ZipLe16(p + 8);
    if (method != record_.method || (method != kZipMethodStored && method != kZipMethodDeflate))
        return ZipHeaderMismatch;
    if (!(flags & kZipFlagDataDescriptor) &&
        (ZipLe32(p + 14) != record_.crc || ZipLe32(p + 18) != record_.compressedSize ||
         ZipLe32(p + 22) != record_.uncompressedSize))
        return ZipHeaderMismatch;
    if (ZipLe16(p + 26) != record_.nameLength)
        return ZipHeaderMismatch;
    layout.extraPos = pos + kLocalHeaderSize + record_.nameLength;
    layout.extraLength = ZipLe16(p + 28);
    layout.dataPos = layout.extraPos + layout.extraLength;
    return ZipOk;
}

ZipResult ZipArchive::Describe(int32_t index, ZipEntryInfo& info) {
    info = ZipEntryInfo();
    if (index == -1) {
        info.index = entryCount_;
        return ZipOk;
    }
    if (index < -1 || index >= entryCount_)
        return ZipBadArgument;
    if (cached_ && cached_->index == index) {
        info = *cached_;
        return ZipOk;
    }
    if (!Seek(index))
        return ZipOpenFailed;
    info.index = index;
    info.name = ZipSanitiseName(
        ZipDecodeName(recordName_, std::min<size_t>(record_.nameLength, kZipMaxNameUnits)));
    info.attributes = ZipWindowsAttributes(record_.versionMadeBy, record_.externalAttributes);
    info.times.dosLocal = ZipDosToFileTime(record_.dosDateTime);
    info.compressedSize = record_.compressedSize;
    info.uncompressedSize = record_.uncompressedSize;
    ZipLocalLayout layout;
    if (ZipResult result = CheckLocalHeader(layout); result != ZipOk)
        return result;
    const uint8_t* extra = source_.At(layout.extraPos, layout.extraLength);
    if (!extra)
        return ZipExtraReadFailed;
    ZipReadExtendedTimestamp(extra, layout.extraLength, info.times);
    cached_ = info;
    return ZipOk;
}

ZipResult ZipArchive::ExtractData(int32_t index, const std::string* password, ZipSink& sink,
                                  std::vector<uint8_t>& buffer) {
    if (index < 0 || index >= entryCount_)
        return ZipBadArgument;
    if (!Seek(index))
        return ZipOpenFailed;
    ZipLocalLayout layout;
    ZipEntryStream stream;
    if (CheckLocalHeader(layout) != ZipOk ||
        !stream.Open(source_, layout.dataPos, record_, password))
        return ZipCorrupt;
    if (buffer.size() < kZipBufferSize)
        buffer.resize(kZipBufferSize);
    for (;;) {
        ZipEntryStream::Chunk chunk = stream.Read(buffer.data(), kZipBufferSize);
        if (chunk.status == ZipEntryStream::Status::BadPassword)
            return ZipBadPassword;
        if (chunk.status == ZipEntryStream::Status::DataError)
            return ZipCorrupt;
        if (chunk.produced > 0 && !sink.Write(buffer.data(), chunk.produced))
            return ZipWriteFailed;
        if (chunk.ended) {
            sink.Ended();
            return stream.CrcMatches() ? ZipOk : ZipCorrupt;
        }
        if (chunk.produced == 0)
            return ZipCorrupt;
    }
}
