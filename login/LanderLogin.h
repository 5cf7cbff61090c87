// The login panel: a large layered skin shown before the game window, dragged
// by any point, anchoring the login popup at a fixed offset. Its modal run
// ends when the popup reports a login (the game address is then GetGameUrl),
// or with the process, through the exit question or an update.
#pragma once

#include "framework/Dialog.h"

#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <string>

class CLoginPopupDlg;

class CLanderLogin : public fw::CDialog {
public:
    CLanderLogin();
    ~CLanderLogin() override;

    // Empty when the run ended without a login.
    std::wstring GetGameUrl() const { return gameUrl_; }
    void SetGameUrl(std::wstring url) { gameUrl_ = std::move(url); }

    // Keeps the popup at (452, 200) from the panel's top-left, 700 x 460,
    // and shows it once the panel itself is shown.
    void PlacePopup(CLoginPopupDlg& popup);

    // "Exit?" in the program's own box; a confirmation ends the process at
    // once with exit code 0.
    static void AskExit();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    // Enter, Esc and the close command never end the panel's run.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintLayeredSkin();

    std::wstring gameUrl_;
    std::unique_ptr<Gdiplus::Image> skin_;
    std::unique_ptr<CLoginPopupDlg> popup_;
    int skinWidth_ = 0;
    int skinHeight_ = 0;
};
