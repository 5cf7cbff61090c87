// Tests of ZipReader on a real file system (run under Wine): where entries land,
// the folders made for them, their attributes and file times, the result codes
// seen by a caller, and that nothing is ever written outside the base folder.
#include "ZipTestSupport.h"

#include "framework/Handles.h"
#include "login/zip/ZipReader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace ziptest;

namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    fw::UniqueFindHandle find(FindFirstFileW((path + L"\\*").c_str(), &found));
    for (bool more = find.Valid(); more; more = FindNextFileW(find.Get(), &found)) {
        std::wstring name = found.cFileName, child = path + L"\\" + name;
        if (name == L"." || name == L"..")
            continue;
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(child);
        else
            DeleteFileW(child.c_str());
    }
    find.Reset();
    RemoveDirectoryW(path.c_str());
}

// Every file and folder below `root`, as sorted relative paths.
void ListTree(const std::wstring& root, const std::wstring& prefix,
              std::vector<std::wstring>& out) {
    WIN32_FIND_DATAW found;
    fw::UniqueFindHandle find(FindFirstFileW((root + prefix + L"*").c_str(), &found));
    for (bool more = find.Valid(); more; more = FindNextFileW(find.Get(), &found)) {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        out.push_back(prefix + name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListTree(root, prefix + name + L"\\", out);
    }
}

std::vector<std::wstring> Tree(const std::wstring& root) {
    std::vector<std::wstring> paths;
    ListTree(root, L"", paths);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ReadAll(const std::wstring& path) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    std::string data;
    char chunk[4096];
    DWORD got = 0;
    while (file && ::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
        data.append(chunk, got);
    return data;
}

uint64_t Value(const FILETIME& t) {
    return static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
}

WIN32_FILE_ATTRIBUTE_DATA FileData(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) << path;
    return data;
}

uint64_t FileTime(int64_t unixSeconds) {
    return static_cast<uint64_t>(unixSeconds + 11644473600) * 10000000u;
}

// Each test gets a fresh folder here; the test prefix is private to this run.
std::wstring ScratchRoot() {
    wchar_t buffer[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, buffer);
    std::wstring root(buffer, n);
    if (root.empty() || root.back() != L'\\')
        root += L'\\';
    return root + L"zip_tests\\";
}

class ZipReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::wstring parent = ScratchRoot();
        CreateDirectoryW(parent.c_str(), nullptr);
        root_ = parent + std::wstring(test, test + strlen(test));
        RemoveTree(root_);
        ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr));
        root_ += L"\\";
        base_ = root_ + L"base\\";
    }

    template <size_t N>
    void Open(const unsigned char (&archive)[N], const char* password = nullptr) {
        ASSERT_EQ(ZipOk, zip_.OpenMemory(archive, N, password));
        ASSERT_EQ(ZipOk, zip_.SetBaseDir((root_ + L"base").c_str()));
    }

    // Extracts every entry under the name GetEntry gives it.
    std::vector<ZipResult> ExtractAll() {
        ZipReaderEntry entry;
        zip_.GetEntry(-1, &entry);
        std::vector<ZipResult> results;
        for (int32_t i = 0, count = entry.index; i < count; ++i) {
            zip_.GetEntry(i, &entry);
            results.push_back(zip_.ExtractEntry(i, entry.name));
        }
        return results;
    }

    std::wstring root_, base_;
    ZipReader zip_;
};

} // namespace

TEST_F(ZipReaderTest, ExtractsFilesAndCreatesFoldersLevelByLevel) {
    Open(zip_archives::basic);
    for (ZipResult result : ExtractAll())
        EXPECT_EQ(ZipOk, result);
    std::vector<std::wstring> expected = {L"base",
                                          L"base\\deflated.txt",
                                          L"base\\dir",
                                          L"base\\dir\\sub",
                                          L"base\\dir\\sub\\file.txt",
                                          L"base\\empty.txt",
                                          L"base\\stored.txt"};
    EXPECT_EQ(expected, Tree(root_));
    EXPECT_EQ(Pattern(20000), ReadAll(base_ + L"stored.txt"));
    EXPECT_EQ(NumberedLines(12000), ReadAll(base_ + L"deflated.txt"));
    EXPECT_EQ("nested", ReadAll(base_ + L"dir\\sub\\file.txt"));
}

