#include "login/WebFormLogin.h"

#include "update/UpdateModule.h"

std::wstring LastFormUrl;

const wchar_t kGameEntryMark[] = L"play_gamecode";

HWND WebFormLogin::GetHostWindow() {
    return owner_;
}

void WebFormLogin::OnBeforeNavigate(std::wstring url, VARIANT_BOOL* cancel) {
    // The game page belongs in the main window, not in the login form.
    if (url.find(kGameEntryMark) != std::wstring::npos)
        *cancel = VARIANT_TRUE;
    if (!owner_)
        return;
    LastFormUrl = std::move(url);
    SendMessageW(owner_, WM_COMMAND, MAKEWPARAM(ID_FORM_NAVIGATE, 0), 0);
}

void WebFormLogin::OnDocumentComplete(std::wstring) {
    if (!firstDocumentSeen_) {
        RunUpdatePass();
        firstDocumentSeen_ = TRUE;
    }
    // Frames complete too; each one re-places the control, which is harmless.
    SetControlRect(TargetRect());
}

STDMETHODIMP WebFormLogin::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info)
        return E_POINTER;
    // A platform may end its login form with a server redirect to the game's
    // address; the control tells of a redirect's target before going there
    // only when asked to, and the game's address must be seen to be caught.
    info->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO |
                     DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION;
    return S_OK;
}
