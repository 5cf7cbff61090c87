#include "gamewindow/GameArea.h"

#include "gamewindow/TitleStrip.h"

RECT GameArea(HWND gameWindow, bool fullScreen) {
    RECT area{};
    GetClientRect(gameWindow, &area);
    if (!fullScreen)
        area.top += kTitleStripHeight;
    return area;
}
