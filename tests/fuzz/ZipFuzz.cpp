// libFuzzer target over the portable ZIP core. Whatever bytes arrive, opening,
// describing and decoding entries must not crash or read outside the input
// (the sanitizers watch that), must not produce more than an entry's declared
// size, and every name handed out must stay inside the folder it is joined to.
#include "login/zip/ZipArchive.h"
#include "login/zip/ZipName.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CountingSink : public ZipSink {
public:
    bool Write(const uint8_t*, size_t size) override {
        total += size;
        return true;
    }

    uint64_t total = 0;
};

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Resolves the name's segments the way a path is resolved against a folder:
// false when it has a root of its own or a ".." climbs above the start.
bool StaysInside(const std::u16string& name) {
    if ((!name.empty() && IsSeparator(name[0])) || (name.size() >= 2 && name[1] == u':'))
        return false;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsSeparator(name[i]))
            continue;
        std::u16string segment = name.substr(start, i - start);
        if (segment == u"..") {
            if (--depth < 0)
                return false;
        } else if (!segment.empty() && segment != u".") {
            ++depth;
        }
        start = i + 1;
    }
    return true;
}

// Entries beyond this many add run time but no new paths.
constexpr int32_t kMaxEntries = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ZipArchive zip;
    if (zip.Open(data, size) != ZipOk)
        return 0;
    static const std::string password = "lander";
    std::vector<uint8_t> buffer;
    int32_t count = std::min(zip.EntryCount(), kMaxEntries);
    for (int32_t i = 0; i < count; ++i) {
        ZipEntryInfo info;
        ZipResult described = zip.Describe(i, info);
        if (!StaysInside(info.name) || info.name.size() > kZipMaxNameUnits)
            std::abort();
        if (described == ZipOpenFailed)
            continue;
        CountingSink sink;
        zip.ExtractData(i, i % 2 ? nullptr : &password, sink, buffer);
        if (sink.total > info.uncompressedSize)
            std::abort();
    }
    ZipEntryInfo info;
    if (count > 1 && zip.Describe(count - 1, info) != ZipOpenFailed)
        zip.Describe(0, info);
    return 0;
}
