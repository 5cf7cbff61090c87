#include "framework/Wnd.h"

#include "framework/MonitorArea.h"
#include "framework/WinApp.h"

#include <unordered_map>
#include <utility>

namespace fw {

namespace {

// Every bound window of the process. Only the user-interface thread touches it.
std::unordered_map<HWND, CWnd*>& WindowMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

const wchar_t kWindowClass[] = L"LanderFrameworkWnd";

CWnd* g_creating = nullptr;

} // namespace

bool CWnd::RegisterFrameworkClass() {
    static ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = StaticWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc);
    }();
    return atom != 0;
}

CWnd::~CWnd() {
    // A window that outlives its object would call into freed memory: destroy
    // it while the object can still answer its last messages.
    if (m_hWnd && GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId())
        ::DestroyWindow(m_hWnd);
    if (m_hWnd)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    auto& map = WindowMap();
    auto it = map.find(window);
    return it == map.end() ? nullptr : it->second;
}

bool CWnd::Attach(HWND window) {
    try {
        WindowMap()[window] = this;
    } catch (...) {
        // Out of memory: the window stays unbound and gets default handling.
        return false;
    }
    m_hWnd = window;
    return true;
}

void CWnd::Detach() {
    if (m_hWnd) {
        auto& map = WindowMap();
        auto it = map.find(m_hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
}

void CWnd::PreCreateWindow(CREATESTRUCTW&) {}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName,
                    DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (m_hWnd || !RegisterFrameworkClass())
        return false;
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className ? className : kWindowClass;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.hInstance = GetModuleHandleW(nullptr);
    PreCreateWindow(cs);

    // Windows of our own class bind to this object on their first message;
    // windows of other classes are subclassed once they exist.
    bool ownClass = cs.lpszClass == kWindowClass;
    if (ownClass)
        g_creating = this;
    HWND window = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, nullptr);
    g_creating = nullptr;
    if (!window)
        return false;
    if (!m_hWnd)
        SubclassWindow(window);
    return m_hWnd != nullptr;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

void CWnd::CenterWindow() {
    RECT work = monitorarea::WorkArea(m_hWnd);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    int x = work.left + (work.right - work.left - (window.right - window.left)) / 2;
    int y = work.top + (work.bottom - work.top - (window.bottom - window.top)) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::SubclassWindow(HWND window) {
    if (m_hWnd || !window || FromHandlePermanent(window) || !Attach(window))
        return false;
    PreSubclassWindow();
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent) {
    HWND control = GetDlgItem(parent, static_cast<int>(id));
    return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window && originalProc_)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    originalProc_ = nullptr;
    Detach();
    return window;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool CWnd::WalkPreTranslateTree(HWND stopAt, MSG* msg) {
    for (HWND window = msg->hwnd; window; window = GetParent(window)) {
        CWnd* wnd = FromHandlePermanent(window);
        if (wnd && wnd->PreTranslateMessage(msg))
            return true;
        if (window == stopAt)
            break;
    }
    return false;
}

LRESULT CWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (originalProc_)
        return CallWindowProcW(originalProc_, m_hWnd, msg, wParam, lParam);
    return DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM:
        if (lParam)
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return false;
    }
    CWnd* wnd = child ? FromHandlePermanent(child) : nullptr;
    return wnd && wnd != this && wnd->OnChildNotify(msg, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wParam, lParam, &result))
        return result;
    return Default(msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(window);
    if (!wnd && g_creating) {
        wnd = std::exchange(g_creating, nullptr);
        if (!wnd->Attach(window))
            return DefWindowProcW(window, msg, wParam, lParam);
        wnd->originalProc_ = DefWindowProcW;
    }
    if (!wnd)
        return DefWindowProcW(window, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's dispatcher.
        result = 0;
    }
    if (msg == WM_NCDESTROY) {
        CWinApp* app = CWinApp::Instance();
        if (app && app->m_pMainWnd == wnd) {
            app->m_pMainWnd = nullptr;
            PostQuitMessage(0);
        }
        wnd->originalProc_ = nullptr;
        wnd->Detach();
        try {
            wnd->PostNcDestroy();
        } catch (...) {
            // As above: never into the dispatcher.
        }
    }
    return result;
}

} // namespace fw
