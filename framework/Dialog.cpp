#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace fw {

CDialog::CDialog(UINT templateId, HWND parent) : parent_(parent), templateId_(templateId) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    // From here on the dialog's messages go through the object's window
    // procedure; the system's dialog procedure becomes its default processing.
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    try {
        if (dialog->SubclassWindow(window))
            return dialog->OnInitDialog();
    } catch (...) {
        // Nothing may unwind through the system's dialog manager.
    }
    return TRUE;
}

HWND CDialog::CreateFromTemplate(HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                              DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DDX_Control(UINT id, CWnd& control) {
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, m_hWnd);
}

bool CDialog::Create(UINT templateId, HWND parent) {
    templateId_ = templateId;
    parent_ = parent;
    modal_ = false;
    return CreateFromTemplate(parent) != nullptr && m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    modal_ = true;
    ended_ = false;
    result_ = -1;
    HWND parent = parent_;
    bool disabledParent = parent && IsWindowEnabled(parent);
    if (disabledParent)
        EnableWindow(parent, FALSE);

    if (CreateFromTemplate(parent) && m_hWnd)
        RunModalLoop();

    if (disabledParent) {
        EnableWindow(parent, TRUE);
        if (m_hWnd && GetActiveWindow() == m_hWnd)
            SetActiveWindow(parent);
    }
    if (m_hWnd) {
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        ::DestroyWindow(m_hWnd);
    }
    modal_ = false;
    return result_;
}

void CDialog::RunModalLoop() {
    CWinApp* app = CWinApp::Instance();
    // Like the system's dialog manager, show a hidden dialog once its first
    // messages have been handled, unless initialisation ended it already.
    bool showWhenIdle = !(GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE);
    MSG msg;
    while (!ended_ && m_hWnd) {
        if (showWhenIdle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(m_hWnd, SW_SHOWNORMAL);
            UpdateWindow(m_hWnd);
            showWhenIdle = false;
            continue;
        }
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave WM_QUIT for the loop outside this one.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        if (app ? !app->PreTranslateMessage(&msg) : !WalkPreTranslateTree(nullptr, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int result) {
    if (modal_) {
        result_ = result;
        ended_ = true;
        // Wake the modal loop if it is waiting for a message.
        PostMessageW(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ShowWindow(m_hWnd, SW_HIDE);
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !m_hWnd)
        return FALSE;
    if (msg->hwnd != m_hWnd && !IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return IsDialogMessageW(m_hWnd, msg);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && (HIWORD(wParam) == BN_CLICKED || lParam == 0)) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return 0;
        case IDCANCEL:
            OnCancel();
            return 0;
        default:
            break;
        }
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

} // namespace fw
