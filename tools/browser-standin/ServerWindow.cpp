// Window procedures and painting of the control's windows.
#include "ServerWindow.h"

#include "Log.h"
#include "Module.h"

namespace standin {
namespace {

const wchar_t kShellClass[] = L"Shell Embedding";
const wchar_t kViewClass[] = L"Shell DocObject View";
const wchar_t kServerClass[] = L"Internet Explorer_Server";
const DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (object_)
            DeleteObject(object_);
    }
    HGDIOBJ Get() const { return object_; }

private:
    HGDIOBJ object_;
};

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &ps_); }
    HDC Dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

HFONT MakeFont(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Arial");
}

} // namespace

ServerWindow::ServerWindow(int controlId)
    : controlId_(controlId),
      shellClass_(kShellClass, &ServerWindow::ShellProcedure,
                  static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), LoadCursor(nullptr, IDC_ARROW)),
      viewClass_(kViewClass, &ServerWindow::ShellProcedure,
                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), LoadCursor(nullptr, IDC_ARROW)),
      serverClass_(kServerClass, &ServerWindow::ServerProcedure, nullptr,
                   LoadCursor(nullptr, IDC_ARROW)) {
}

ServerWindow::~ServerWindow() {
    Destroy();
}

bool ServerWindow::Create(HWND parent, const RECT& rect) {
    if (!outer_)
        outer_ = CreateWindowExW(0, kShellClass, L"", kChildStyle, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                 ModuleInstance(), this);
    return outer_ != nullptr;
}

void ServerWindow::CreatePage() {
    if (!outer_ || server_)
        return;
    RECT inside{};
    GetClientRect(outer_, &inside);
    if (!view_)
        view_ = CreateWindowExW(0, kViewClass, L"", kChildStyle, 0, 0, inside.right, inside.bottom,
                                outer_, nullptr, ModuleInstance(), this);
    if (!view_)
        return;
    bool hadFocus = GetFocus() == outer_;
    server_ = CreateWindowExW(0, kServerClass, L"", kChildStyle | WS_TABSTOP, 0, 0, inside.right,
                              inside.bottom, view_, nullptr, ModuleInstance(), this);
    // A control that was UI-active before its first page hands the focus to the page.
    if (server_ && hadFocus)
        SetFocus(server_);
}

void ServerWindow::Destroy() {
    if (outer_)
        DestroyWindow(outer_);
}

