// The login popup's browser host. It watches the login page's navigations,
// catches the game's entry address (never letting the small form go there)
// and reports every navigation to its owner window; it keeps the control
// hidden until a document has loaded, and runs the update pass once the first
// document is complete.
#pragma once

#include "browser/WebBrowserBase.h"

#include <string>

// The address of the latest navigation the login form reported.
extern std::wstring LastFormUrl;

// WM_COMMAND id sent to the owner window after LastFormUrl changed.
constexpr UINT ID_FORM_NAVIGATE = 10001;

// What marks the game's entry address; case matters.
extern const wchar_t kGameEntryMark[];

class WebFormLogin : public CWebBrowserBase {
public:
    HWND GetHostWindow() override;
    void OnDocumentComplete(std::wstring url) override;
    void OnBeforeNavigate(std::wstring url, VARIANT_BOOL* cancel) override;

    // No 3-D border and no scroll bars, whatever the page's size; server
    // redirects raise BeforeNavigate2 for their target like any navigation.
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;

    void SetOwnerWindow(HWND owner) { owner_ = owner; }
    void SetFirstDocumentSeen(bool seen) { firstDocumentSeen_ = seen; }

private:
    HWND owner_ = nullptr;
    BOOL firstDocumentSeen_ = FALSE;
};
