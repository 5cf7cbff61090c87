// Checking sinks for DWebBrowserEvents2 and HTMLDocumentEvents2.
#include "TestSinks.h"

#include <exdispid.h>
#include <mshtml.h>
#include <mshtmdid.h>

namespace selftest {

bool g_insideCall = false;

namespace {

bool IsStringRef(const VARIANT& v) {
    return V_VT(&v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&v) &&
           V_VT(V_VARIANTREF(&v)) == VT_BSTR;
}

std::wstring RefText(const VARIANT& v) {
    BSTR s = V_BSTR(V_VARIANTREF(&v));
    return s ? std::wstring(s, SysStringLen(s)) : std::wstring();
}

std::wstring Text(BSTR s) {
    return s ? std::wstring(s, SysStringLen(s)) : std::wstring();
}

} // namespace

int BrowserSink::Count(DISPID dispid, const std::wstring& url) const {
    int count = 0;
    for (const BrowserEvent& e : events)
        count += e.dispid == dispid && e.url == url;
    return count;
}

bool BrowserSink::IsControl(IDispatch* source) const {
    ComPtr<IUnknown> identity;
    if (source)
        source->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Receive()));
    return identity.Get() == control;
}

STDMETHODIMP BrowserSink::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch))
        return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP BrowserSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    BrowserEvent e;
    e.dispid = dispid;
    e.insideCall = g_insideCall;
    e.thread = GetCurrentThreadId();
    VARIANT* a = params->rgvarg;
    UINT n = params->cArgs;
    switch (dispid) {
    case DISPID_BEFORENAVIGATE2:
        // pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel; last first.
        e.shapeOk = n == 7 && V_VT(&a[6]) == VT_DISPATCH && IsStringRef(a[5]) &&
                    V_VT(&a[4]) == (VT_BYREF | VT_VARIANT) && IsStringRef(a[3]) &&
                    V_VT(&a[2]) == (VT_BYREF | VT_VARIANT) && IsStringRef(a[1]) &&
                    V_VT(&a[0]) == (VT_BYREF | VT_BOOL);
        if (!e.shapeOk)
            break;
        e.url = RefText(a[5]);
        e.top = IsControl(V_DISPATCH(&a[6]));
        if (!cancelContaining.empty() && e.url.find(cancelContaining) != std::wstring::npos)
            *V_BOOLREF(&a[0]) = VARIANT_TRUE;
        break;
    case DISPID_NAVIGATECOMPLETE2:
    case DISPID_DOCUMENTCOMPLETE:
        e.shapeOk = n == 2 && V_VT(&a[1]) == VT_DISPATCH && IsStringRef(a[0]);
        if (e.shapeOk) {
            e.url = RefText(a[0]);
            e.top = IsControl(V_DISPATCH(&a[1]));
        }
        break;
    case DISPID_NEWWINDOW2:
        e.shapeOk = n == 2 && V_VT(&a[1]) == (VT_BYREF | VT_DISPATCH) &&
                    V_VT(&a[0]) == (VT_BYREF | VT_BOOL);
        if (e.shapeOk && cancelNewWindows)
            *V_BOOLREF(&a[0]) = VARIANT_TRUE;
        break;
    case DISPID_NEWWINDOW3:
        // ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl; last first.
        e.shapeOk = n == 5 && V_VT(&a[4]) == (VT_BYREF | VT_DISPATCH) &&
                    V_VT(&a[3]) == (VT_BYREF | VT_BOOL) && V_VT(&a[2]) == VT_I4 &&
                    V_VT(&a[1]) == VT_BSTR && V_VT(&a[0]) == VT_BSTR;
        if (!e.shapeOk)
            break;
        e.url = Text(V_BSTR(&a[0]));
        e.context = Text(V_BSTR(&a[1]));
        if (cancelNewWindows)
            *V_BOOLREF(&a[3]) = VARIANT_TRUE;
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    events.push_back(e);
    if (onEvent)
        onEvent(e);
    return S_OK;
}

STDMETHODIMP ClickSink::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch))
        return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP ClickSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP ClickSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                               EXCEPINFO*, UINT*) {
    if (dispid != DISPID_HTMLDOCUMENTEVENTS2_ONCLICK)
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 1 || V_VT(&params->rgvarg[0]) != VT_DISPATCH) {
        ++badCalls;
        return S_OK;
    }
    ComPtr<IHTMLEventObj> event;
    V_DISPATCH(&params->rgvarg[0])
        ->QueryInterface(IID_IHTMLEventObj, reinterpret_cast<void**>(event.Receive()));
    if (!event) {
        ++badCalls;
        return S_OK;
    }
    Click click;
    standin::BStr type;
    event->get_type(type.Receive());
    click.type = type.Text();
    ComPtr<IHTMLElement> element;
    event->get_srcElement(element.Receive());
    while (element) {
        standin::BStr tag;
        element->get_tagName(tag.Receive());
        if (!click.chain.empty())
            click.chain += L"<";
        click.chain += tag.Text();
        standin::BStr name(L"href");
        standin::Variant href;
        element->getAttribute(name.Get(), 0, href.Get());
        std::wstring value = V_VT(href.Get()) == VT_BSTR ? Text(V_BSTR(href.Get())) : L"<null>";
        click.hrefs.push_back(value);
        if (!click.linkFound && (tag.Text() == L"a" || tag.Text() == L"A")) {
            click.linkFound = true;
            click.linkHref = value;
        }
        ComPtr<IHTMLElement> parent;
        element->get_parentElement(parent.Receive());
        element = parent;
    }
    clicks.push_back(click);
    return S_OK;
}

} // namespace selftest
