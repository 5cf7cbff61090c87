// The window the player logs in through: owned by the login panel and kept
// over its skin, translucent with pure green as holes, with the platform's
// login page below its own 72-pixel title band and the panel's minimise and
// close buttons. It routes the keys the page needs past the dialog's own key
// handling, and ends the panel's run when the page goes to the game.
#pragma once

#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "login/WebFormLogin.h"
#include "ui/TouchButton.h"

#include <memory>

class CLanderLogin;

class CLoginPopupDlg : public fw::CDialog {
public:
    // The panel is the parent when it is a CLanderLogin; with any other
    // parent the popup logs nobody in.
    explicit CLoginPopupDlg(fw::CWnd* parent);
    ~CLoginPopupDlg() override;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // The popup never closes itself.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnFormNavigate();
    void OnMinimizePanel();
    // The page's answer to a key (true: consumed); -1 when no page window or
    // document can take it.
    int ForwardToPage(const MSG& msg);

    CLanderLogin* panel_;
    CTouchButton minimizeButton_;
    CTouchButton closeButton_;
    fw::UniqueGdiObject backgroundBrush_;
    std::unique_ptr<WebFormLogin> webForm_;
};
