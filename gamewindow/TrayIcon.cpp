#include "gamewindow/TrayIcon.h"

#include <cwchar>

// The shell of the 32-bit program knows the icon record by this size.
static_assert(sizeof(void*) != 4 || sizeof(NOTIFYICONDATAW) == 956,
              "the 32-bit notification icon record is 956 bytes");

CTrayIcon::CTrayIcon() : data_{} {
    data_.cbSize = sizeof(data_);
}

CTrayIcon::~CTrayIcon() {
    Remove();
}

void CTrayIcon::Add(HICON icon, HWND owner, const std::wstring& tip) {
    data_.hIcon = icon;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = WM_TRAYNOTIFY;
    // A tip longer than the record's field is cut rather than written past it.
    wcsncpy(data_.szTip, tip.c_str(), ARRAYSIZE(data_.szTip) - 1);
    data_.szTip[ARRAYSIZE(data_.szTip) - 1] = L'\0';
    Shell_NotifyIconW(NIM_ADD, &data_);
    added_ = true;
}

void CTrayIcon::AddAgain() {
    if (added_)
        Shell_NotifyIconW(NIM_ADD, &data_);
}

void CTrayIcon::Remove() {
    if (!added_)
        return;
    Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
}
