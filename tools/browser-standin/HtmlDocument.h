// The document of a page: what get_Document hands out. It answers
// IHTMLDocument2 for its address and state, raises HTMLDocumentEvents2 (the
// click) through its connection point, and translates accelerator keys as the
// page would (IOleInPlaceActiveObject).
#pragma once

#include "ConnectionPoint.h"
#include "HtmlDocumentStubs.h"
#include "Module.h"
#include "Script.h"

#include <memory>
#include <string>
#include <vector>

namespace standin {

class ServerWindow;

class HtmlDocument final : public HtmlDocumentStubs,
                           public IConnectionPointContainer,
                           public IOleInPlaceActiveObject {
public:
    HtmlDocument(const std::wstring& url, int controlId, std::weak_ptr<ServerWindow> window);

    void MarkComplete() { complete_ = true; }
    void SetTitle(const std::wstring& title) { title_ = title; }
    void FireClick(const std::vector<ElementDescription>& chain);

    HRESULT Unimplemented(const char* method) override;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IHTMLDocument2
    STDMETHODIMP get_URL(BSTR* out) override;
    STDMETHODIMP get_title(BSTR* out) override;
    STDMETHODIMP get_readyState(BSTR* out) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    // IOleWindow, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* out) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP TranslateAccelerator(MSG* message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

private:
    ~HtmlDocument() = default;

    LiveObject live_;
    LONG refs_ = 1;
    std::wstring url_;
    // The address until the script gives the page a title.
    std::wstring title_;
    int controlId_;
    std::weak_ptr<ServerWindow> window_;
    bool complete_ = false;
    ConnectionPoint events_;
};

} // namespace standin
