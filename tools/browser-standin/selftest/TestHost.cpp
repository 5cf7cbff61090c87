// The self-test's container.
#include "TestHost.h"

#include <servprov.h>

namespace selftest {
namespace {

const GUID kSidShellBrowser = {
    0x000214e2, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

STDMETHODIMP TestHost::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceFrame) || IsEqualIID(iid, IID_IOleInPlaceUIWindow))
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDocHostUIHandler))
        *out = static_cast<IDocHostUIHandler*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP TestHost::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestHost::GetContainer(IOleContainer** out) {
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TestHost::GetWindow(HWND* out) {
    *out = window_;
    return S_OK;
}

STDMETHODIMP TestHost::OnInPlaceActivate() {
    ++activations_;
    return S_OK;
}

STDMETHODIMP TestHost::OnInPlaceDeactivate() {
    ++deactivations_;
    return S_OK;
}

STDMETHODIMP TestHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                        LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(window_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TestHost::GetBorder(LPRECT border) {
    GetClientRect(window_, border);
    return S_OK;
}

STDMETHODIMP TestHost::GetHostInfo(DOCHOSTUIINFO* info) {
    info->dwFlags |= hostFlags;
    return S_OK;
}

HostWindow::HostWindow(int x, int y, int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"StandinSelfTestHost";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, L"StandinSelfTestHost", L"browser stand-in self-test",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, x, y, width,
                              height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() {
    if (window_)
        DestroyWindow(window_);
}

ComPtr<IOleObject> CreateBrowser(TestHost& host) {
    ComPtr<IStorage> storage;
    if (FAILED(StgCreateDocfile(
            nullptr, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE | STGM_DELETEONRELEASE, 0,
            storage.Receive())))
        return {};
    ComPtr<IOleObject> object;
    if (FAILED(OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr,
                         static_cast<IOleClientSite*>(&host), storage.Get(),
                         reinterpret_cast<void**>(object.Receive()))))
        return {};
    return object;
}

HWND FindServerWindow(IWebBrowser2* browser) {
    ComPtr<IServiceProvider> services;
    browser->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(services.Receive()));
    if (!services)
        return nullptr;
    ComPtr<IOleWindow> shell;
    services->QueryService(kSidShellBrowser, IID_IOleWindow,
                           reinterpret_cast<void**>(shell.Receive()));
    HWND window = nullptr;
    if (!shell || FAILED(shell->GetWindow(&window)))
        return nullptr;
    while (window) {
        wchar_t name[260] = {};
        GetClassNameW(window, name, 260);
        if (_wcsicmp(name, L"Internet Explorer_Server") == 0)
            return window;
        window = GetWindow(window, GW_CHILD);
    }
    return nullptr;
}

} // namespace selftest
