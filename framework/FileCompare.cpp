#include "framework/FileCompare.h"

#include "framework/Handles.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace fw {

namespace {

UniqueHandle OpenForReading(const std::wstring& path) {
    // Sharing writes and deletion too: the running program's own file is
    // open for execution.
    return UniqueHandle(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// Fills buffer as far as the file goes; false when a read fails.
bool ReadChunk(HANDLE file, std::vector<char>& buffer, DWORD& filled) {
    filled = 0;
    while (filled < buffer.size()) {
        DWORD read = 0;
        if (!ReadFile(file, buffer.data() + filled, static_cast<DWORD>(buffer.size() - filled),
                      &read, nullptr))
            return false;
        if (read == 0)
            break;
        filled += read;
    }
    return true;
}

} // namespace

bool SameFileContent(const std::wstring& first, const std::wstring& second) {
    UniqueHandle a = OpenForReading(first);
    UniqueHandle b = OpenForReading(second);
    LARGE_INTEGER sizeA{}, sizeB{};
    if (!a || !b || !GetFileSizeEx(a.Get(), &sizeA) || !GetFileSizeEx(b.Get(), &sizeB) ||
        sizeA.QuadPart != sizeB.QuadPart)
        return false;
    const size_t kChunkBytes = 64 * 1024;
    std::vector<char> bufferA(kChunkBytes), bufferB(kChunkBytes);
    for (;;) {
        DWORD filledA = 0, filledB = 0;
        if (!ReadChunk(a.Get(), bufferA, filledA) || !ReadChunk(b.Get(), bufferB, filledB) ||
            filledA != filledB || std::memcmp(bufferA.data(), bufferB.data(), filledA) != 0)
            return false;
        if (filledA < kChunkBytes)
            return true;
    }
}

} // namespace fw
