// Frame browser objects.
#include "FrameBrowser.h"

#include "Log.h"

#include <memory>

namespace standin {

FrameBrowser::FrameBrowser(const std::wstring& url, int controlId)
    : url_(url), controlId_(controlId), document_(ComPtr<HtmlDocument>::Adopt(new HtmlDocument(
                                            url, controlId, std::weak_ptr<ServerWindow>()))) {
}

HRESULT FrameBrowser::Unimplemented(const char* method) {
    return LogUnimplemented(controlId_, method);
}

STDMETHODIMP FrameBrowser::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
        IsEqualIID(iid, IID_IWebBrowser2)) {
        *out = static_cast<IWebBrowser2*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) FrameBrowser::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) FrameBrowser::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP FrameBrowser::get_Document(IDispatch** out) {
    if (!out)
        return E_POINTER;
    return document_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out));
}

STDMETHODIMP FrameBrowser::get_LocationURL(BSTR* out) {
    return ReturnString(url_, out);
}

STDMETHODIMP FrameBrowser::get_TopLevelContainer(VARIANT_BOOL* out) {
    if (!out)
        return E_POINTER;
    *out = VARIANT_FALSE;
    return S_OK;
}

} // namespace standin
