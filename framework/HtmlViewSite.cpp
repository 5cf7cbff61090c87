#include "framework/HtmlViewSite.h"

#include "framework/HostCommands.h"

namespace fw {

STDMETHODIMP HtmlViewSite::QueryInterface(REFIID iid, void** result) {
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *result = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *result = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *result = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IOleCommandTarget)
        *result = static_cast<IOleCommandTarget*>(this);
    else if (iid == IID_IDispatch)
        *result = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) HtmlViewSite::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) HtmlViewSite::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP HtmlViewSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP HtmlViewSite::GetContainer(IOleContainer** container) {
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP HtmlViewSite::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = owner_ ? owner_->SiteWindow() : nullptr;
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP HtmlViewSite::GetWindowContext(IOleInPlaceFrame** frame,
                                            IOleInPlaceUIWindow** document, LPRECT position,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    HWND window = owner_ ? owner_->SiteWindow() : nullptr;
    RECT client{};
    if (window)
        GetClientRect(window, &client);
    *position = client;
    *clip = client;
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = window ? GetAncestor(window, GA_ROOT) : nullptr;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP HtmlViewSite::GetBorder(LPRECT border) {
    if (!border)
        return E_POINTER;
    HWND window = owner_ ? owner_->SiteWindow() : nullptr;
    if (!window)
        return INPLACE_E_NOTOOLSPACE;
    GetClientRect(window, border);
    return S_OK;
}

STDMETHODIMP HtmlViewSite::Exec(const GUID* group, DWORD id, DWORD, VARIANT*, VARIANT* out) {
    return ExecHostCommand(group, id, out);
}

STDMETHODIMP HtmlViewSite::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP HtmlViewSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                  EXCEPINFO*, UINT*) {
    // Ambient properties have negative ids; browser events positive ones.
    if (id <= 0 || !owner_)
        return DISP_E_MEMBERNOTFOUND;
    try {
        owner_->SiteEvent(id, params);
    } catch (...) {
        // The control must not see an exception from its sink.
        return E_FAIL;
    }
    return S_OK;
}

} // namespace fw
