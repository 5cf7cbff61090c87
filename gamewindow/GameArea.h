// Where the game page is shown in a game window, for the window's own view
// and for a game frame shown inside it from another process.
#pragma once

#include <windows.h>

// The window's client area, less the title strip unless the window is in full
// screen.
RECT GameArea(HWND gameWindow, bool fullScreen);
