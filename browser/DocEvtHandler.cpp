#include "browser/DocEvtHandler.h"

#include "browser/BrowserIds.h"
#include "browser/ShellSeam.h"
#include "framework/ComValues.h"
#include "framework/DispArgs.h"
#include "framework/Handles.h"
#include "framework/Strings.h"

#include <mshtml.h>

#include <cwchar>
#include <string>

namespace {

const wchar_t kClickMethodName[] = L"HTMLELEMENTEVENTS2_ONCLICK";

// Only the whole name marks a link; "abbr" and "area" are not links.
bool IsLinkTag(const wchar_t* tag) {
    return wcscmp(tag, L"a") == 0 || wcscmp(tag, L"A") == 0;
}

// The link's address as text; a missing attribute reads as empty.
std::wstring HrefOf(IHTMLElement* element) {
    fw::Bstr name(L"href");
    fw::Variant value;
    if (!name.Get() || FAILED(element->getAttribute(name.Get(), 0, value.Get())))
        return std::wstring();
    return fw::DispArgString(value.Get());
}

// The debugger line for a click on a link with this address.
std::wstring ClickLogLine(const std::wstring& href) {
    return fw::FormatString(L"单击事件:%s\r\n", href.c_str());
}

} // namespace

STDMETHODIMP SDocEvtHandler::QueryInterface(REFIID iid, void** result) {
    if (!result)
        return E_POINTER;
    *result = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != kIidDocEvtHandlerEvents)
        return E_NOINTERFACE;
    *result = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) SDocEvtHandler::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) SDocEvtHandler::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP SDocEvtHandler::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP SDocEvtHandler::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    if (!names[0] || _wcsicmp(names[0], kClickMethodName) != 0)
        return DISP_E_UNKNOWNNAME;
    ids[0] = kDispidOnClick;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

STDMETHODIMP SDocEvtHandler::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                    EXCEPINFO*, UINT*) {
    if (id != kDispidOnClick)
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    try {
        OnClick(fw::DispArgDispatch(fw::DispArg(params, 0)));
    } catch (...) {
        // The page's click must not see an exception from the sink.
        return E_FAIL;
    }
    return S_OK;
}

void SDocEvtHandler::OnClick(IDispatch* eventObject) {
    if (!eventObject)
        return;
    fw::ComPtr<IHTMLEventObj> event;
    fw::ComPtr<IHTMLElement> element;
    if (FAILED(eventObject->QueryInterface(IID_IHTMLEventObj, event.PutVoid())) || !event ||
        FAILED(event->get_srcElement(element.Put())))
        return;
    while (element) {
        fw::Bstr tag;
        if (FAILED(element->get_tagName(tag.Put())))
            return;
        if (IsLinkTag(tag.Text())) {
            shellseam::outputDebugString(ClickLogLine(HrefOf(element.Get())).c_str());
            return;
        }
        fw::ComPtr<IHTMLElement> parent;
        if (FAILED(element->get_parentElement(parent.Put())))
            return;
        element = parent;
    }
}
