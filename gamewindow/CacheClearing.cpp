#include "gamewindow/CacheClearing.h"

#include "gamewindow/CacheCleaner.h"
#include "gamewindow/GameMessages.h"
#include "framework/Strings.h"

#include <shlobj.h>

namespace {

void RunClearing() {
    cachecleaner::DeleteUrlCacheEntries();
    wchar_t folder[MAX_PATH] = {};
    // An empty answer would make the folder step start at a drive's root.
    if (SHGetSpecialFolderPathW(nullptr, folder, CSIDL_INTERNET_CACHE, FALSE) && folder[0]) {
        cachecleaner::outputDebugString(
            fw::FormatString(L"临时文件夹路径为:%s\r\n", folder).c_str());
        cachecleaner::EmptyCacheFolder(folder);
    }
}

DWORD WINAPI ClearCacheThread(void* parameter) {
    HWND gameWindow = static_cast<HWND>(parameter);
    // The overlay stays until this command arrives, so it is sent whatever
    // happened before.
    try {
        RunClearing();
    } catch (...) {
        // Nothing is reported beyond the overlay; the clearing just ends.
    }
    SendMessageW(gameWindow, WM_COMMAND, ID_CACHE_CLEARED, 0);
    return 0;
}

} // namespace

void StartCacheClearWorker(HWND gameWindow) {
    HANDLE thread = CreateThread(nullptr, 0, ClearCacheThread, gameWindow, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        SendMessageW(gameWindow, WM_COMMAND, ID_CACHE_CLEARED, 0);
}
