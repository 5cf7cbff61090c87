// IOleObject and IOleControl of the control: the calls of a container that
// embeds it (client site, verbs, extent, advise sinks, closing).
#include "BrowserControl.h"

#include "Log.h"

#include <exdisp.h>

namespace standin {

STDMETHODIMP BrowserControl::SetClientSite(IOleClientSite* site) {
    LogLine line(SourceName(id_), L"call", L"SetClientSite");
    line.Add(L"site", site ? L"set" : L"null");
    if (site_ && site != site_.Get()) {
        if (inPlaceActive_)
            InPlaceDeactivate();
        line.Add(L"old-refs-after", static_cast<long long>(site_.ReleaseCount()));
    }
    site_ = site;
    line.Write();
    return S_OK;
}

STDMETHODIMP BrowserControl::GetClientSite(IOleClientSite** out) {
    if (!out)
        return E_POINTER;
    *out = site_.Get();
    if (*out)
        (*out)->AddRef();
    return S_OK;
}

STDMETHODIMP BrowserControl::SetHostNames(LPCOLESTR, LPCOLESTR) {
    return S_OK;
}

STDMETHODIMP BrowserControl::Close(DWORD) {
    LogLine line(SourceName(id_), L"call", L"Close");
    if (inPlaceActive_)
        InPlaceDeactivate();
    closed_ = true;
    ++generation_;
    timeline_.CancelAll();
    if (adviseHolder_) {
        adviseHolder_->SendOnClose();
        adviseHolder_.Reset();
    }
    if (site_)
        line.Add(L"site-refs-after", static_cast<long long>(site_.ReleaseCount()));
    // References still held by the host; 1 when the caller holds the last one.
    line.Add(L"refs", static_cast<long long>(refs_)).Write();
    return S_OK;
}

STDMETHODIMP BrowserControl::SetMoniker(DWORD, IMoniker*) {
    return Unimplemented("IOleObject::SetMoniker");
}

STDMETHODIMP BrowserControl::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IOleObject::GetMoniker");
}

STDMETHODIMP BrowserControl::InitFromData(IDataObject*, BOOL, DWORD) {
    return Unimplemented("IOleObject::InitFromData");
}

STDMETHODIMP BrowserControl::GetClipboardData(DWORD, IDataObject** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IOleObject::GetClipboardData");
}

STDMETHODIMP BrowserControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) {
    HRESULT hr = E_NOTIMPL;
    switch (verb) {
    case OLEIVERB_INPLACEACTIVATE:
        hr = ActivateInPlace(site);
        break;
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE:
        hr = ActivateInPlace(site);
        if (SUCCEEDED(hr))
            hr = ActivateUi();
        break;
    case OLEIVERB_HIDE:
        window_->Show(false);
        hr = S_OK;
        break;
    }
    LogLine(SourceName(id_), L"call", L"DoVerb")
        .Add(L"verb", static_cast<long long>(verb))
        .Result(hr)
        .Write();
    return hr;
}

STDMETHODIMP BrowserControl::EnumVerbs(IEnumOLEVERB** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IOleObject::EnumVerbs");
}

STDMETHODIMP BrowserControl::Update() {
    return S_OK;
}
STDMETHODIMP BrowserControl::IsUpToDate() {
    return S_OK;
}

STDMETHODIMP BrowserControl::GetUserClassID(CLSID* out) {
    return GetClassID(out);
}

STDMETHODIMP BrowserControl::GetUserType(DWORD, LPOLESTR* out) {
    if (out)
        *out = nullptr;
    return OLE_S_USEREG;
}

STDMETHODIMP BrowserControl::SetExtent(DWORD aspect, SIZEL* size) {
    if (!size)
        return E_POINTER;
    LogLine(SourceName(id_), L"call", L"SetExtent")
        .Add(L"aspect", static_cast<long long>(aspect))
        .Add(L"cx", static_cast<long long>(size->cx))
        .Add(L"cy", static_cast<long long>(size->cy))
        .Write();
    extent_ = *size;
    return S_OK;
}

STDMETHODIMP BrowserControl::GetExtent(DWORD, SIZEL* size) {
    if (!size)
        return E_POINTER;
    *size = extent_;
    return S_OK;
}

STDMETHODIMP BrowserControl::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.Receive())))
        return E_OUTOFMEMORY;
    return adviseHolder_->Advise(sink, cookie);
}

STDMETHODIMP BrowserControl::Unadvise(DWORD cookie) {
    return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP BrowserControl::EnumAdvise(IEnumSTATDATA** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(out) : S_OK;
}

STDMETHODIMP BrowserControl::GetMiscStatus(DWORD, DWORD* status) {
    if (!status)
        return E_POINTER;
    // The client site first: the control needs its container before it
    // initialises, and it activates in place as soon as it is visible.
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_RECOMPOSEONRESIZE |
              OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT;
    return S_OK;
}

STDMETHODIMP BrowserControl::SetColorScheme(LOGPALETTE*) {
    return Unimplemented("IOleObject::SetColorScheme");
}

STDMETHODIMP BrowserControl::GetControlInfo(CONTROLINFO* info) {
    if (!info)
        return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP BrowserControl::OnMnemonic(MSG*) {
    return S_OK;
}
STDMETHODIMP BrowserControl::OnAmbientPropertyChange(DISPID) {
    return S_OK;
}
STDMETHODIMP BrowserControl::FreezeEvents(BOOL) {
    return S_OK;
}

} // namespace standin
