// The control's windows, in the shape hosts expect: an outer window placed in
// the host ("Shell Embedding"), a view window inside it ("Shell DocObject
// View") and the page's window inside that ("Internet Explorer_Server"), each
// the first child of the one before. As with the real control, the outer
// window comes with in-place activation and the other two only with the
// first page. The page window paints the current address (with the page's
// title and a login form when the script asks for them), takes the keyboard
// focus and logs the key messages it receives.
#pragma once

#include "WindowClass.h"

#include <string>

namespace standin {

class ServerWindow {
public:
    explicit ServerWindow(int controlId);
    ServerWindow(const ServerWindow&) = delete;
    ServerWindow& operator=(const ServerWindow&) = delete;
    ~ServerWindow();

    bool Create(HWND parent, const RECT& rect);
    // Adds the view and page windows once there is a page to show.
    void CreatePage();
    void Destroy();
    void Move(const RECT& rect);
    void Show(bool visible);

    HWND Outer() const { return outer_; }
    HWND Server() const { return server_; }

    void SetPage(const std::wstring& url, const std::wstring& state);
    void SetTitle(const std::wstring& title);
    // Draws a login form under the address until the page changes.
    void ShowLoginForm();
    void NoteRefresh();
    void TakeFocus();

private:
    static LRESULT CALLBACK ShellProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ServerProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static ServerWindow* Bind(HWND window, UINT message, LPARAM lParam);
    void Forget(HWND window);
    void Paint(HWND window);
    void PaintLoginForm(HDC dc, int left, int top);
    void LogKey(UINT message, WPARAM code);

    int controlId_;
    WindowClassUse shellClass_;
    WindowClassUse viewClass_;
    WindowClassUse serverClass_;
    HWND outer_ = nullptr;
    HWND view_ = nullptr;
    HWND server_ = nullptr;
    std::wstring url_;
    std::wstring title_;
    bool loginForm_ = false;
    std::wstring state_ = L"no page";
    int refreshes_ = 0;
    bool focused_ = false;
};

} // namespace standin
