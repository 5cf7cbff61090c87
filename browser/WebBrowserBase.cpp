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

// Each event reads a fixed number of arguments; a shorter call is refused
// rather than read beyond its array.
bool HasArgs(const DISPPARAMS* params, UINT count) {
    return params && params->cArgs >= count;
}

} // namespace

CWebBrowserBase::CWebBrowserBase() {
    if (!ole_.Succeeded())
        return;
    if (FAILED(StgCreateDocfile(nullptr, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
                                storage_.Put())))
        return;
    if (FAILED(OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr,
                         static_cast<IOleClientSite*>(this), storage_.Get(), control_.PutVoid()))) {
        control_.Reset();
        return;
    }
    inPlace_ = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
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
    try {
        switch (id) {
        case DISPID_DOCUMENTCOMPLETE: // (pDisp, URL)
            if (!HasArgs(params, 2))
                return DISP_E_BADPARAMCOUNT;
            OnDocumentComplete(fw::DispArgString(fw::DispArg(params, 1)));
            return S_OK;
        case DISPID_BEFORENAVIGATE2: { // (pDisp, URL, Flags, Frame, PostData, Headers, Cancel)
            if (!HasArgs(params, 7))
                return DISP_E_BADPARAMCOUNT;
            VARIANT_BOOL unused = VARIANT_FALSE;
            VARIANT_BOOL* cancel = fw::DispArgBoolRef(fw::DispArg(params, 6));
            OnBeforeNavigate(fw::DispArgString(fw::DispArg(params, 1)), cancel ? cancel : &unused);
            return S_OK;
        }
        case DISPID_NEWWINDOW2: { // (ppDisp, Cancel)
            if (!HasArgs(params, 2))
                return DISP_E_BADPARAMCOUNT;
            if (VARIANT_BOOL* cancel = fw::DispArgBoolRef(fw::DispArg(params, 1)))
                *cancel = VARIANT_TRUE;
            return E_NOTIMPL;
        }
        case DISPID_NEWWINDOW3: { // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl)
            if (!HasArgs(params, 5))
                return DISP_E_BADPARAMCOUNT;
            shellseam::OpenInInternetExplorer(fw::DispArgString(fw::DispArg(params, 4)));
            if (VARIANT_BOOL* cancel = fw::DispArgBoolRef(fw::DispArg(params, 1)))
                *cancel = VARIANT_TRUE;
            return S_OK;
        }
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
    if (!control_)
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
    if (FAILED(control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                static_cast<IOleClientSite*>(this), 0, HostWindow(), &rect)))
        return false;
    return AdviseEvents();
}

fw::ComPtr<IConnectionPoint> CWebBrowserBase::EventsConnectionPoint() {
    fw::ComPtr<IConnectionPointContainer> container;
    fw::ComPtr<IConnectionPoint> point;
    IWebBrowser2* browser = GetWebBrowser();
    if (!browser ||
        FAILED(browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
        !container || FAILED(container->FindConnectionPoint(kDiidWebBrowserEvents2, point.Put())))
        point.Reset();
    return point;
}

bool CWebBrowserBase::AdviseEvents() {
    fw::ComPtr<IConnectionPoint> point = EventsConnectionPoint();
    if (!point || FAILED(point->Advise(static_cast<IDispatch*>(this), &eventsCookie_))) {
        eventsCookie_ = 0;
        return false;
    }
    return true;
}

void CWebBrowserBase::UnadviseEvents() {
    if (!eventsCookie_)
        return;
    if (fw::ComPtr<IConnectionPoint> point = EventsConnectionPoint())
        point->Unadvise(eventsCookie_);
    eventsCookie_ = 0;
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
        if (!control_ || !inPlace_ || FAILED(control_->SetExtent(DVASPECT_CONTENT, &extent)) ||
            FAILED(inPlace_->SetObjectRects(&rect, &rect)))
            return false;
    }
    controlRect_ = rect;
    return true;
}

IWebBrowser2* CWebBrowserBase::GetWebBrowser() {
    if (!browser_ && control_)
        browser_ = control_.As<IWebBrowser2>(IID_IWebBrowser2);
    return browser_.Get();
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
    // The events go first, so that closing the control reports nothing more.
    UnadviseEvents();
    if (control_) {
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
    }
    browser_.Reset();
    inPlace_.Reset();
    control_.Reset();
    storage_.Reset();
}
