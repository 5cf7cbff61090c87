// The view that shows a game page: the framework's HTML view, except that pages
// open no windows of their own (a web address goes to the player's browser),
// every finished document gets the click sink, the view's window offers no
// context menu, and the owner, not the window's destruction, deletes the object.
#pragma once

#include "framework/HtmlView.h"

struct SDocEvtHandler;

class CMyHtmlView : public fw::CHtmlView {
public:
    CMyHtmlView();
    ~CMyHtmlView() override;

    // The cookie of the click sink's connection to the current document; 0
    // while it is not connected.
    DWORD ClickSinkCookie() const { return cookie_; }

protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}

    void OnDocumentComplete(const std::wstring& url) override;
    void OnNewWindow3(IDispatch** newBrowser, VARIANT_BOOL* cancel, DWORD flags,
                      const std::wstring& urlContext, const std::wstring& url) override;

private:
    void ConnectClickSink();
    void DisconnectClickSink();

    SDocEvtHandler* clickSink_ = nullptr;
    DWORD cookie_ = 0;
    fw::ComPtr<IDispatch> connectedDocument_;
};
