// File-system side of the ZIP reader: the base folder, folders created level by
// level, output files with the entry's attributes and file times, through the
// wide Win32 API.
#include "login/zip/ZipReader.h"

#include "framework/Handles.h"
#include "login/zip/ZipName.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

uint32_t LastZipResult = 0;

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::wstring WithTrailingSeparator(std::wstring folder) {
    if (folder.empty() || !IsSeparator(folder.back()))
        folder += L'\\';
    return folder;
}

// A name that carries its own root ("\x", "/x", "C:x") is used as it stands.
bool IsAbsolute(const std::wstring& path) {
    return (!path.empty() && IsSeparator(path[0])) || (path.size() >= 2 && path[1] == L':');
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Creates root + path, each parent level before its child.
void CreateLevels(const std::wstring& root, const std::wstring& path) {
    if (path.empty())
        return;
    size_t last = path.find_last_of(L"\\/");
    if (last != std::wstring::npos && last > 0)
        CreateLevels(root, path.substr(0, last));
    std::wstring full = root + path;
    if (!Exists(full))
        CreateDirectoryW(full.c_str(), nullptr);
}

void CreateFolders(const std::wstring* root, const std::wstring& path) {
    if (root && !Exists(*root))
        CreateDirectoryW(root->c_str(), nullptr);
    CreateLevels(root ? *root : std::wstring(), path);
}

FILETIME ToFileTime(uint64_t value) {
    return {static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

uint64_t LocalToUtc(uint64_t local) {
    FILETIME in = ToFileTime(local), out;
    if (local == 0 || !LocalFileTimeToFileTime(&in, &out))
        return 0;
    return static_cast<uint64_t>(out.dwHighDateTime) << 32 | out.dwLowDateTime;
}

void Fill(const ZipEntryInfo& info, ZipReaderEntry& entry) {
    entry = ZipReaderEntry();
    entry.index = info.index;
    size_t length = std::min<size_t>(info.name.size(), std::size(entry.name) - 1);
    std::copy_n(info.name.begin(), length, entry.name);
    entry.name[length] = L'\0';
    entry.attributes = info.attributes;
    uint64_t dosTime = LocalToUtc(info.times.dosLocal);
    entry.modificationTime = info.times.modified.value_or(dosTime);
    entry.accessTime = info.times.accessed.value_or(dosTime);
    entry.creationTime = info.times.created.value_or(dosTime);
    entry.compressedSize = info.compressedSize;
    entry.uncompressedSize = info.uncompressedSize;
}

// A time of 0 (no valid stamp) leaves that time of the file as the system set it.
void SetTimes(HANDLE file, const ZipReaderEntry& entry) {
    FILETIME created = ToFileTime(entry.creationTime), accessed = ToFileTime(entry.accessTime),
             modified = ToFileTime(entry.modificationTime);
    SetFileTime(file, entry.creationTime ? &created : nullptr,
                entry.accessTime ? &accessed : nullptr,
                entry.modificationTime ? &modified : nullptr);
}

DWORD CreationAttributes(uint32_t attributes) {
    DWORD fileBits = attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                   FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    return fileBits ? fileBits : FILE_ATTRIBUTE_NORMAL;
}

// Writes the entry to its file and, once the data has ended, stamps the
// file with the entry's times.
class FileSink : public ZipSink {
public:
    FileSink(HANDLE file, const ZipReaderEntry& entry) : file_(file), entry_(entry) {}

    bool Write(const uint8_t* data, size_t size) override {
        DWORD written = 0;
        return WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr) &&
               written == size;
    }

    void Ended() override { SetTimes(file_, entry_); }

private:
    HANDLE file_;
    const ZipReaderEntry& entry_;
};

} // namespace

ZipResult ZipReader::OpenMemory(const void* bytes, uint32_t length, const char* password) {
    if (archive_) {
        LastZipResult = ZipAlreadyOpen;
        return ZipAlreadyOpen;
    }
    ZipArchive archive;
    ZipResult result =
        bytes ? archive.Open(static_cast<const uint8_t*>(bytes), length) : ZipOpenFailed;
    LastZipResult = result;
    if (result != ZipOk)
        return result;
    archive_ = archive;
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring current(needed, L'\0');
    DWORD got = needed ? GetCurrentDirectoryW(needed, current.data()) : 0;
    current.resize(got < needed ? got : 0);
    baseDir_ = WithTrailingSeparator(current);
    if (password)
        password_ = password;
    return ZipOk;
}

ZipResult ZipReader::SetBaseDir(const wchar_t* folder) {
    if (!archive_ || !folder)
        return ZipBadArgument;
    baseDir_ = WithTrailingSeparator(folder);
    return ZipOk;
}

ZipResult ZipReader::GetEntry(int32_t index, ZipReaderEntry* entry) {
    if (!archive_ || !entry)
        return ZipBadArgument;
    ZipEntryInfo info;
    ZipResult result = archive_->Describe(index, info);
    // Filled even on failure: a caller that goes on to extract a doubtful entry
    // still gets its name from the directory.
    Fill(info, *entry);
    return result;
}

ZipResult ZipReader::ExtractEntry(int32_t index, const wchar_t* name) {
    if (!archive_ || !name || index < 0 || index >= archive_->EntryCount())
        return ZipBadArgument;
    ZipEntryInfo info;
    if (archive_->Describe(index, info) == ZipOpenFailed)
        return ZipOpenFailed;
    ZipReaderEntry entry;
    Fill(info, entry);
    std::wstring target = name;
    // A device name would reach the device instead of a file in the folder.
    if (ZipNameHasDevice(std::u16string(target.begin(), target.end())))
        return ZipOpenFailed;
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
        CreateFolders(IsAbsolute(target) ? nullptr : &baseDir_, target);
        return ZipOk;
    }
    size_t split = target.find_last_of(L"\\/");
    std::wstring folder =
        split == std::wstring::npos ? std::wstring() : target.substr(0, split + 1);
    bool absolute = IsAbsolute(folder);
    CreateFolders(absolute ? nullptr : &baseDir_, folder);
    std::wstring path = (absolute ? std::wstring() : baseDir_) + target;
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      CreationAttributes(entry.attributes), nullptr));
    if (!file)
        return ZipOpenFailed;
    FileSink sink(file.Get(), entry);
    return archive_->ExtractData(index, password_ ? &*password_ : nullptr, sink, output_);
}

ZipResult ZipReader::Close() {
    if (!archive_)
        return ZipBadArgument;
    archive_.reset();
    password_.reset();
    baseDir_.clear();
    std::vector<uint8_t>().swap(output_);
    return ZipOk;
}
