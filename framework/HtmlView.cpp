#include "framework/HtmlView.h"

#include "framework/ComValues.h"
#include "framework/DispArgs.h"

#include <exdispid.h>

namespace fw {

namespace {

// The optional arguments of a navigation: flags, and strings that stay
// empty (absent) when not given.
struct NavigateArgs {
    NavigateArgs(DWORD flags, const wchar_t* targetFrame, const wchar_t* headers) {
        flagValue.SetLong(static_cast<LONG>(flags));
        if (targetFrame)
            frame.SetText(targetFrame);
        if (headers)
            extraHeaders.SetText(headers);
    }

    Variant flagValue;
    Variant frame;
    Variant noPostData;
    Variant extraHeaders;
};

} // namespace

CHtmlView::~CHtmlView() {
    DestroyBrowserControl();
    // Destroy a remaining window unbound, so that its last messages do not
    // reach an object that is half gone (and PostNcDestroy does not run).
    if (HWND window = m_hWnd) {
        UnsubclassWindow();
        ::DestroyWindow(window);
    }
}

bool CHtmlView::CreateBrowserControl() {
    site_ = ComPtr<HtmlViewSite>::Attach(new HtmlViewSite(this));
    if (FAILED(StgCreateDocfile(nullptr, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
                                storage_.Put())))
        return false;
    if (FAILED(OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr,
                         static_cast<IOleClientSite*>(site_.Get()), storage_.Get(),
                         control_.PutVoid())))
        return false;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (FAILED(control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                static_cast<IOleClientSite*>(site_.Get()), 0, m_hWnd, &client)))
        return false;
    inPlace_ = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    browser_ = control_.As<IWebBrowser2>(IID_IWebBrowser2);
    return AdviseEvents();
}

bool CHtmlView::AdviseEvents() {
    auto container = browser_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    if (!container || FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put())))
        return false;
    return SUCCEEDED(point->Advise(static_cast<IDispatch*>(site_.Get()), &eventsCookie_));
}

void CHtmlView::DestroyBrowserControl() {
    if (eventsCookie_) {
        auto container = browser_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ComPtr<IConnectionPoint> point;
        if (container &&
            SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put())))
            point->Unadvise(eventsCookie_);
        eventsCookie_ = 0;
    }
    if (site_)
        site_->Detach();
    if (control_) {
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
    }
    inPlace_.Reset();
    browser_.Reset();
    control_.Reset();
    storage_.Reset();
    site_.Reset();
}

void CHtmlView::ResizeBrowserControl() {
    if (!inPlace_)
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    inPlace_->SetObjectRects(&client, &client);
}

bool CHtmlView::Navigate(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                         const wchar_t* headers) {
    if (!browser_ || !url)
        return false;
    Bstr address(url);
    NavigateArgs args(flags, targetFrame, headers);
    return SUCCEEDED(browser_->Navigate(address.Get(), args.flagValue.Get(), args.frame.Get(),
                                        args.noPostData.Get(), args.extraHeaders.Get()));
}

bool CHtmlView::Navigate2(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                          const wchar_t* headers) {
    if (!browser_ || !url)
        return false;
    Variant address;
    address.SetText(url);
    NavigateArgs args(flags, targetFrame, headers);
    return SUCCEEDED(browser_->Navigate2(address.Get(), args.flagValue.Get(), args.frame.Get(),
                                         args.noPostData.Get(), args.extraHeaders.Get()));
}

bool CHtmlView::Refresh() {
    return browser_ && SUCCEEDED(browser_->Refresh());
}

ComPtr<IDispatch> CHtmlView::GetHtmlDocument() const {
    ComPtr<IDispatch> document;
    if (browser_ && FAILED(browser_->get_Document(document.Put())))
        document.Reset();
    return document;
}

void CHtmlView::OnBeforeNavigate2(const std::wstring&, DWORD, const std::wstring&,
                                  const std::wstring&, VARIANT_BOOL*) {
}
void CHtmlView::OnDocumentComplete(const std::wstring&) {
}
void CHtmlView::OnNewWindow2(IDispatch**, VARIANT_BOOL*) {
}
void CHtmlView::OnNewWindow3(IDispatch**, VARIANT_BOOL*, DWORD, const std::wstring&,
                             const std::wstring&) {
}

void CHtmlView::SiteEvent(DISPID id, DISPPARAMS* params) {
    // A notification whose cancel flag is missing from the call still gets
    // somewhere to write it.
    VARIANT_BOOL ignoredCancel = VARIANT_FALSE;
    IDispatch* ignoredBrowser = nullptr;
    switch (id) {
    case DISPID_BEFORENAVIGATE2: {
        VARIANT_BOOL* cancel = DispArgBoolRef(DispArg(params, 6));
        OnBeforeNavigate2(DispArgString(DispArg(params, 1)),
                          static_cast<DWORD>(DispArgLong(DispArg(params, 2))),
                          DispArgString(DispArg(params, 3)), DispArgString(DispArg(params, 5)),
                          cancel ? cancel : &ignoredCancel);
        break;
    }
    case DISPID_DOCUMENTCOMPLETE:
        OnDocumentComplete(DispArgString(DispArg(params, 1)));
        break;
    case DISPID_NEWWINDOW2: {
        IDispatch** browser = DispArgDispatchRef(DispArg(params, 0));
        VARIANT_BOOL* cancel = DispArgBoolRef(DispArg(params, 1));
        OnNewWindow2(browser ? browser : &ignoredBrowser, cancel ? cancel : &ignoredCancel);
        break;
    }
    case DISPID_NEWWINDOW3: {
        IDispatch** browser = DispArgDispatchRef(DispArg(params, 0));
        VARIANT_BOOL* cancel = DispArgBoolRef(DispArg(params, 1));
        OnNewWindow3(browser ? browser : &ignoredBrowser, cancel ? cancel : &ignoredCancel,
                     static_cast<DWORD>(DispArgLong(DispArg(params, 2))),
                     DispArgString(DispArg(params, 3)), DispArgString(DispArg(params, 4)));
        break;
    }
    default:
        break;
    }
}

LRESULT CHtmlView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        // A view without a control stays an empty window; its operations
        // then answer false.
        if (!CreateBrowserControl())
            DestroyBrowserControl();
        return 0;
    case WM_SIZE:
        ResizeBrowserControl();
        return 0;
    case WM_DESTROY:
        DestroyBrowserControl();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CHtmlView::PostNcDestroy() {
    delete this;
}

} // namespace fw
