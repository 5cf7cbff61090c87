// The game frame: a second process of the program that shows a game page
// inside another process's game window, below its title strip. The host
// places, refreshes and closes it with WM_GAMEFRAME_* messages; when the host
// window is gone, the frame's process ends on its own.
#pragma once

#include "framework/Dialog.h"

#include <memory>
#include <string>

class CMyHtmlView;

class CGameWndDlg : public fw::CDialog {
public:
    CGameWndDlg(HWND host, std::wstring gameUrl);
    ~CGameWndDlg() override;

    // Enter and Escape go to the page, never to the dialog's own handling.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateGameView();
    void FitViewToFrame();
    void StartHostWatcher();

    void OnLayout(bool fullScreen);
    void OnRefresh();
    void OnClose();

    std::unique_ptr<CMyHtmlView> gameView_;
    HWND host_;
    std::wstring gameUrl_;
};
