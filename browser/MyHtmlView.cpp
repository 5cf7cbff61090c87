#include "browser/MyHtmlView.h"

#include "browser/BrowserIds.h"
#include "browser/DocEvtHandler.h"
#include "browser/ShellSeam.h"

#include <new>

namespace {

fw::ComPtr<IConnectionPoint> DocumentEventsPoint(const fw::ComPtr<IDispatch>& document) {
    auto container = document.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    fw::ComPtr<IConnectionPoint> point;
    if (container && FAILED(container->FindConnectionPoint(kDiidHtmlDocumentEvents2, point.Put())))
        point.Reset();
    return point;
}

} // namespace

CMyHtmlView::CMyHtmlView() : clickSink_(new (std::nothrow) SDocEvtHandler) {
}

// The click sink is cut from the document and our reference given back, so
// that neither outlives the view through this object; a document that still
// holds the sink keeps it alive on its own.
CMyHtmlView::~CMyHtmlView() {
    DisconnectClickSink();
    if (clickSink_)
        clickSink_->Release();
}

void CMyHtmlView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style |= WS_CLIPCHILDREN;
    fw::CHtmlView::PreCreateWindow(cs);
}

LRESULT CMyHtmlView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CONTEXTMENU:
        return 0;
    case WM_DESTROY:
        // The owner deletes the view, and with it the control.
        return 0;
    default:
        return fw::CHtmlView::WindowProc(msg, wParam, lParam);
    }
}

void CMyHtmlView::OnDocumentComplete(const std::wstring& url) {
    ConnectClickSink();
    fw::CHtmlView::OnDocumentComplete(url);
}

void CMyHtmlView::OnNewWindow3(IDispatch**, VARIANT_BOOL* cancel, DWORD, const std::wstring&,
                               const std::wstring& url) {
    *cancel = VARIANT_TRUE;
    shellseam::OpenInDefaultBrowser(url);
}

void CMyHtmlView::DisconnectClickSink() {
    if (cookie_) {
        if (fw::ComPtr<IConnectionPoint> point = DocumentEventsPoint(connectedDocument_))
            point->Unadvise(cookie_);
        cookie_ = 0;
    }
    connectedDocument_.Reset();
}

// Frames complete before their page, and every completion re-connects to the
// top-level document, so at most one connection exists at any time.
void CMyHtmlView::ConnectClickSink() {
    DisconnectClickSink();
    connectedDocument_ = GetHtmlDocument();
    fw::ComPtr<IConnectionPoint> point = DocumentEventsPoint(connectedDocument_);
    if (!point || !clickSink_ || FAILED(point->Advise(clickSink_, &cookie_)))
        cookie_ = 0;
}