TEST_F(ZipReaderTest, NoEntryIsWrittenOutsideTheBaseFolder) {
    Open(zip_archives::names);
    std::vector<ZipResult> results = ExtractAll();
    EXPECT_EQ(ZipOpenFailed, results[8]) << "\"..\" leaves no name to write to";
    for (const std::wstring& path : Tree(root_))
        EXPECT_EQ(0u, path.rfind(L"base", 0)) << "escaped: " << path;
    struct Landing {
        const wchar_t* path;
        const char* storedName;
    } landings[] = {
        {L"x\\drive.txt", "C:\\x\\drive.txt"},
        {L"back.txt", "\\back.txt"},
        {L"fwd.txt", "//fwd.txt"},
        {L"p1.txt", "x\\..\\p1.txt"},
        {L"p2.txt", "x/../p2.txt"},
        {L"p3.txt", "../p3.txt"},
        {L"p4.txt", "..\\..\\p4.txt"},
        {L"p5.txt", "a/b/../../../p5.txt"},
        {L"\u540d\u5b57.txt", "\xE5\x90\x8D\xE5\xAD\x97.txt"},
    };
    for (const Landing& l : landings)
        EXPECT_EQ(l.storedName, ReadAll(base_ + l.path));
}

TEST_F(ZipReaderTest, FilesGetTheEntryAttributes) {
    Open(zip_archives::attributes);
    for (ZipResult result : ExtractAll())
        EXPECT_EQ(ZipOk, result);
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    auto attributes = [&](const wchar_t* name) {
        return GetFileAttributesW((base_ + name).c_str()) & kept;
    };
    EXPECT_EQ(0u, attributes(L"rw.txt")) << "Unix 0644";
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY}, attributes(L"ro.txt")) << "Unix 0444";
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_HIDDEN}, attributes(L"hidden.txt"));
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM}, attributes(L"system.txt"));
    ZipReaderEntry entry;
    ASSERT_EQ(ZipOk, zip_.GetEntry(0, &entry));
    EXPECT_EQ(DWORD{FILE_ATTRIBUTE_ARCHIVE}, entry.attributes);
}

TEST_F(ZipReaderTest, FileTimesComeFromDosStampOrExtendedTimestamp) {
    Open(zip_archives::times);
    for (ZipResult result : ExtractAll())
        EXPECT_EQ(ZipOk, result);

    FILETIME local = {static_cast<DWORD>(FileTime(981173106)),
                      static_cast<DWORD>(FileTime(981173106) >> 32)};
    FILETIME utc;
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
    ZipReaderEntry entry;
    ASSERT_EQ(ZipOk, zip_.GetEntry(0, &entry));
    EXPECT_EQ(Value(utc), entry.modificationTime) << "DOS stamp is local time";
    EXPECT_EQ(Value(utc), entry.accessTime);
    EXPECT_EQ(Value(utc), Value(FileData(base_ + L"dos_only.txt").ftLastWriteTime));

    ASSERT_EQ(ZipOk, zip_.GetEntry(1, &entry));
    EXPECT_EQ(FileTime(1000000000), entry.modificationTime);
    EXPECT_EQ(FileTime(1100000000), entry.accessTime);
    EXPECT_EQ(FileTime(1200000000), entry.creationTime);
    WIN32_FILE_ATTRIBUTE_DATA data = FileData(base_ + L"ut_all.txt");
    EXPECT_EQ(FileTime(1000000000), Value(data.ftLastWriteTime));
    EXPECT_EQ(FileTime(1100000000), Value(data.ftLastAccessTime));

    ASSERT_EQ(ZipOk, zip_.GetEntry(3, &entry));
    EXPECT_EQ(0u, entry.modificationTime) << "no valid stamp";
}

TEST_F(ZipReaderTest, UnusableDataIsReportedAsCorrupt) {
    Open(zip_archives::method12);
    ZipReaderEntry entry;
    EXPECT_EQ(ZipHeaderMismatch, zip_.GetEntry(1, &entry));
    EXPECT_STREQ(L"other.bin", entry.name) << "named even so, for a caller that goes on";
    EXPECT_EQ(ZipCorrupt, zip_.ExtractEntry(1, entry.name));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((base_ + L"other.bin").c_str()));
    EXPECT_EQ("", ReadAll(base_ + L"other.bin"));

    ZipReader damaged;
    ASSERT_EQ(ZipOk, damaged.OpenMemory(zip_archives::damaged, sizeof zip_archives::damaged));
    ASSERT_EQ(ZipOk, damaged.SetBaseDir(base_.c_str()));
    EXPECT_EQ(ZipCorrupt, damaged.ExtractEntry(1, L"crc_mismatch.txt"));
    // All of its data arrived, so the file still gets the entry's time stamp.
    ZipReaderEntry mismatch;
    damaged.GetEntry(1, &mismatch);
    EXPECT_EQ(mismatch.modificationTime,
              Value(FileData(base_ + L"crc_mismatch.txt").ftLastWriteTime));
}

