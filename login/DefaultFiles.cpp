#include "login/DefaultFiles.h"

#include "app/Settings.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "login/zip/ZipReader.h"
#include "resources/resource.h"

#include <cwchar>
#include <windows.h>

namespace {

const int kExtractedMarker = 1001;
const wchar_t kSettingsEntry[] = L"systemset.ini";

// The archive's bytes inside the running module; resources stay mapped for the
// life of the process, so nothing needs freeing.
bool FindDefaultsArchive(const void** bytes, DWORD* size) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_DEFAULTS_ZIP), L"ZIP");
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    *bytes = loaded ? LockResource(loaded) : nullptr;
    *size = SizeofResource(module, found);
    return *bytes != nullptr && *size != 0;
}

void UnpackInto(const std::wstring& resFolder) {
    const void* bytes = nullptr;
    DWORD size = 0;
    if (!FindDefaultsArchive(&bytes, &size)) {
        LastZipResult = ZipOpenFailed;
        return;
    }
    ZipReader reader;
    if (reader.OpenMemory(bytes, size) != ZipOk)
        return;
    LastZipResult = static_cast<uint32_t>(reader.SetBaseDir(resFolder.c_str()));

    ZipReaderEntry archive{};
    LastZipResult = static_cast<uint32_t>(reader.GetEntry(-1, &archive));
    for (int32_t i = 0; i < archive.index; ++i) {
        ZipReaderEntry entry{};
        LastZipResult = static_cast<uint32_t>(reader.GetEntry(i, &entry));
        if (wcscmp(entry.name, kSettingsEntry) == 0 &&
            fw::PathExists(resFolder + L"\\" + entry.name))
            continue;
        LastZipResult = static_cast<uint32_t>(reader.ExtractEntry(i, entry.name));
    }
    LastZipResult = static_cast<uint32_t>(reader.Close());
}

} // namespace

void ExtractDefaultFiles(const std::wstring& dataFolder) {
    if (_wtoi(ReadSetting(L"Setting", L"start", L"-1").c_str()) == kExtractedMarker)
        return;
    std::wstring resFolder = dataFolder + L"\\res";
    if (!fw::PathExists(resFolder))
        CreateDirectoryW(resFolder.c_str(), nullptr);

    UnpackInto(resFolder);

    std::wstring obsolete = resFolder + L"\\data.zip";
    if (fw::PathExists(obsolete))
        DeleteFileW(obsolete.c_str());
    WriteSetting(L"Setting", L"start", fw::FormatString(L"%d", kExtractedMarker).c_str());
}
