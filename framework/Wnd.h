// The framework's window object: binds a C++ object to a window handle, routes
// the window's messages through a virtual window procedure, subclasses controls
// and reflects control notifications back to the control that sent them.
#pragma once

#include <windows.h>

namespace fw {

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandlePermanent(HWND window);

    // Creates a window of the framework's own class (or of className, then
    // subclassed) bound to this object from its first message on.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName,
                  DWORD style, const RECT& rect, HWND parent, UINT id);
    bool DestroyWindow();
    // Centres the window in the work area of its monitor, wherever the
    // taskbar sits, without activating it.
    void CenterWindow();

    // Takes over an existing window's procedure; the original one becomes the
    // default processing.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, HWND parent);
    HWND UnsubclassWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);

    // Default processing of the current message by the original procedure.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // Messages from the walk that offers a message to a window and its parents
    // (stopping after stopAt) before it is dispatched.
    static bool WalkPreTranslateTree(HWND stopAt, MSG* msg);

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void PreCreateWindow(CREATESTRUCTW& cs);
    virtual void PreSubclassWindow() {}
    // A notification reflected from the parent (WM_DRAWITEM, WM_CTLCOLOR*,
    // WM_COMMAND). Return true with *result set to handle it here.
    virtual bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called after the window is gone; the object may not be used by the
    // window any more.
    virtual void PostNcDestroy() {}

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT msg, WPARAM wParam,
                                             LPARAM lParam);
    static bool RegisterFrameworkClass();
    // Binds the object to the window; false when it could not be recorded.
    bool Attach(HWND window);
    void Detach();

private:
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

    WNDPROC originalProc_ = nullptr;
};

} // namespace fw
