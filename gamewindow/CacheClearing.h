// Clearing of the browser cache behind the game window's overlay.
#pragma once

#include <windows.h>

// Starts a worker thread that empties the browser cache and then sends
// ID_CACHE_CLEARED to gameWindow; returns at once.
void StartCacheClearWorker(HWND gameWindow);
