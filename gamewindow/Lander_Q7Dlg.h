// The main game window: a borderless window with a drawn title strip and its
// nine buttons, the game page below the strip, the tray icon and its menu,
// the system-wide hotkeys, full screen, the boss key, the cache-clearing
// overlay and the link to a game frame shown from another process. The
// screen modes (maximised, restored, full screen, boss key) are defined in
// GameScreenModes.cpp.
#pragma once

#include "framework/Dialog.h"
#include "gamewindow/CaptionButtons.h"
#include "gamewindow/HotKeys.h"
#include "gamewindow/TrayIcon.h"

#include <gdiplus.h>

#include <memory>
#include <string>
#include <type_traits>

class CMenbanDlg;
class CMyHtmlView;

class CLander_Q7Dlg : public fw::CDialog {
public:
    CLander_Q7Dlg();
    ~CLander_Q7Dlg() override;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // Enter never closes the window; the cancel command only leaves full
    // screen.
    void OnOK() override {}
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The restored size, which initialisation gives the window before the
    // maximised layout.
    static constexpr int kRestoredWidth = 1000;
    static constexpr int kRestoredHeight = 700;

    // Layout operations shared by the buttons, full screen and the boss key.
    void FitToWorkArea();
    void LayoutCaptionButtons();
    void PlaceGameView(bool fullScreen);
    void InvalidateStrip();

    // False for commands the window leaves to the base.
    bool OnCommand(UINT id);
    void OnSysCommand(WPARAM command);
    void OnHotKey(int id);
    // Holds the refresh and full-screen keys while the window is in front.
    void CheckWindowKeys();
    void OnTrayNotify(UINT mouseMessage);
    BOOL OnEraseBackground(HDC dc);

    // Screen modes.
    void OnSystemRestore();
    void OnSize(WPARAM kind);
    void OnTimer(UINT_PTR id);
    void OnWorkAreaChanged();
    void Maximize();
    void Restore();
    // Restore without touching the minimised-by-button flag.
    void RestoreLayout();
    void ToggleMaximizeByDoubleClick();
    // The system maximise, the window fitted to the work area, the restore
    // button in place of maximise, and the strip redrawn.
    void EnterMaximizedLayout();
    void EnterFullScreen();
    void LeaveFullScreen();
    void RepaintMovedView();
    void BossKey();

    void StartCacheClearing();
    void EndCacheClearing();
    void AskExit();
    void AskChangeServer();

    // Frame messages; nothing is sent while no frame is attached.
    void SendFrameLayout(bool fullScreen);
    void PostToFrame(UINT msg);
    void CloseFrameWindow();
    bool IsActiveWindow() const;

    CaptionButtonRow buttons_;
    bool fullScreen_ = false;
    bool maximized_ = false;
    CTrayIcon trayIcon_;
    // The icon shown in the notification area, destroyed after the record
    // has taken it out.
    std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&DestroyIcon)> trayIconImage_{
        nullptr, DestroyIcon};
    std::unique_ptr<CMenbanDlg> overlay_;
    std::unique_ptr<CMyHtmlView> gameView_;
    HWND frameWindow_ = nullptr;
    std::wstring gameUrl_;
    // Show command of the change-server button, from the string table.
    int changeServerVisibility_ = SW_SHOW;
    std::unique_ptr<Gdiplus::Image> stripLeft_;
    std::unique_ptr<Gdiplus::Image> stripMiddle_;
    std::unique_ptr<Gdiplus::Image> stripRight_;
    int minimizedByButton_ = 0;
    HACCEL accelerators_ = nullptr;
    CGameHotKeys hotKeys_;
};
