// The browser object of a frame: the pDisp that BeforeNavigate2 and
// DocumentComplete carry for a frame, distinct from the control itself, so a
// host can tell a frame's events from the page's.
#pragma once

#include "ComValues.h"
#include "HtmlDocument.h"
#include "Module.h"
#include "WebBrowserStubs.h"

#include <string>

namespace standin {

class FrameBrowser final : public WebBrowserStubs {
public:
    FrameBrowser(const std::wstring& url, int controlId);

    void Complete() { document_->MarkComplete(); }

    HRESULT Unimplemented(const char* method) override;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP get_Document(IDispatch** out) override;
    STDMETHODIMP get_LocationURL(BSTR* out) override;
    STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL* out) override;

private:
    ~FrameBrowser() = default;

    LiveObject live_;
    LONG refs_ = 1;
    std::wstring url_;
    int controlId_;
    ComPtr<HtmlDocument> document_;
};

} // namespace standin