void ServerWindow::Move(const RECT& rect) {
    if (outer_)
        SetWindowPos(outer_, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ServerWindow::Show(bool visible) {
    if (outer_)
        ShowWindow(outer_, visible ? SW_SHOWNA : SW_HIDE);
}

void ServerWindow::SetPage(const std::wstring& url, const std::wstring& state) {
    if (url != url_) {
        title_.clear();
        loginForm_ = false;
    }
    url_ = url;
    state_ = state;
    if (server_)
        InvalidateRect(server_, nullptr, TRUE);
}

void ServerWindow::SetTitle(const std::wstring& title) {
    title_ = title;
    if (server_)
        InvalidateRect(server_, nullptr, TRUE);
}

void ServerWindow::ShowLoginForm() {
    loginForm_ = true;
    if (server_)
        InvalidateRect(server_, nullptr, TRUE);
}

void ServerWindow::NoteRefresh() {
    ++refreshes_;
    if (server_)
        InvalidateRect(server_, nullptr, TRUE);
}

void ServerWindow::TakeFocus() {
    if (server_)
        SetFocus(server_);
    else if (outer_)
        SetFocus(outer_);
}

ServerWindow* ServerWindow::Bind(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<ServerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void ServerWindow::Forget(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (window == outer_)
        outer_ = nullptr;
    else if (window == view_)
        view_ = nullptr;
    else if (window == server_)
        server_ = nullptr;
}

LRESULT CALLBACK ServerWindow::ShellProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    ServerWindow* self = Bind(window, message, lParam);
    switch (message) {
    case WM_SIZE:
        // The inner window always fills its parent, as the real view does.
        if (HWND child = GetWindow(window, GW_CHILD))
            SetWindowPos(child, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case WM_NCDESTROY:
        if (self)
            self->Forget(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ServerWindow::ServerProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    ServerWindow* self = Bind(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        self->Paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE:
        // A page with a focused field wants every key, Tab and Enter included.
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        self->LogKey(message, wParam);
        if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR)
            break;
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        self->focused_ = message == WM_SETFOCUS;
        LogLine(SourceName(self->controlId_), L"call", self->focused_ ? L"focus" : L"blur").Write();
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        LogLine(SourceName(self->controlId_), L"call", L"mouse-down")
            .Add(L"x", static_cast<long long>(static_cast<short>(LOWORD(lParam))))
            .Add(L"y", static_cast<long long>(static_cast<short>(HIWORD(lParam))))
            .Write();
        return 0;
    case WM_NCDESTROY:
        self->Forget(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ServerWindow::LogKey(UINT message, WPARAM code) {
    LogLine(SourceName(controlId_), L"key", KeyMessageName(message))
        .Hex(L"code", static_cast<unsigned long>(code))
        .Add(L"ctrl", static_cast<long long>(GetKeyState(VK_CONTROL) < 0))
        .Write();
}

void ServerWindow::Paint(HWND window) {
    PaintScope paint(window);
    HDC dc = paint.Dc();
    RECT client{};
    GetClientRect(window, &client);

    GdiObject background(CreateSolidBrush(RGB(255, 248, 200)));
    FillRect(dc, &client, static_cast<HBRUSH>(background.Get()));
    // A thick frame marks the page's area; it turns blue while the page has the focus.
    GdiObject frame(CreateSolidBrush(focused_ ? RGB(0, 90, 220) : RGB(200, 60, 0)));
    for (int i = 0; i < 4; ++i) {
        RECT edge = {client.left + i, client.top + i, client.right - i, client.bottom - i};
        FrameRect(dc, &edge, static_cast<HBRUSH>(frame.Get()));
    }

    SetBkMode(dc, TRANSPARENT);
    RECT text = {client.left + 16, client.top + 12, client.right - 16, client.bottom - 12};
    GdiObject small(MakeFont(16, FW_NORMAL));
    GdiObject large(MakeFont(30, FW_BOLD));
    {
        Selection font(dc, small.Get());
        SetTextColor(dc, RGB(90, 70, 0));
        std::wstring title = L"browser stand-in " + SourceName(controlId_) + L" - " + state_;
        if (refreshes_ > 0)
            title += L" - refreshed " + std::to_wstring(refreshes_) + L"x";
        DrawTextW(dc, title.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    text.top += 28;
    Selection font(dc, large.Get());
    SetTextColor(dc, RGB(20, 20, 90));
    if (!title_.empty()) {
        // The page's title in large letters, the address under it.
        DrawTextW(dc, title_.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        text.top += 44;
    }
    std::wstring address = url_.empty() ? L"(no address)" : url_;
    const UINT addressFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
    RECT measured = text;
    DrawTextW(dc, address.c_str(), -1, &measured, addressFormat | DT_CALCRECT);
    DrawTextW(dc, address.c_str(), -1, &text, addressFormat);
    if (loginForm_)
        PaintLoginForm(dc, text.left, measured.bottom + 24);
}

// An account field, a password field and a button, as a login page shows them.
void ServerWindow::PaintLoginForm(HDC dc, int left, int top) {
    const int labelWidth = 110, fieldWidth = 280, fieldHeight = 30, rowStep = 46;
    GdiObject small(MakeFont(16, FW_NORMAL));
    Selection font(dc, small.Get());
    GdiObject white(CreateSolidBrush(RGB(255, 255, 255)));
    GdiObject grey(CreateSolidBrush(RGB(120, 120, 120)));
    const wchar_t* labels[2] = {L"Account", L"Password"};
    const wchar_t* values[2] = {L"guest", L"\x2022\x2022\x2022\x2022\x2022\x2022"};
    for (int row = 0; row < 2; ++row) {
        int y = top + row * rowStep;
        RECT label = {left, y, left + labelWidth, y + fieldHeight};
        SetTextColor(dc, RGB(90, 70, 0));
        DrawTextW(dc, labels[row], -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        RECT field = {left + labelWidth, y, left + labelWidth + fieldWidth, y + fieldHeight};
        FillRect(dc, &field, static_cast<HBRUSH>(white.Get()));
        FrameRect(dc, &field, static_cast<HBRUSH>(grey.Get()));
        RECT value = {field.left + 8, field.top, field.right - 8, field.bottom};
        SetTextColor(dc, RGB(20, 20, 20));
        DrawTextW(dc, values[row], -1, &value, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    int y = top + 2 * rowStep;
    RECT button = {left + labelWidth, y, left + labelWidth + 120, y + 34};
    GdiObject blue(CreateSolidBrush(RGB(0, 90, 220)));
    FillRect(dc, &button, static_cast<HBRUSH>(blue.Get()));
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, L"Log in", -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace standin
