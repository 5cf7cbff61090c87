// Dialogs built from the program's dialog templates, run modally through the
// framework's own modal loop (so that PreTranslateMessage sees every message)
// or created modeless.
#pragma once

#include "framework/Wnd.h"

namespace fw {

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent);

    // Runs the dialog modally; answers the value given to EndDialog, or -1 when
    // the window could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless from templateId with parent as its parent.
    bool Create(UINT templateId, HWND parent);
    void EndDialog(int result);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Runs once the controls exist, before the dialog is first shown. The base
    // binds the controls (DoDataExchange); answer TRUE to let the system set
    // the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange() {}
    virtual void OnOK();
    virtual void OnCancel();

    // Binds a template control to a window object by its id.
    void DDX_Control(UINT id, CWnd& control);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    HWND parent_;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND parent);
    void RunModalLoop();

    UINT templateId_;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = -1;
};

} // namespace fw
