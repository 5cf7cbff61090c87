// The program's ZIP reader: opens an archive held in memory and extracts its
// entries into a base folder on disk. Parsing and decoding live in ZipArchive;
// this class adds the folders, files, attributes and file times.
#pragma once

#include "login/zip/ZipArchive.h"
#include "login/zip/ZipResult.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The result of the latest OpenMemory, and of any reader call a caller chooses to
// record here.
extern uint32_t LastZipResult;

struct ZipReaderEntry {
    int32_t index; // for index -1: the number of entries
    wchar_t name[260];
    uint32_t attributes; // FILE_ATTRIBUTE_* bits
    uint64_t accessTime; // file times, UTC
    uint64_t creationTime;
    uint64_t modificationTime;
    uint32_t compressedSize;
    uint32_t uncompressedSize;
};

class ZipReader {
public:
    ZipReader() = default;
    ~ZipReader() { Close(); }
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Reads the archive in place: `bytes` must stay valid until Close. The base
    // folder starts as the current folder. Also stored in LastZipResult.
    ZipResult OpenMemory(const void* bytes, uint32_t length, const char* password = nullptr);
    ZipResult SetBaseDir(const wchar_t* folder);
    ZipResult GetEntry(int32_t index, ZipReaderEntry* entry);
    // Writes entry `index` to the base folder joined with `name` (normally the
    // name GetEntry gave); a `name` that starts with a separator or a drive is
    // taken as an absolute path.
    ZipResult ExtractEntry(int32_t index, const wchar_t* name);
    ZipResult Close();

private:
    std::optional<ZipArchive> archive_;
    std::wstring baseDir_;
    std::optional<std::string> password_;
    std::vector<uint8_t> output_;
};
