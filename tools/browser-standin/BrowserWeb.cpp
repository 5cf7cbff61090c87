// IWebBrowser2 of the control: navigation requests and the state a host reads
// back. Methods the stand-in does not model stay with WebBrowserStubs.
#include "BrowserControl.h"

#include "Log.h"

namespace standin {
namespace {

HRESULT ReturnBool(bool value, VARIANT_BOOL* out) {
    if (!out)
        return E_POINTER;
    *out = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

} // namespace

STDMETHODIMP BrowserControl::Navigate(BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
    return StartNavigation(url ? std::wstring(url, SysStringLen(url)) : L"", L"Navigate");
}

STDMETHODIMP BrowserControl::Navigate2(VARIANT* url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
    return StartNavigation(VariantText(url), L"Navigate2");
}

STDMETHODIMP BrowserControl::Refresh() {
    // Like the real control, a refresh reloads the page without navigation
    // events; it is logged and shown on the page.
    LogLine(SourceName(id_), L"call", L"Refresh").Add(L"url", url_).Write();
    window_->NoteRefresh();
    return S_OK;
}

STDMETHODIMP BrowserControl::Refresh2(VARIANT* level) {
    Variant number;
    long value = -1;
    if (level && SUCCEEDED(VariantChangeType(number.Get(), level, 0, VT_I4)))
        value = V_I4(number.Get());
    LogLine(SourceName(id_), L"call", L"Refresh2")
        .Add(L"url", url_)
        .Add(L"level", static_cast<long long>(value))
        .Write();
    window_->NoteRefresh();
    return S_OK;
}

STDMETHODIMP BrowserControl::Stop() {
    LogLine(SourceName(id_), L"call", L"Stop").Add(L"url", url_).Write();
    ++generation_;
    timeline_.CancelAll();
    return S_OK;
}

STDMETHODIMP BrowserControl::get_Application(IDispatch** out) {
    if (!out)
        return E_POINTER;
    *out = Self();
    AddRef();
    return S_OK;
}

STDMETHODIMP BrowserControl::get_Document(IDispatch** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    LogLine(SourceName(id_), L"call", L"get_Document")
        .Add(L"document", document_ ? L"yes" : L"none")
        .Write();
    // Before the first page there is no document: success with no object.
    if (!document_)
        return S_OK;
    return document_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out));
}

STDMETHODIMP BrowserControl::get_TopLevelContainer(VARIANT_BOOL* out) {
    return ReturnBool(true, out);
}

STDMETHODIMP BrowserControl::get_LocationName(BSTR* out) {
    return ReturnString(url_, out);
}

STDMETHODIMP BrowserControl::get_LocationURL(BSTR* out) {
    return ReturnString(url_, out);
}

STDMETHODIMP BrowserControl::get_Busy(VARIANT_BOOL* out) {
    return ReturnBool(document_ && !complete_, out);
}

STDMETHODIMP BrowserControl::get_HWND(SHANDLE_PTR* out) {
    if (!out)
        return E_POINTER;
    *out = reinterpret_cast<SHANDLE_PTR>(window_->Outer());
    return *out ? S_OK : E_FAIL;
}

STDMETHODIMP BrowserControl::get_Visible(VARIANT_BOOL* out) {
    return ReturnBool(visible_, out);
}

STDMETHODIMP BrowserControl::put_Visible(VARIANT_BOOL value) {
    visible_ = value != VARIANT_FALSE;
    LogLine(SourceName(id_), L"call", L"put_Visible")
        .Add(L"value", static_cast<long long>(visible_))
        .Write();
    window_->Show(visible_);
    return S_OK;
}

STDMETHODIMP BrowserControl::get_ReadyState(READYSTATE* out) {
    if (!out)
        return E_POINTER;
    if (!document_)
        *out = READYSTATE_UNINITIALIZED;
    else
        *out = complete_ ? READYSTATE_COMPLETE : READYSTATE_INTERACTIVE;
    return S_OK;
}

STDMETHODIMP BrowserControl::get_Silent(VARIANT_BOOL* out) {
    return ReturnBool(silent_, out);
}

STDMETHODIMP BrowserControl::put_Silent(VARIANT_BOOL value) {
    silent_ = value != VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP BrowserControl::get_RegisterAsDropTarget(VARIANT_BOOL* out) {
    return ReturnBool(dropTarget_, out);
}

STDMETHODIMP BrowserControl::put_RegisterAsDropTarget(VARIANT_BOOL value) {
    dropTarget_ = value != VARIANT_FALSE;
    return S_OK;
}

} // namespace standin
