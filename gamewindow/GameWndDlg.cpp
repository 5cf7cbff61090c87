#include "gamewindow/GameWndDlg.h"

#include "resources/resource.h"

#include <utility>

CGameWndDlg::CGameWndDlg(HWND host, std::wstring gameUrl)
    : CDialog(IDD_GAME_FRAME, host), gameUrl_(std::move(gameUrl)) {}
