#include "update/UpdateRules.h"

#include "framework/Strings.h"

#include <cwchar>
#include <windows.h>

namespace {

uint32_t LittleEndian(const std::string& bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = count; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::wstring FormatCheckAddress(const std::wstring& base, const std::wstring& query,
                                const std::wstring& version) {
    return fw::FormatString(L"%s/%s%s", base.c_str(), query.c_str(), version.c_str());
}

std::string ReplyFromBody(const std::string& body) {
    if (body.size() >= kReplyBufferBytes)
        return std::string();
    return body.substr(0, body.find('\0'));
}

bool IsUpdateOffered(const std::wstring& reply) {
    if (reply.size() <= 5)
        return false;
    return wcstol(reply.c_str(), nullptr, 10) >= 0;
}

long AnnouncedLength(const std::wstring& headerText) {
    long long value = wcstoll(headerText.c_str(), nullptr, 10);
    return value < 0 || value > INT32_MAX ? kLengthOutsideDesign : static_cast<long>(value);
}

bool IsDownloadComplete(long sizeBefore, long received, long announced) {
    // Summed wide: a failed size measurement reads as -1 and must not wrap.
    return static_cast<int64_t>(sizeBefore) + received == announced;
}

bool IsWithinAnnouncedLength(long sizeBefore, long received, long announced) {
    return static_cast<int64_t>(sizeBefore) + received <= announced;
}

bool UpdateLogTooLarge(uint64_t size) {
    return size > kUpdateLogLimitBytes;
}

uint32_t ExchangeTimeLimitMs(uint64_t bytes) {
    // Announced lengths stay below 2 GiB, so the sum stays far below 2^32.
    uint64_t transferMs =
        (bytes * 1000 + kSlowestServiceBytesPerSecond - 1) / kSlowestServiceBytesPerSecond;
    return static_cast<uint32_t>(kServiceQuietLimitMs + transferMs);
}

bool LeavesTooLittleSpace(uint64_t freeBytes, long announced) {
    uint64_t needed = static_cast<uint64_t>(announced < 0 ? 0 : announced) + kDiskReserveBytes;
    return freeBytes < needed;
}

std::wstring LogLineText(const std::wstring& message) {
    std::wstring text = message;
    for (wchar_t& c : text) {
        bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
        if (control)
            c = L' ';
    }
    return text;
}

bool IsProgramImage(const std::string& head) {
    const size_t kPeOffsetField = 0x3C;
    const size_t kCharacteristicsField = 4 + 18; // after "PE\0\0", in the file header
    if (head.size() < kPeOffsetField + 4 || head.compare(0, 2, "MZ") != 0)
        return false;
    size_t pe = LittleEndian(head, kPeOffsetField, 4);
    if (pe > head.size() || head.size() - pe < kCharacteristicsField + 2)
        return false;
    if (head.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
        return false;
    uint32_t characteristics = LittleEndian(head, pe + kCharacteristicsField, 2);
    return (characteristics & IMAGE_FILE_EXECUTABLE_IMAGE) != 0 &&
           (characteristics & IMAGE_FILE_DLL) == 0;
}
