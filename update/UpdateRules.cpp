#include "update/UpdateRules.h"

#include "framework/Strings.h"

#include <cwchar>

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
    return wcstol(headerText.c_str(), nullptr, 10);
}

bool IsDownloadComplete(long sizeBefore, long received, long announced) {
    // Summed wide: a failed size measurement reads as -1 and must not wrap.
    return static_cast<int64_t>(sizeBefore) + received == announced;
}

bool UpdateLogTooLarge(uint64_t size) {
    return size > kUpdateLogLimitBytes;
}
