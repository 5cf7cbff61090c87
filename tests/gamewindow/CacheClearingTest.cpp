// The cache-clearing worker against a planted cache: files on disk, entries of
// the internet cache, its debugger lines and its completion command.
#include "gamewindow/CacheCleaner.h"
#include "gamewindow/CacheClearing.h"
#include "gamewindow/GameMessages.h"
#include "tests/support/TestFiles.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wininet.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

std::mutex g_linesLock;
std::vector<std::wstring> g_lines;
int g_cleared = 0;

void WINAPI RecordLine(LPCWSTR line) {
    std::lock_guard<std::mutex> lock(g_linesLock);
    g_lines.push_back(line);
}

LRESULT CALLBACK CountClears(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_cleared += msg == WM_COMMAND && wParam == ID_CACHE_CLEARED && lParam == 0;
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Starts clearings at once, for a window that counts their completions.
void ClearCache(int clearings) {
    cachecleaner::outputDebugString = RecordLine;
    g_lines.clear();
    g_cleared = 0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountClears;
    windowClass.lpszClassName = L"CacheClearingTestWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, nullptr, nullptr);
    for (int i = 0; i < clearings; ++i)
        StartCacheClearWorker(window);
    EXPECT_TRUE(test::PumpUntil([&] { return g_cleared == clearings; }, 30000));
    DestroyWindow(window);
}

bool InCache(const wchar_t* url) {
    DWORD size = 0;
    return !GetUrlCacheEntryInfoW(url, nullptr, &size) &&
           GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(CacheClearing, EmptiesCacheButKeepsCookiesAndDesktopIni) {
    cachecleaner::outputDebugString = RecordLine;
    EXPECT_FALSE(cachecleaner::DeleteUrlCacheEntries()) << "the cache is still empty";
    std::vector<std::wstring> emptyCache{L"*******第一次查找缓存:未找到缓存。************\r\n",
                                         L"*******第二次查找缓存:未找到缓存。************\r\n"};
    EXPECT_EQ(emptyCache, g_lines);
    const wchar_t* urls[] = {L"http://127.0.0.1/game.js", L"Cookie:player@127.0.0.1/"};
    for (const wchar_t* url : urls) {
        wchar_t file[MAX_PATH] = {};
        ASSERT_TRUE(CreateUrlCacheEntryW(url, 0, L"txt", file, 0)) << url;
        test::WriteBytes(file, "cached");
        DWORD type = url == urls[0] ? NORMAL_CACHE_ENTRY : COOKIE_CACHE_ENTRY;
        ASSERT_TRUE(CommitUrlCacheEntryW(url, file, {}, {}, type, nullptr, 0, nullptr, nullptr));
    }
    EXPECT_TRUE(cachecleaner::DeleteUrlCacheEntries());
    EXPECT_FALSE(InCache(urls[0]));
    EXPECT_TRUE(InCache(urls[1]));

    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_INTERNET_CACHE | CSIDL_FLAG_CREATE, nullptr, 0, path);
    std::wstring folder = path;
    const wchar_t* kept[] = {L"desktop.ini", L"In\\DESKTOP.INI"};
    const wchar_t* gone[] = {L"a.js", L"In\\b.htm", L"Gone\\Deeper\\e.txt"};
    // Once alone, then two clearings at once on the same files.
    std::vector<std::wstring> alone;
    for (int clearings : {1, 2}) {
        test::MakeDirectories(folder + L"\\Gone\\Deeper");
        test::MakeDirectories(folder + L"\\In");
        for (const wchar_t* name : kept)
            test::WriteBytes(folder + L"\\" + name, "kept");
        for (const wchar_t* name : gone) {
            test::WriteBytes(folder + L"\\" + name, "read-only");
            SetFileAttributesW((folder + L"\\" + name).c_str(), FILE_ATTRIBUTE_READONLY);
        }
        ClearCache(clearings);
        if (clearings == 1)
            alone = g_lines;
        for (const wchar_t* name : kept)
            EXPECT_TRUE(test::FileExists(folder + L"\\" + name)) << name;
        for (const wchar_t* name : {L"a.js", L"In\\b.htm", L"Gone"})
            EXPECT_FALSE(test::FileExists(folder + L"\\" + name)) << name;
    }
    ASSERT_LE(3u, alone.size());
    EXPECT_EQ(emptyCache[0], alone[0]);
    EXPECT_EQ(0u, alone[1].find(L"*******第二次查找缓存:缓存大小为:")) << "the cookie stays";
    EXPECT_EQ(L"临时文件夹路径为:" + folder + L"\r\n", alone[2]);
    for (std::wstring item : {folder, folder + L"\\Gone\\Deeper", std::wstring(L"e.txt")})
        EXPECT_EQ(1, std::count(alone.begin(), alone.end(), L"开始清理" + item + L"文件夹\r\n"));
}

} // namespace
