// Messages that cross between the game window, a game frame shown inside it
// from another process, and the cache-clearing worker.
#pragma once

#include <windows.h>

// Frame to game window: wParam is the frame's window handle.
inline constexpr UINT WM_GAMEFRAME_ATTACH = WM_USER + 2001;
// Game window to frame: reload the frame's page.
inline constexpr UINT WM_GAMEFRAME_REFRESH = WM_USER + 2002;
// Game window to frame: place the frame again; wParam is 1 in full screen.
inline constexpr UINT WM_GAMEFRAME_LAYOUT = WM_USER + 2003;

// Command the cache-clearing worker sends to the game window when it is done.
inline constexpr UINT ID_CACHE_CLEARED = 10002;
