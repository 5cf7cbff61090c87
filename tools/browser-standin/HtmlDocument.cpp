// Document object of a scripted page.
#include "HtmlDocument.h"

#include "BrowserEvents.h"
#include "Guids.h"
#include "HtmlElements.h"
#include "Log.h"
#include "ServerWindow.h"

namespace standin {

HtmlDocument::HtmlDocument(const std::wstring& url, int controlId,
                           std::weak_ptr<ServerWindow> window)
    : url_(url), controlId_(controlId), window_(std::move(window)),
      events_(this, kDiidHtmlDocumentEvents2, controlId, L"HTMLDocumentEvents2") {
}

void HtmlDocument::FireClick(const std::vector<ElementDescription>& chain) {
    ComPtr<HtmlElement> source = HtmlElement::FromChain(chain, 0, controlId_);
    ComPtr<ClickEvent> event = ComPtr<ClickEvent>::Adopt(new ClickEvent(source, controlId_));
    // The document stays alive through the handlers even if one drops the
    // host's last reference to it.
    ComPtr<HtmlDocument> keep(this);
    int sinks = FireDocumentClick(events_, event.Get());
    LogLine line(SourceName(controlId_), L"event", L"onclick");
    line.Add(L"url", url_).Add(L"chain", DescribeChain(chain)).Add(L"sinks", sinks);
    if (event->ReturnValueSet())
        line.Add(L"returnValue", static_cast<long long>(event->ReturnValue()));
    line.Write();
}

HRESULT HtmlDocument::Unimplemented(const char* method) {
    return LogUnimplemented(controlId_, method);
}

STDMETHODIMP HtmlDocument::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IHTMLDocument) || IsEqualIID(iid, IID_IHTMLDocument2))
        *out = static_cast<IHTMLDocument2*>(this);
    else if (IsEqualIID(iid, IID_IConnectionPointContainer))
        *out = static_cast<IConnectionPointContainer*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject) || IsEqualIID(iid, IID_IOleWindow))
        *out = static_cast<IOleInPlaceActiveObject*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) HtmlDocument::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) HtmlDocument::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP HtmlDocument::get_URL(BSTR* out) {
    return ReturnString(url_, out);
}

STDMETHODIMP HtmlDocument::get_title(BSTR* out) {
    return ReturnString(title_.empty() ? url_ : title_, out);
}

STDMETHODIMP HtmlDocument::get_readyState(BSTR* out) {
    return ReturnString(complete_ ? L"complete" : L"interactive", out);
}

STDMETHODIMP HtmlDocument::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IConnectionPointContainer::EnumConnectionPoints");
}

STDMETHODIMP HtmlDocument::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, events_.Events())) {
        LogLine(SourceName(controlId_), L"call", L"find-connection-point")
            .Add(L"iid", GuidText(iid))
            .Add(L"result", L"none")
            .Write();
        return CONNECT_E_NOCONNECTION;
    }
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

STDMETHODIMP HtmlDocument::GetWindow(HWND* out) {
    if (!out)
        return E_POINTER;
    std::shared_ptr<ServerWindow> window = window_.lock();
    *out = window ? window->Server() : nullptr;
    return *out ? S_OK : E_FAIL;
}

STDMETHODIMP HtmlDocument::ContextSensitiveHelp(BOOL) {
    return Unimplemented("IOleWindow::ContextSensitiveHelp");
}

STDMETHODIMP HtmlDocument::TranslateAccelerator(MSG* message) {
    if (!message)
        return E_INVALIDARG;
    std::shared_ptr<ServerWindow> window = window_.lock();
    bool toServer = window && message->hwnd && message->hwnd == window->Server();
    bool control = GetKeyState(VK_CONTROL) < 0;
    // The page acts on Tab (focus moves between fields) and on Control
    // combinations (select all, copy, paste, cut); every other key is left to
    // normal dispatch, which brings it to the page's window as a key message.
    bool consumed = message->message == WM_KEYDOWN && (message->wParam == VK_TAB || control);
    LogLine(SourceName(controlId_), L"key", L"accelerator")
        .Add(L"message", KeyMessageName(message->message))
        .Hex(L"code", static_cast<unsigned long>(message->wParam))
        .Add(L"ctrl", static_cast<long long>(control))
        .Add(L"target", toServer ? L"server" : L"other")
        .Add(L"result", consumed ? L"consumed" : L"passed")
        .Write();
    return consumed ? S_OK : S_FALSE;
}

STDMETHODIMP HtmlDocument::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP HtmlDocument::OnDocWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP HtmlDocument::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}
STDMETHODIMP HtmlDocument::EnableModeless(BOOL) {
    return S_OK;
}

} // namespace standin
