// The rectangles of the monitor a window is on, in screen coordinates: its
// work area (the monitor less the taskbar and other docked bars, wherever
// they sit) and the whole monitor. The monitor is asked through a replaceable
// function pointer, GetMonitorInfoW by default, so that tests can put the
// taskbar on any side. CWnd::CenterWindow centres in WorkArea.
#pragma once

#include <windows.h>

namespace monitorarea {

using GetMonitorInfoProc = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
extern GetMonitorInfoProc getMonitorInfo;

// The work area of the window's monitor, or the whole monitor where the work
// area is empty (no system reports one; a virtual desktop whose taskbar was
// moved to a side does).
RECT WorkArea(HWND window);

// The whole monitor the window is on.
RECT MonitorArea(HWND window);

} // namespace monitorarea
