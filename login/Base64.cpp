#include "login/Base64.h"

#include "framework/Strings.h"

namespace {

int SextetOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// Appends the bytes of a group of count sextets (2 to 4); false when they
// would not fit.
bool AppendGroup(std::string& out, const int* sextets, int count) {
    size_t bytes = static_cast<size_t>(count - 1);
    if (out.size() + bytes > kBase64MaxBytes)
        return false;
    unsigned value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 6) | static_cast<unsigned>(i < count ? sextets[i] : 0);
    for (size_t i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (16 - 8 * i)) & 0xFF);
    return true;
}

} // namespace

std::string DecodeBase64(const std::string& text) {
    std::string out;
    int group[4] = {};
    int count = 0;
    bool room = true;
    for (unsigned char c : text) {
        int sextet = SextetOf(c);
        if (sextet < 0)
            continue;
        group[count++] = sextet;
        if (count == 4) {
            count = 0;
            if (!(room = AppendGroup(out, group, 4)))
                break;
        }
    }
    if (room && count >= 2)
        AppendGroup(out, group, count);
    return out.substr(0, out.find('\0'));
}

std::wstring Base64DecodeAnsi(const std::wstring& text) {
    return fw::ToWide(DecodeBase64(fw::ToNarrow(text)));
}
