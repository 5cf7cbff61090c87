// The container answers of CWebBrowserBase: client site, in-place site, frame,
// document-host UI handler and command target, placing the control in the
// host window.
#include "browser/WebBrowserBase.h"

#include "framework/HostCommands.h"

STDMETHODIMP CWebBrowserBase::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CWebBrowserBase::GetContainer(IOleContainer** container) {
    if (container)
        *container = nullptr;
    return E_FAIL;
}

STDMETHODIMP CWebBrowserBase::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = HostWindow();
    return S_OK;
}

// The control may activate only once the owner has asked for it.
STDMETHODIMP CWebBrowserBase::CanInPlaceActivate() {
    if (!activated_)
        return S_FALSE;
    inPlacePermitted_ = 1;
    return S_OK;
}

STDMETHODIMP CWebBrowserBase::GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    controlRect_ = HostClientRect();
    *position = controlRect_;
    *clip = controlRect_;
    HWND host = HostWindow();
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = host ? GetParent(host) : nullptr;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CWebBrowserBase::GetBorder(LPRECT border) {
    if (!border)
        return E_POINTER;
    controlRect_ = HostClientRect();
    *border = controlRect_;
    return S_OK;
}

STDMETHODIMP CWebBrowserBase::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info)
        return E_POINTER;
    info->dwFlags |= DOCHOSTUIFLAG_NO3DOUTERBORDER;
    return S_OK;
}

// Scripts that reach for window.external find nothing, as in a host that has
// no external object.
STDMETHODIMP CWebBrowserBase::GetExternal(IDispatch** external) {
    if (!external)
        return E_POINTER;
    *external = nullptr;
    return S_FALSE;
}

STDMETHODIMP CWebBrowserBase::Exec(const GUID* group, DWORD id, DWORD, VARIANT*, VARIANT* out) {
    return fw::ExecHostCommand(group, id, out);
}
