// The game window's screen modes: the maximised layout fitted to the work
// area, the restored 1000 x 700 window, full screen, and the boss key, with
// the flags that carry them (full screen, maximised, minimised by the strip's
// button) and the refit after a restore from the taskbar.
#include "gamewindow/Lander_Q7Dlg.h"

#include "framework/MonitorArea.h"
#include "gamewindow/CaptionButtons.h"
#include "gamewindow/TitleStrip.h"

namespace {

constexpr UINT_PTR kRefitTimer = 102;
constexpr UINT kRefitDelayMs = 10;

} // namespace

void CLander_Q7Dlg::OnSystemRestore() {
    // Restored from the taskbar: once the system has restored the window,
    // it is fitted to the work area again, or to the whole screen in full
    // screen.
    if (maximized_ || fullScreen_)
        SetTimer(m_hWnd, kRefitTimer, kRefitDelayMs, nullptr);
}

void CLander_Q7Dlg::OnSize(WPARAM kind) {
    // Back from the taskbar or any other restore: the next boss key hides
    // the window again.
    if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED)
        minimizedByButton_ = 0;
    PlaceGameView(fullScreen_);
    SendFrameLayout(fullScreen_);
}

void CLander_Q7Dlg::OnCancel() {
    if (fullScreen_)
        LeaveFullScreen();
}

void CLander_Q7Dlg::OnTimer(UINT_PTR id) {
    if (id == kRefitTimer) {
        if (fullScreen_) {
            EnterFullScreen();
        } else {
            // The work area may have changed its width since the buttons
            // were placed.
            FitToWorkArea();
            LayoutCaptionButtons();
        }
        KillTimer(m_hWnd, kRefitTimer);
    }
}

void CLander_Q7Dlg::OnWorkAreaChanged() {
    // The taskbar moved, was hidden or shown, or a monitor changed: the
    // layout is fitted again once the system has placed its own windows. A
    // hidden or minimised window is left where it is.
    if ((maximized_ || fullScreen_) && IsWindowVisible(m_hWnd) && !IsIconic(m_hWnd))
        SetTimer(m_hWnd, kRefitTimer, kRefitDelayMs, nullptr);
}

// The work area of the window's own monitor, wherever its taskbar sits.
void CLander_Q7Dlg::FitToWorkArea() {
    RECT area = monitorarea::WorkArea(m_hWnd);
    SetWindowPos(m_hWnd, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER);
    PlaceGameView(false);
    SendFrameLayout(false);
    InvalidateStrip();
}

void CLander_Q7Dlg::Maximize() {
    SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    minimizedByButton_ = 0;
    maximized_ = true;
    LayoutCaptionButtons();
    ShowRestoreButton(buttons_, true);
    FitToWorkArea();
}

void CLander_Q7Dlg::Restore() {
    minimizedByButton_ = 0;
    RestoreLayout();
}

void CLander_Q7Dlg::RestoreLayout() {
    maximized_ = false;
    SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    LayoutCaptionButtons();
    PlaceGameView(false);
    SendFrameLayout(false);
    ShowRestoreButton(buttons_, false);
    RECT strip{0, 0, kRestoredWidth, kTitleStripHeight};
    InvalidateRect(m_hWnd, &strip, TRUE);
}

void CLander_Q7Dlg::ToggleMaximizeByDoubleClick() {
    if (IsZoomed(m_hWnd)) {
        RestoreLayout();
        return;
    }
    EnterMaximizedLayout();
}

void CLander_Q7Dlg::EnterMaximizedLayout() {
    SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    maximized_ = true;
    FitToWorkArea();
    LayoutCaptionButtons();
    ShowRestoreButton(buttons_, true);
    InvalidateStrip();
}

void CLander_Q7Dlg::EnterFullScreen() {
    fullScreen_ = true;
    SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    RECT monitor = monitorarea::MonitorArea(m_hWnd);
    SetWindowPos(m_hWnd, nullptr, monitor.left, monitor.top, monitor.right - monitor.left,
                 monitor.bottom - monitor.top, SWP_NOZORDER);
    PlaceGameView(true);
    SendFrameLayout(true);
    ShowCaptionButtons(buttons_, SW_HIDE, changeServerVisibility_);
    RepaintMovedView();
}

void CLander_Q7Dlg::LeaveFullScreen() {
    fullScreen_ = false;
    SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    maximized_ = true;
    FitToWorkArea();
    LayoutCaptionButtons();
    ShowCaptionButtons(buttons_, SW_SHOW, changeServerVisibility_);
    ShowRestoreButton(buttons_, true);
    RepaintMovedView();
}

// Full screen moves the game view by the strip's height without repainting
// it; it is painted at once, or the picture of its old place would stay on
// screen (the strip's, or the page 30 pixels too high).
void CLander_Q7Dlg::RepaintMovedView() {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateWindow(m_hWnd);
}

void CLander_Q7Dlg::BossKey() {
    if (minimizedByButton_) {
        // Minimised with the strip's button: the key brings the game back
        // rather than hiding it, in the layout it was minimised from.
        ShowWindow(m_hWnd, SW_SHOW);
        if (fullScreen_)
            EnterFullScreen();
        else if (maximized_)
            Maximize();
        else
            Restore();
        SetForegroundWindow(m_hWnd);
        return;
    }
    ShowWindow(m_hWnd, IsWindowVisible(m_hWnd) ? SW_HIDE : SW_SHOW);
}
