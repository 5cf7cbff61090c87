#include "framework/BrowserControl.h"

#include "framework/DispArgs.h"

#include <exdispid.h>

namespace fw {

bool BrowserControl::Create(IOleClientSite* site) {
    if (FAILED(StgCreateDocfile(nullptr, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
                                storage_.Put())) ||
        FAILED(OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr, site,
                         storage_.Get(), control_.PutVoid()))) {
        control_.Reset();
        storage_.Reset();
        return false;
    }
    inPlace_ = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    return true;
}

bool BrowserControl::Activate(IOleClientSite* site, HWND window, RECT* rect) {
    return control_ &&
           SUCCEEDED(control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, window, rect));
}

ComPtr<IConnectionPoint> BrowserControl::EventsConnectionPoint() {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    IWebBrowser2* browser = Browser();
    if (!browser ||
        FAILED(browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
        !container || FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put())))
        point.Reset();
    return point;
}

bool BrowserControl::AdviseEvents(IDispatch* sink) {
    ComPtr<IConnectionPoint> point = EventsConnectionPoint();
    if (!point || FAILED(point->Advise(sink, &eventsCookie_))) {
        eventsCookie_ = 0;
        return false;
    }
    return true;
}

bool BrowserControl::SetObjectRects(const RECT& rect) {
    return inPlace_ && SUCCEEDED(inPlace_->SetObjectRects(&rect, &rect));
}

void BrowserControl::Close() {
    if (eventsCookie_) {
        if (ComPtr<IConnectionPoint> point = EventsConnectionPoint())
            point->Unadvise(eventsCookie_);
        eventsCookie_ = 0;
    }
    if (control_) {
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
    }
    browser_.Reset();
    inPlace_.Reset();
    control_.Reset();
    storage_.Reset();
}

IWebBrowser2* BrowserControl::Browser() const {
    if (!browser_ && control_)
        browser_ = control_.As<IWebBrowser2>(IID_IWebBrowser2);
    return browser_.Get();
}

bool BrowserEventArgs::Has(UINT count) const {
    return params_ && params_->cArgs >= count;
}

std::wstring BrowserEventArgs::String(UINT index) const {
    return DispArgString(DispArg(params_, index));
}

DWORD BrowserEventArgs::Flags(UINT index) const {
    return static_cast<DWORD>(DispArgLong(DispArg(params_, index)));
}

VARIANT_BOOL* BrowserEventArgs::Cancel(UINT index) {
    VARIANT_BOOL* cancel = DispArgBoolRef(DispArg(params_, index));
    return cancel ? cancel : &spareCancel_;
}

IDispatch** BrowserEventArgs::NewBrowser(UINT index) {
    IDispatch** browser = DispArgDispatchRef(DispArg(params_, index));
    return browser ? browser : &spareBrowser_;
}

} // namespace fw