TEST_F(ZipReaderTest, DeviceNamesAreNotOpened) {
    Open(zip_archives::method12);
    for (const wchar_t* device : {L"nul.txt", L"sub\\CON", L"COM1"})
        EXPECT_EQ(ZipOpenFailed, zip_.ExtractEntry(0, device)) << device;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((base_ + L"sub").c_str()));
    EXPECT_EQ(ZipOk, zip_.ExtractEntry(0, L"console.txt"));
    EXPECT_EQ("first", ReadAll(base_ + L"console.txt"));
}

TEST_F(ZipReaderTest, PasswordGivenAtOpeningDecryptsEntries) {
    Open(zip_archives::encrypted, "lander");
    EXPECT_EQ(ZipOk, zip_.ExtractEntry(0, L"right.txt"));
    EXPECT_EQ(Secret(), ReadAll(base_ + L"right.txt"));
    ZipReader unkeyed;
    ASSERT_EQ(ZipOk, unkeyed.OpenMemory(zip_archives::encrypted, sizeof zip_archives::encrypted));
    ASSERT_EQ(ZipOk, unkeyed.SetBaseDir(base_.c_str()));
    EXPECT_EQ(ZipBadPassword, unkeyed.ExtractEntry(0, L"wrong.txt"));
}

TEST_F(ZipReaderTest, CallerNamesAreJoinedToBaseUnlessAbsolute) {
    Open(zip_archives::tiny);
    EXPECT_EQ(ZipOk, zip_.ExtractEntry(0, L"renamed/deeper/h.txt"));
    EXPECT_EQ("hello", ReadAll(base_ + L"renamed\\deeper\\h.txt"));
    std::wstring absolute = root_ + L"elsewhere\\h.txt";
    EXPECT_EQ(ZipOk, zip_.ExtractEntry(0, absolute.c_str()));
    EXPECT_EQ("hello", ReadAll(absolute));
    ASSERT_TRUE(CreateDirectoryW((base_ + L"taken.txt").c_str(), nullptr));
    EXPECT_EQ(ZipOpenFailed, zip_.ExtractEntry(0, L"taken.txt"));
}

TEST_F(ZipReaderTest, BaseFolderDefaultsToTheCurrentFolder) {
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(root_.c_str()));
    ZipResult opened = zip_.OpenMemory(zip_archives::tiny, sizeof zip_archives::tiny);
    SetCurrentDirectoryW(previous);
    ASSERT_EQ(ZipOk, opened);
    EXPECT_EQ(ZipOk, zip_.ExtractEntry(0, L"hello.txt"));
    EXPECT_EQ("hello", ReadAll(root_ + L"hello.txt"));
}

TEST_F(ZipReaderTest, ResultCodesOfTheReaderLifecycle) {
    ZipReaderEntry entry;
    EXPECT_EQ(ZipBadArgument, zip_.GetEntry(-1, &entry)) << "not open";
    EXPECT_EQ(ZipBadArgument, zip_.SetBaseDir(L"C:\\"));
    EXPECT_EQ(ZipBadArgument, zip_.ExtractEntry(0, L"x"));
    EXPECT_EQ(ZipBadArgument, zip_.Close());

    const unsigned char garbage[64] = {'P', 'K'};
    EXPECT_EQ(ZipOpenFailed, zip_.OpenMemory(garbage, sizeof garbage));
    EXPECT_EQ(uint32_t{ZipOpenFailed}, LastZipResult);
    ASSERT_EQ(ZipOk, zip_.OpenMemory(zip_archives::basic, sizeof zip_archives::basic));
    EXPECT_EQ(uint32_t{ZipOk}, LastZipResult);
    EXPECT_EQ(ZipAlreadyOpen, zip_.OpenMemory(zip_archives::tiny, sizeof zip_archives::tiny));
    EXPECT_EQ(uint32_t{ZipAlreadyOpen}, LastZipResult);

    EXPECT_EQ(ZipBadArgument, zip_.GetEntry(5, &entry)) << "basic has 5 entries";
    EXPECT_EQ(ZipBadArgument, zip_.ExtractEntry(-1, L"x"));

    EXPECT_EQ(ZipOk, zip_.Close());
    EXPECT_EQ(ZipBadArgument, zip_.GetEntry(0, &entry)) << "closed";
    EXPECT_EQ(ZipOk, zip_.OpenMemory(zip_archives::tiny, sizeof zip_archives::tiny));
}
