// The game frame shown inside another process's window.
#pragma once

#include "framework/Dialog.h"

#include <string>

// Placeholder until the frame arrives: the bare child window of its template.
class CGameWndDlg : public fw::CDialog {
public:
    CGameWndDlg(HWND host, std::wstring gameUrl);

    const std::wstring& GameUrl() const { return gameUrl_; }

private:
    std::wstring gameUrl_;
};
