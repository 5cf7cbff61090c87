// The framework's HTML view: a child window that hosts the system web-browser
// control, keeps it the size of the window, and turns the control's events into
// overridable calls. Like the framework's other views it deletes itself when
// its window is gone, unless a subclass changes PostNcDestroy.
#pragma once

#include "framework/BrowserControl.h"
#include "framework/Handles.h"
#include "framework/HtmlViewSite.h"
#include "framework/Wnd.h"

#include <exdisp.h>

#include <string>

namespace fw {

class CHtmlView : public CWnd, private HtmlViewSiteOwner {
public:
    CHtmlView() = default;
    ~CHtmlView() override;

    // Each returns false when the control is missing or refuses.
    bool Navigate(const wchar_t* url, DWORD flags = 0, const wchar_t* targetFrame = nullptr,
                  const wchar_t* headers = nullptr);
    bool Navigate2(const wchar_t* url, DWORD flags = 0, const wchar_t* targetFrame = nullptr,
                   const wchar_t* headers = nullptr);
    bool Refresh();

    // The browser's current top-level document; null before the first one.
    ComPtr<IDispatch> GetHtmlDocument() const;
    // The control's automation interface; null when the control could not
    // be created.
    IWebBrowser2* GetBrowser() const { return control_.Browser(); }

protected:
    // Event notifications; the base does nothing, which lets the browser go on.
    virtual void OnBeforeNavigate2(const std::wstring& url, DWORD flags,
                                   const std::wstring& targetFrame, const std::wstring& headers,
                                   VARIANT_BOOL* cancel);
    // For the top-level document and for every frame alike.
    virtual void OnDocumentComplete(const std::wstring& url);
    virtual void OnNewWindow2(IDispatch** newBrowser, VARIANT_BOOL* cancel);
    virtual void OnNewWindow3(IDispatch** newBrowser, VARIANT_BOOL* cancel, DWORD flags,
                              const std::wstring& urlContext, const std::wstring& url);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    bool CreateBrowserControl();
    void DestroyBrowserControl();
    void ResizeBrowserControl();

    HWND SiteWindow() const override { return m_hWnd; }
    void SiteEvent(DISPID id, DISPPARAMS* params) override;

    OleInitializer ole_;
    ComPtr<HtmlViewSite> site_;
    BrowserControl control_;
};

} // namespace fw
