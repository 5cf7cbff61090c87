// The game window's icon in the notification area.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// Callback message of the icon; the low word of lParam is the mouse message.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;

class CTrayIcon {
public:
    CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;
    ~CTrayIcon();

    // Adds the icon with owner's callback and the tip, cut to fit the record.
    void Add(HICON icon, HWND owner, const std::wstring& tip);
    // Adds the icon again with the same record if it was added: a taskbar
    // that starts again shows none of the icons it had.
    void AddAgain();
    // Takes the icon out of the notification area if it is there.
    void Remove();

private:
    NOTIFYICONDATAW data_;
    bool added_ = false;
};
