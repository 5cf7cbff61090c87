#include "gamewindow/CacheCleaner.h"

#include "framework/Handles.h"
#include "framework/Strings.h"

#include <wininet.h>

#include <vector>

namespace cachecleaner {

DebugOutputProc outputDebugString = OutputDebugStringW;

namespace {

struct UrlCacheFindTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { FindCloseUrlCache(h); }
};
using UniqueUrlCacheFind = fw::UniqueResource<UrlCacheFindTraits>;

void Output(const std::wstring& line) {
    outputDebugString(line.c_str());
}

// The entry record is written at the start of a byte buffer; operator new
// aligns it for any type. No buffer at all when size is 0.
INTERNET_CACHE_ENTRY_INFOW* EntryIn(std::vector<unsigned char>& buffer) {
    return buffer.empty() ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
}

const wchar_t kFolderStartLine[] = L"开始清理%s文件夹\r\n";

// Entries the folder walk leaves, wherever they are, compared without regard
// to case: the folder's own settings file, and the folders in which other
// programs keep their working files (the copies of opened mail attachments,
// office documents being edited).
const wchar_t* const kKeptNames[] = {L"desktop.ini", L"Content.Outlook", L"Content.MSO",
                                     L"Content.Word"};

bool IsKept(const std::wstring& name) {
    for (const wchar_t* kept : kKeptNames) {
        if (CompareStringOrdinal(name.c_str(), -1, kept, -1, TRUE) == CSTR_EQUAL)
            return true;
    }
    return false;
}

} // namespace

bool DeleteUrlCacheEntries() {
    // The first call has no buffer and only learns the size the first entry
    // needs; an enumeration from it is not used.
    DWORD size = 0;
    UniqueUrlCacheFind probe(FindFirstUrlCacheEntryW(nullptr, nullptr, &size));
    if (probe)
        Output(fw::FormatString(L"*******第一次查找缓存:缓存大小为:%d。************\r\n",
                                static_cast<int>(size)));
    else
        Output(L"*******第一次查找缓存:未找到缓存。************\r\n");
    probe.Reset();

    std::vector<unsigned char> buffer(size);
    UniqueUrlCacheFind find(FindFirstUrlCacheEntryW(nullptr, EntryIn(buffer), &size));
    if (!find) {
        Output(L"*******第二次查找缓存:未找到缓存。************\r\n");
        return false;
    }
    Output(fw::FormatString(L"*******第二次查找缓存:缓存大小为:%d。************\r\n",
                            static_cast<int>(size)));
    for (;;) {
        const INTERNET_CACHE_ENTRY_INFOW* entry = EntryIn(buffer);
        if (!(entry->CacheEntryType & COOKIE_CACHE_ENTRY))
            DeleteUrlCacheEntryW(entry->lpszSourceUrlName);
        size = 0;
        FindNextUrlCacheEntryW(find.Get(), nullptr, &size);
        buffer.assign(size, 0);
        if (size == 0 || !FindNextUrlCacheEntryW(find.Get(), EntryIn(buffer), &size))
            break;
    }
    return true;
}

bool EmptyCacheFolder(const std::wstring& folder) {
    Output(fw::FormatString(kFolderStartLine, folder.c_str()));
    WIN32_FIND_DATAW found;
    fw::UniqueFindHandle search(FindFirstFileW((folder + L"\\*.*").c_str(), &found));
    if (!search)
        return false;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || IsKept(name))
            continue;
        std::wstring full = folder + L"\\" + name;
        // The search has already read the attributes.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesW(full.c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A linked folder is only unlinked: what it points at lies
            // outside the cache.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                EmptyCacheFolder(full);
            RemoveDirectoryW(full.c_str());
        } else if (DeleteFileW(full.c_str())) {
            Output(fw::FormatString(kFolderStartLine, name.c_str()));
        } else {
            DWORD error = GetLastError();
            Output(
                fw::FormatString(L"***********删除文件:%s失败，错误代码:%d******************\r\n",
                                 name.c_str(), static_cast<int>(error)));
        }
    } while (FindNextFileW(search.Get(), &found));
    return true;
}

} // namespace cachecleaner
