// Runs one piece of the client's own code on a prepared input and prints how
// long that piece took, measured inside the process so that Wine's process
// start is left out (the baselines are native commands that start in
// milliseconds).
//   bench_work md5 FILE               the digest the update log records
//   bench_work unzip ARCHIVE FOLDER   the ZIP reader, every entry
//   bench_work clear FOLDER           the cache folder clearing
//   bench_work download URL           the update download into %APPDATA%\cache
// Prints "seconds <s>" and a check value, or a reason and exit status 1.
#include "framework/Handles.h"
#include "gamewindow/CacheCleaner.h"
#include "login/zip/ZipReader.h"
#include "update/Md5.h"
#include "update/UpdateModule.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

void ReportSeconds(const LARGE_INTEGER& start) {
    LARGE_INTEGER end = Now(), frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("seconds %.4f\n", double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
}

int Fail(const char* reason) {
    std::fprintf(stderr, "%s\n", reason);
    return 1;
}

int Md5(const std::wstring& path) {
    LARGE_INTEGER start = Now();
    std::wstring hex;
    if (!FileMd5Hex(path, hex))
        return Fail("the digest failed");
    ReportSeconds(start);
    std::printf("md5 %ls\n", hex.c_str());
    return 0;
}

bool ReadWholeFile(const std::wstring& path, std::vector<char>& bytes) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7fffffff)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
           read == bytes.size();
}

// Reading the archive is part of the work, as it is for unzip.
int Unzip(const std::wstring& archivePath, const std::wstring& folder) {
    LARGE_INTEGER start = Now();
    std::vector<char> bytes;
    if (!ReadWholeFile(archivePath, bytes))
        return Fail("cannot read the archive");
    ZipReader reader;
    if (reader.OpenMemory(bytes.data(), static_cast<uint32_t>(bytes.size())) != ZipOk ||
        reader.SetBaseDir(folder.c_str()) != ZipOk)
        return Fail("cannot open the archive");
    ZipReaderEntry archive{};
    reader.GetEntry(-1, &archive);
    int extracted = 0;
    for (int32_t i = 0; i < archive.index; ++i) {
        ZipReaderEntry entry{};
        if (reader.GetEntry(i, &entry) != ZipOk || reader.ExtractEntry(i, entry.name) != ZipOk)
            return Fail("an entry failed");
        ++extracted;
    }
    ReportSeconds(start);
    std::printf("entries %d\n", extracted);
    return 0;
}

int Clear(const std::wstring& folder) {
    LARGE_INTEGER start = Now();
    if (!cachecleaner::EmptyCacheFolder(folder))
        return Fail("cannot search the folder");
    ReportSeconds(start);
    return 0;
}

int Download(const std::wstring& url) {
    bool handedOver = false;
    CUpdateModule module(L"\\bench_download.exe", L"\\LanderBench\\",
                         [&](const std::wstring&, const std::wstring&) { handedOver = true; });
    LARGE_INTEGER start = Now();
    module.DownloadUpdate(url);
    if (!handedOver)
        return Fail("the download did not complete");
    ReportSeconds(start);
    std::printf("file %ls\n", module.CacheFile().c_str());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring task = argc > 1 ? argv[1] : L"";
    if (task == L"md5" && argc == 3)
        return Md5(argv[2]);
    if (task == L"unzip" && argc == 4)
        return Unzip(argv[2], argv[3]);
    if (task == L"clear" && argc == 3)
        return Clear(argv[2]);
    if (task == L"download" && argc == 3)
        return Download(argv[2]);
    return Fail("usage: bench_work md5 FILE | unzip ARCHIVE FOLDER | clear FOLDER | download URL");
}
