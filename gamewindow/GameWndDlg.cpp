#include "gamewindow/GameWndDlg.h"

#include "browser/MyHtmlView.h"
#include "gamewindow/GameMessages.h"
#include "gamewindow/GameArea.h"
#include "resources/resource.h"

#include <utility>

namespace {

const DWORD kWatchPeriodMs = 1000;
const UINT kGameViewId = 10000;

// What the watcher needs, copied so that it never reads the frame object,
// which the user-interface thread may delete at any time.
struct WatchTarget {
    HWND host;
    HWND frame;
};

DWORD WINAPI WatchHost(void* parameter) {
    std::unique_ptr<WatchTarget> target(static_cast<WatchTarget*>(parameter));
    while (IsWindow(target->host))
        Sleep(kWatchPeriodMs);
    PostMessageW(target->frame, WM_CLOSE, 0, 0);
    // The close normally ends the message loop and the process first; this
    // ends a process whose loop did not get there. It ends without running
    // the program's static destructors on this thread, while the
    // user-interface thread may still be using those objects.
    Sleep(kWatchPeriodMs);
    ExitProcess(0);
}

} // namespace

CGameWndDlg::CGameWndDlg(HWND host, std::wstring gameUrl)
    : CDialog(IDD_GAME_FRAME, host), host_(host), gameUrl_(std::move(gameUrl)) {
}

CGameWndDlg::~CGameWndDlg() {
    if (gameView_ && gameView_->m_hWnd)
        gameView_->DestroyWindow();
}

BOOL CGameWndDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (host_) {
        CreateGameView();
        RECT area = GameArea(host_, false);
        MoveWindow(m_hWnd, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   TRUE);
        FitViewToFrame();
        SetParent(m_hWnd, host_);
        SendMessageW(host_, WM_GAMEFRAME_ATTACH, reinterpret_cast<WPARAM>(m_hWnd), 0);
    }
    StartHostWatcher();
    return TRUE;
}

void CGameWndDlg::CreateGameView() {
    auto view = std::make_unique<CMyHtmlView>();
    RECT empty{};
    if (!view->CreateEx(0, nullptr, L"MyWebBrowser", WS_CHILD | WS_VISIBLE, empty, m_hWnd,
                        kGameViewId))
        return;
    gameView_ = std::move(view);
    gameView_->Navigate(gameUrl_.c_str());
}

void CGameWndDlg::FitViewToFrame() {
    if (!gameView_ || !gameView_->m_hWnd)
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    MoveWindow(gameView_->m_hWnd, 0, 0, client.right, client.bottom, FALSE);
}

void CGameWndDlg::StartHostWatcher() {
    auto* target = new WatchTarget{host_, m_hWnd};
    HANDLE thread = CreateThread(nullptr, 0, WatchHost, target, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        delete target;
}

BOOL CGameWndDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        return FALSE;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CGameWndDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GAMEFRAME_LAYOUT:
        OnLayout(wParam != 0);
        return 0;
    case WM_GAMEFRAME_REFRESH:
        OnRefresh();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SIZE: {
        LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        FitViewToFrame();
        return result;
    }
    default:
        return CDialog::WindowProc(msg, wParam, lParam);
    }
}

void CGameWndDlg::OnLayout(bool fullScreen) {
    if (!host_)
        return;
    RECT area = GameArea(host_, fullScreen);
    MoveWindow(m_hWnd, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    if (!IsWindowVisible(m_hWnd))
        ShowWindow(m_hWnd, SW_SHOW);
}

void CGameWndDlg::OnRefresh() {
    if (gameView_)
        gameView_->Refresh();
}

void CGameWndDlg::OnClose() {
    if (gameView_) {
        gameView_->DestroyWindow();
        gameView_.reset();
    }
    PostQuitMessage(0);
}
