#include "browser/WebBrowserBase.h"

#include "browser/BrowserIds.h"
#include "browser/ShellSeam.h"
#include "framework/ComValues.h"
#include "framework/DispArgs.h"

#include <exdispid.h>
#include <servprov.h>

namespace {

const wchar_t kServerWindowClass[] = L"Internet Explorer_Server";
const int kClassNameChars = 260;

} // namespace

CWebBrowserBase::CWebBrowserBase() {
    if (ole_.Succeeded())
        control_.Create(static_cast<IOleClientSite*>(this));
}

CWebBrowserBase::~CWebBrowserBase() {
    Close();
}

STDMETHODIMP CWebBrowserBase::QueryInterface(REFIID iid, void** result) {
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (iid == IID_IOleClientSite)
        *result = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IUnknown || iid == IID_IDispatch)
        *result = static_cast<IDispatch*>(this);
    else if (iid == IID_IDocHostUIHandler)
        *result = static_cast<IDocHostUIHandler*>(this);
    else if (iid == IID_IOleCommandTarget)
        *result = static_cast<IOleCommandTarget*>(this);
    else if (iid == IID_IOleWindow)
        *result = static_cast<IOleInPlaceSite*>(this);
    else if (!inPlaceWithheld_ && iid == IID_IOleInPlaceSite)
        *result = static_cast<IOleInPlaceSite*>(this);
    else if (!inPlaceWithheld_ && (iid == IID_IOleInPlaceFrame || iid == IID_IOleInPlaceUIWindow))
        *result = static_cast<IOleInPlaceFrame*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CWebBrowserBase::AddRef() {
    return InterlockedIncrement(&refs_);
}

// The owner deletes the object; the count only records what others hold.
STDMETHODIMP_(ULONG) CWebBrowserBase::Release() {
    return InterlockedDecrement(&refs_);
}

STDMETHODIMP CWebBrowserBase::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) {
    // Each event reads a fixed number of arguments; a shorter call is refused
    // rather than read beyond its array.
    fw::BrowserEventArgs args(params);
    try {
        switch (id) {
        case DISPID_DOCUMENTCOMPLETE: // (pDisp, URL)
            if (!args.Has(2))
                return DISP_E_BADPARAMCOUNT;
            OnDocumentComplete(args.String(1));
            return S_OK;
        case DISPID_BEFORENAVIGATE2: // (pDisp, URL, Flags, Frame, PostData, Headers, Cancel)
            if (!args.Has(7))
                return DISP_E_BADPARAMCOUNT;
            OnBeforeNavigate(args.String(1), args.Cancel(6));
            return S_OK;
        case DISPID_NEWWINDOW2: // (ppDisp, Cancel)
            if (!args.Has(2))
                return DISP_E_BADPARAMCOUNT;
            *args.Cancel(1) = VARIANT_TRUE;
            return S_OK;
        case DISPID_NEWWINDOW3: // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl)
            if (!args.Has(5))
                return DISP_E_BADPARAMCOUNT;
            shellseam::OpenInDefaultBrowser(args.String(4));
            *args.Cancel(1) = VARIANT_TRUE;
            return S_OK;
        default:
            return E_NOTIMPL;
        }
    } catch (...) {
        // Nothing a hook throws may reach the control.
        return E_FAIL;
    }
}

HWND CWebBrowserBase::GetHostWindow() {
    return nullptr;
}
void CWebBrowserBase::OnDocumentComplete(std::wstring) {
}
void CWebBrowserBase::OnBeforeNavigate(std::wstring, VARIANT_BOOL*) {
}

HWND CWebBrowserBase::HostWindow() noexcept {
    try {
        return GetHostWindow();
    } catch (...) {
        return nullptr;
    }
}

RECT CWebBrowserBase::HostClientRect() noexcept {
    RECT rect{};
    if (HWND host = HostWindow())
        GetClientRect(host, &rect);
    return rect;
}

bool CWebBrowserBase::InPlaceActivate() {
    if (!control_.Exists())
        return false;
    if (IsRectEmpty(&controlRect_))
        controlRect_ = HostClientRect();
    if (activated_)
        return true;
    activated_ = 1;
    inPlaceWithheld_ = false;
    // The window context rewrites the control rectangle during the call, so
    // the control gets a copy.
    RECT rect = controlRect_;
    auto* site = static_cast<IOleClientSite*>(this);
    return control_.Activate(site, HostWindow(), &rect) &&
           control_.AdviseEvents(static_cast<IDispatch*>(this));
}

bool CWebBrowserBase::Navigate(const VARIANT& url) {
    address_ = fw::DispArgString(&url);
    IWebBrowser2* browser = GetWebBrowser();
    fw::Bstr address(address_);
    if (!browser || !address.Get())
        return false;
    fw::Variant none;
    return SUCCEEDED(
        browser->Navigate(address.Get(), none.Get(), none.Get(), none.Get(), none.Get()));
}

bool CWebBrowserBase::Navigate(const std::wstring& url) {
    fw::Variant value;
    value.SetText(url.c_str());
    return value.Value().bstrVal && Navigate(value.Value());
}

bool CWebBrowserBase::SetControlRect(const RECT& rect) {
    if (activated_) {
        // The extent goes over in pixels, as the control takes it.
        SIZEL extent{rect.right - rect.left, rect.bottom - rect.top};
        IOleObject* control = control_.Control();
        if (!control || FAILED(control->SetExtent(DVASPECT_CONTENT, &extent)) ||
            !control_.SetObjectRects(rect))
            return false;
    }
    controlRect_ = rect;
    return true;
}

IWebBrowser2* CWebBrowserBase::GetWebBrowser() {
    return control_.Browser();
}

HWND CWebBrowserBase::FindServerWindow() {
    IWebBrowser2* browser = GetWebBrowser();
    fw::ComPtr<IServiceProvider> services;
    fw::ComPtr<IOleWindow> shellBrowser;
    HWND window = nullptr;
    if (!browser || FAILED(browser->QueryInterface(IID_IServiceProvider, services.PutVoid())) ||
        !services ||
        FAILED(services->QueryService(kSidShellBrowser, IID_IOleWindow, shellBrowser.PutVoid())) ||
        !shellBrowser || FAILED(shellBrowser->GetWindow(&window)))
        return nullptr;
    for (HWND child = window ? ::GetWindow(window, GW_CHILD) : nullptr; child;
         child = ::GetWindow(child, GW_CHILD)) {
        wchar_t className[kClassNameChars] = L"";
        GetClassNameW(child, className, kClassNameChars);
        if (lstrcmpiW(className, kServerWindowClass) == 0)
            return child;
    }
    return nullptr;
}

void CWebBrowserBase::Close() {
    control_.Close();
}
