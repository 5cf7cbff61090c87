// Builders of the event parameter arrays. Arguments point at values owned by
// the firing function for the duration of the calls, so sinks must copy what
// they keep, as with the real control.
#include "BrowserEvents.h"

#include <exdispid.h>
#include <mshtmdid.h>

namespace standin {
namespace {

// A string held in a variant that the event passes by reference.
class StringVariant {
public:
    explicit StringVariant(const std::wstring& text) {
        VariantInit(&v_);
        V_VT(&v_) = VT_BSTR;
        V_BSTR(&v_) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    StringVariant(const StringVariant&) = delete;
    StringVariant& operator=(const StringVariant&) = delete;
    ~StringVariant() { VariantClear(&v_); }

    VARIANT* Get() { return &v_; }

private:
    VARIANT v_;
};

void SetRef(VARIANT* arg, VARIANT* target) {
    V_VT(arg) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(arg) = target;
}

void SetBoolRef(VARIANT* arg, VARIANT_BOOL* flag) {
    V_VT(arg) = VT_BYREF | VT_BOOL;
    V_BOOLREF(arg) = flag;
}

void SetDispatch(VARIANT* arg, IDispatch* dispatch) {
    V_VT(arg) = VT_DISPATCH;
    V_DISPATCH(arg) = dispatch;
}

void SetDispatchRef(VARIANT* arg, IDispatch** dispatch) {
    V_VT(arg) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(arg) = dispatch;
}

int Fire(ConnectionPoint& events, DISPID dispid, VARIANT* args, UINT count) {
    DISPPARAMS params{args, nullptr, count, 0};
    return events.Invoke(dispid, &params);
}

// Events whose arguments are the browser and its address.
int FireAddressEvent(ConnectionPoint& events, DISPID dispid, IDispatch* source,
                     const std::wstring& url) {
    StringVariant address(url);
    VARIANT args[2];
    SetRef(&args[0], address.Get());
    SetDispatch(&args[1], source);
    return Fire(events, dispid, args, 2);
}

void TakeWindow(IDispatch* window, bool* hostGaveWindow) {
    *hostGaveWindow = window != nullptr;
    if (window)
        window->Release();
}

} // namespace

EventOutcome FireBeforeNavigate2(ConnectionPoint& events, IDispatch* source,
                                 const std::wstring& url) {
    StringVariant address(url);
    StringVariant frameName(L"");
    StringVariant headers(L"");
    VARIANT flags;
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = 0;
    VARIANT postData;
    VariantInit(&postData);
    VARIANT postDataRef;
    SetRef(&postDataRef, &postData);
    VARIANT_BOOL cancel = VARIANT_FALSE;

    VARIANT args[7];
    SetBoolRef(&args[0], &cancel);
    SetRef(&args[1], headers.Get());
    SetRef(&args[2], &postDataRef);
    SetRef(&args[3], frameName.Get());
    SetRef(&args[4], &flags);
    SetRef(&args[5], address.Get());
    SetDispatch(&args[6], source);
    EventOutcome outcome;
    outcome.sinks = Fire(events, DISPID_BEFORENAVIGATE2, args, 7);
    outcome.cancel = cancel != VARIANT_FALSE;
    return outcome;
}

int FireNavigateComplete2(ConnectionPoint& events, IDispatch* source, const std::wstring& url) {
    return FireAddressEvent(events, DISPID_NAVIGATECOMPLETE2, source, url);
}

int FireDocumentComplete(ConnectionPoint& events, IDispatch* source, const std::wstring& url) {
    return FireAddressEvent(events, DISPID_DOCUMENTCOMPLETE, source, url);
}

EventOutcome FireNewWindow2(ConnectionPoint& events, bool* hostGaveWindow) {
    IDispatch* window = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[2];
    SetBoolRef(&args[0], &cancel);
    SetDispatchRef(&args[1], &window);
    EventOutcome outcome;
    outcome.sinks = Fire(events, DISPID_NEWWINDOW2, args, 2);
    outcome.cancel = cancel != VARIANT_FALSE;
    TakeWindow(window, hostGaveWindow);
    return outcome;
}

EventOutcome FireNewWindow3(ConnectionPoint& events, const std::wstring& url,
                            const std::wstring& context, bool* hostGaveWindow) {
    BStr address(url);
    BStr referrer(context);
    IDispatch* window = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[5];
    V_VT(&args[0]) = VT_BSTR;
    V_BSTR(&args[0]) = address.Get();
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = referrer.Get();
    V_VT(&args[2]) = VT_I4;
    V_I4(&args[2]) = 0;
    SetBoolRef(&args[3], &cancel);
    SetDispatchRef(&args[4], &window);
    EventOutcome outcome;
    outcome.sinks = Fire(events, DISPID_NEWWINDOW3, args, 5);
    outcome.cancel = cancel != VARIANT_FALSE;
    TakeWindow(window, hostGaveWindow);
    return outcome;
}

int FireDocumentClick(ConnectionPoint& documentEvents, IHTMLEventObj* event) {
    VARIANT args[1];
    SetDispatch(&args[0], event);
    return Fire(documentEvents, DISPID_HTMLDOCUMENTEVENTS2_ONCLICK, args, 1);
}

} // namespace standin
