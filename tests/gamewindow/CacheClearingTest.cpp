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

bool InCache(const wchar_t* url) {
    DWORD size = 0;
    return !GetUrlCacheEntryInfoW(url, nullptr, &size) &&
           GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(CacheClearing, EmptiesCacheButKeepsCookiesAndDesktopIni) {
    cachecleaner::outputDebugString = RecordLine;
    EXPECT_FALSE(cachecleaner::DeleteUrlCacheEntries()) << "the cache is still empty";
    std::wstring none[] = {L"*******第一次查找缓存:未找到缓存。************\r\n",
                           L"*******第二次查找缓存:未找到缓存。************\r\n"};
    EXPECT_EQ(std::vector<std::wstring>(none, none + 2), g_lines);
    const wchar_t* urls[] = {L"http://127.0.0.1/game.js", L"Cookie:player@127.0.0.1/"};
    for (const wchar_t* url : urls) {
        wchar_t file[MAX_PATH] = {};
        ASSERT_TRUE(CreateUrlCacheEntryW(url, 0, L"txt", file, 0)) << url;
        test::WriteBytes(file, "cached");
        DWORD type = url == urls[0] ? NORMAL_CACHE_ENTRY : COOKIE_CACHE_ENTRY;
        ASSERT_TRUE(CommitUrlCacheEntryW(url, file, {}, {}, type, nullptr, 0, nullptr, nullptr));
    }
    EXPECT_TRUE(cachecleaner::DeleteUrlCacheEntries());
    EXPECT_TRUE(!InCache(urls[0]) && InCache(urls[1]));

    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_INTERNET_CACHE, nullptr, 0, path);
    // Other programs' working folders stay whole, at any depth.
    std::wstring folder = path,
                 kept[] = {L"\\desktop.ini", L"\\In\\DESKTOP.INI",
                           L"\\Content.Outlook\\Q7AB12CD\\offer.docx",
                           L"\\In\\content.mso\\3F2A.tmp", L"\\Content.Word\\~WRS0001.tmp"},
                 gone[] = {L"\\a.js", L"\\In\\b.htm", L"\\Gone\\Deeper\\e.txt"};
    HWND window = CreateWindowW(L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, 0, 0);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountClears));
    // Once alone, with its lines checked, then two clearings at once.
    for (int clearings : {1, 2}) {
        test::MakeDirectories(folder + L"\\Gone\\Deeper");
        test::MakeDirectories(folder + L"\\In");
        for (const wchar_t* working :
             {L"\\Content.Outlook\\Q7AB12CD", L"\\In\\content.mso", L"\\Content.Word"})
            test::MakeDirectories(folder + working);
        for (const std::wstring& name : kept)
            test::WriteBytes(folder + name, "kept");
        for (const std::wstring& name : gone) {
            test::WriteBytes(folder + name, "read-only");
            SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_READONLY);
        }
        g_lines.clear();
        g_cleared = 0;
        for (int i = 0; i < clearings; ++i)
            StartCacheClearWorker(window);
        EXPECT_TRUE(test::PumpUntil([&] { return g_cleared == clearings; }, 30000));
        for (const std::wstring& name : kept)
            EXPECT_TRUE(test::FileExists(folder + name)) << name;
        for (const std::wstring& name : {gone[0], gone[1], std::wstring(L"\\Gone")})
            EXPECT_FALSE(test::FileExists(folder + name)) << name;
        if (clearings > 1)
            break;
        ASSERT_LE(3u, g_lines.size());
        EXPECT_EQ(none[0], g_lines[0]);
        EXPECT_EQ(0u, g_lines[1].find(L"*******第二次查找缓存:缓存大小为:")) << "the cookie";
        EXPECT_EQ(L"临时文件夹路径为:" + folder + L"\r\n", g_lines[2]);
        for (std::wstring item : {folder, folder + L"\\Gone\\Deeper", std::wstring(L"e.txt")})
            EXPECT_EQ(
                1, std::count(g_lines.begin(), g_lines.end(), L"开始清理" + item + L"文件夹\r\n"));
    }
    DestroyWindow(window);
}

} // namespace
