#include "framework/MonitorArea.h"

namespace monitorarea {

GetMonitorInfoProc getMonitorInfo = GetMonitorInfoW;

namespace {

// The primary screen when the monitor cannot be asked.
MONITORINFO MonitorOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!getMonitorInfo(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
        info.rcWork = info.rcMonitor;
    }
    return info;
}

} // namespace

RECT WorkArea(HWND window) {
    MONITORINFO info = MonitorOf(window);
    return IsRectEmpty(&info.rcWork) ? info.rcMonitor : info.rcWork;
}

RECT MonitorArea(HWND window) {
    return MonitorOf(window).rcMonitor;
}

} // namespace monitorarea
