#include "framework/HtmlView.h"

#include "framework/ComValues.h"

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
    auto* site = static_cast<IOleClientSite*>(site_.Get());
    RECT client{};
    GetClientRect(m_hWnd, &client);
    return control_.Create(site) && control_.Activate(site, m_hWnd, &client) &&
           control_.AdviseEvents(static_cast<IDispatch*>(site_.Get()));
}

void CHtmlView::DestroyBrowserControl() {
    // The site answers nothing once detached, so a late call from the
    // closing control never reaches this view.
    if (site_)
        site_->Detach();
    control_.Close();
    site_.Reset();
}

void CHtmlView::ResizeBrowserControl() {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    control_.SetObjectRects(client);
}

bool CHtmlView::Navigate(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                         const wchar_t* headers) {
    IWebBrowser2* browser = control_.Browser();
    if (!browser || !url)
        return false;
    Bstr address(url);
    NavigateArgs args(flags, targetFrame, headers);
    return SUCCEEDED(browser->Navigate(address.Get(), args.flagValue.Get(), args.frame.Get(),
                                       args.noPostData.Get(), args.extraHeaders.Get()));
}

bool CHtmlView::Navigate2(const wchar_t* url, DWORD flags, const wchar_t* targetFrame,
                          const wchar_t* headers) {
    IWebBrowser2* browser = control_.Browser();
    if (!browser || !url)
        return false;
    Variant address;
    address.SetText(url);
    NavigateArgs args(flags, targetFrame, headers);
    return SUCCEEDED(browser->Navigate2(address.Get(), args.flagValue.Get(), args.frame.Get(),
                                        args.noPostData.Get(), args.extraHeaders.Get()));
}

bool CHtmlView::Refresh() {
    IWebBrowser2* browser = control_.Browser();
    return browser && SUCCEEDED(browser->Refresh());
}

ComPtr<IDispatch> CHtmlView::GetHtmlDocument() const {
    ComPtr<IDispatch> document;
    IWebBrowser2* browser = control_.Browser();
    if (browser && FAILED(browser->get_Document(document.Put())))
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
    BrowserEventArgs args(params);
    switch (id) {
    case DISPID_BEFORENAVIGATE2: // (pDisp, URL, Flags, Frame, PostData, Headers, Cancel)
        OnBeforeNavigate2(args.String(1), args.Flags(2), args.String(3), args.String(5),
                          args.Cancel(6));
        break;
    case DISPID_DOCUMENTCOMPLETE: // (pDisp, URL)
        OnDocumentComplete(args.String(1));
        break;
    case DISPID_NEWWINDOW2: // (ppDisp, Cancel)
        OnNewWindow2(args.NewBrowser(0), args.Cancel(1));
        break;
    case DISPID_NEWWINDOW3: // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl)
        OnNewWindow3(args.NewBrowser(0), args.Cancel(1), args.Flags(2), args.String(3),
                     args.String(4));
        break;
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
