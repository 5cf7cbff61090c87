#include "update/Md5.h"

#include "framework/Handles.h"
#include "framework/Strings.h"

#include <windows.h>
#include <wincrypt.h>

#include <exception>
#include <vector>

namespace {

struct CryptProviderTraits {
    using Type = HCRYPTPROV;
    static Type Empty() { return 0; }
    static bool IsValid(Type h) { return h != 0; }
    static void Close(Type h) { CryptReleaseContext(h, 0); }
};

struct CryptHashTraits {
    using Type = HCRYPTHASH;
    static Type Empty() { return 0; }
    static bool IsValid(Type h) { return h != 0; }
    static void Close(Type h) { CryptDestroyHash(h); }
};

} // namespace

std::vector<BYTE> AllocateWholeFile(DWORD size) {
    return std::vector<BYTE>(static_cast<size_t>(size) + 1);
}

bool FileMd5Hex(const std::wstring& path, std::wstring& hex) {
    return FileMd5Hex(path, hex, AllocateWholeFile);
}

bool FileMd5Hex(const std::wstring& path, std::wstring& hex, WholeFileAllocator allocate) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;

    HCRYPTPROV rawProvider = 0;
    if (!CryptAcquireContextW(&rawProvider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
        return false;
    fw::UniqueResource<CryptProviderTraits> provider(rawProvider);
    HCRYPTHASH rawHash = 0;
    if (!CryptCreateHash(provider.Get(), CALG_MD5, 0, 0, &rawHash))
        return false;
    fw::UniqueResource<CryptHashTraits> hash(rawHash);

    DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE)
        return false;
    try {
        // The whole file in one read: executables are small, and the digest
        // is taken once per update. A file too large for memory is a digest
        // that failed, like a failed read: its callers log an empty digest and
        // go on, where an escaping exception would end the process.
        std::vector<BYTE> content = allocate(size);
        DWORD read = 0;
        if (content.size() < size || !ReadFile(file.Get(), content.data(), size, &read, nullptr) ||
            !CryptHashData(hash.Get(), content.data(), read, 0))
            return false;
    } catch (const std::exception&) {
        // std::bad_alloc, or std::length_error for a size beyond what a
        // 32-bit process can address at all.
        return false;
    }
    file.Reset();

    DWORD length = 0;
    DWORD lengthBytes = sizeof(length);
    if (!CryptGetHashParam(hash.Get(), HP_HASHSIZE, reinterpret_cast<BYTE*>(&length), &lengthBytes,
                           0))
        return false;
    std::vector<BYTE> digest(length);
    if (!CryptGetHashParam(hash.Get(), HP_HASHVAL, digest.data(), &length, 0))
        return false;
    for (DWORD i = 0; i < length; ++i)
        hex += fw::FormatString(L"%02x", digest[i]);
    return true;
}
