// Entry-name decoding and sanitising; see ZipName.h.
#include "login/zip/ZipName.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct Utf8Lead {
    int continuations;
    uint32_t bits;
    uint8_t secondMin, secondMax; // the second byte's range rules out overlong forms,
                                  // surrogates and values above U+10FFFF
};

bool ReadLead(uint8_t b, Utf8Lead& lead) {
    if (b >= 0xC2 && b <= 0xDF)
        lead = {1, b & 0x1Fu, 0x80, 0xBF};
    else if (b == 0xE0)
        lead = {2, b & 0x0Fu, 0xA0, 0xBF};
    else if (b == 0xED)
        lead = {2, b & 0x0Fu, 0x80, 0x9F};
    else if (b >= 0xE1 && b <= 0xEF)
        lead = {2, b & 0x0Fu, 0x80, 0xBF};
    else if (b == 0xF0)
        lead = {3, b & 0x07u, 0x90, 0xBF};
    else if (b >= 0xF1 && b <= 0xF3)
        lead = {3, b & 0x07u, 0x80, 0xBF};
    else if (b == 0xF4)
        lead = {3, b & 0x07u, 0x80, 0x8F};
    else
        return false;
    return true;
}

// Decodes one sequence at bytes[i]; returns its length, or 0 when it is malformed.
size_t DecodeOne(const uint8_t* bytes, size_t length, size_t i, uint32_t& code) {
    Utf8Lead lead;
    if (!ReadLead(bytes[i], lead) || length - i <= static_cast<size_t>(lead.continuations))
        return 0;
    if (bytes[i + 1] < lead.secondMin || bytes[i + 1] > lead.secondMax)
        return 0;
    code = lead.bits;
    for (int k = 1; k <= lead.continuations; ++k) {
        uint8_t c = bytes[i + k];
        if ((c & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (c & 0x3Fu);
    }
    return static_cast<size_t>(lead.continuations) + 1;
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool StripParentStep(std::u16string& name) {
    static const char16_t* const kInnerSteps[] = {u"\\..\\", u"\\../", u"/../", u"/..\\"};
    if (name == u"..") {
        name.clear();
        return true;
    }
    if (name.size() >= 3 && name[0] == u'.' && name[1] == u'.' && IsSeparator(name[2])) {
        name.erase(0, 3);
        return true;
    }
    for (const char16_t* step : kInnerSteps) {
        size_t at = name.find(step);
        if (at != std::u16string::npos) {
            name.erase(0, at + 4);
            return true;
        }
    }
    // A final parent step climbs out too when all before it is "." segments
    // (".\.."), so it goes with everything in front of it.
    size_t size = name.size();
    if (size >= 3 && IsSeparator(name[size - 3]) && name[size - 2] == u'.' &&
        name[size - 1] == u'.') {
        name.clear();
        return true;
    }
    return false;
}

} // namespace

std::u16string ZipDecodeName(const uint8_t* bytes, size_t length) {
    std::u16string name;
    size_t i = 0;
    while (i < length && bytes[i] != 0) {
        uint32_t code = bytes[i];
        size_t used = 1;
        if (code >= 0x80) {
            used = DecodeOne(bytes, length, i, code);
            if (used == 0) {
                code = kReplacement;
                used = 1;
            }
        }
        size_t units = code >= 0x10000 ? 2 : 1;
        if (name.size() + units > kZipMaxNameUnits)
            break;
        if (units == 2) {
            code -= 0x10000;
            name += static_cast<char16_t>(0xD800 + (code >> 10));
            name += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            name += static_cast<char16_t>(code);
        }
        i += used;
    }
    return name;
}

std::u16string ZipSanitiseName(std::u16string name) {
    for (;;) {
        if (name.size() >= 2 && name[1] == u':')
            name.erase(0, 2);
        else if (!name.empty() && IsSeparator(name[0]))
            name.erase(0, 1);
        else if (!StripParentStep(name))
            return name;
    }
}

namespace {

char16_t Upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

bool IsDeviceSegment(const std::u16string& segment) {
    // The system ignores an extension and trailing spaces or dots here.
    std::u16string stem = segment.substr(0, segment.find(u'.'));
    while (!stem.empty() && stem.back() == u' ')
        stem.pop_back();
    for (char16_t& c : stem)
        c = Upper(c);
    static const char16_t* const kDevices[] = {u"CON", u"PRN",    u"AUX",
                                               u"NUL", u"CONIN$", u"CONOUT$"};
    for (const char16_t* device : kDevices)
        if (stem == device)
            return true;
    return stem.size() == 4 &&
           (stem.compare(0, 3, u"COM") == 0 || stem.compare(0, 3, u"LPT") == 0) &&
           stem[3] >= u'1' && stem[3] <= u'9';
}

} // namespace

bool ZipNameHasDevice(const std::u16string& path) {
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of(u"\\/", start);
        if (end == std::u16string::npos)
            end = path.size();
        if (IsDeviceSegment(path.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}
