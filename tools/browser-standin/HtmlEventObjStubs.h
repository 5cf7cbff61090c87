// IHTMLEventObj with every method answering "not implemented" through
// Unimplemented; the click event overrides what a click handler reads.
#pragma once

#include <mshtml.h>

#include "DispatchStubs.h"

namespace standin {

class HtmlEventObjStubs : public DispatchStubs<IHTMLEventObj> {
public:
    // IHTMLEventObj
    STDMETHODIMP get_srcElement(IHTMLElement**) override {
        return Unimplemented("IHTMLEventObj::get_srcElement");
    }
    STDMETHODIMP get_altKey(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLEventObj::get_altKey");
    }
    STDMETHODIMP get_ctrlKey(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLEventObj::get_ctrlKey");
    }
    STDMETHODIMP get_shiftKey(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLEventObj::get_shiftKey");
    }
    STDMETHODIMP put_returnValue(VARIANT) override {
        return Unimplemented("IHTMLEventObj::put_returnValue");
    }
    STDMETHODIMP get_returnValue(VARIANT*) override {
        return Unimplemented("IHTMLEventObj::get_returnValue");
    }
    STDMETHODIMP put_cancelBubble(VARIANT_BOOL) override {
        return Unimplemented("IHTMLEventObj::put_cancelBubble");
    }
    STDMETHODIMP get_cancelBubble(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLEventObj::get_cancelBubble");
    }
    STDMETHODIMP get_fromElement(IHTMLElement**) override {
        return Unimplemented("IHTMLEventObj::get_fromElement");
    }
    STDMETHODIMP get_toElement(IHTMLElement**) override {
        return Unimplemented("IHTMLEventObj::get_toElement");
    }
    STDMETHODIMP put_keyCode(LONG) override { return Unimplemented("IHTMLEventObj::put_keyCode"); }
    STDMETHODIMP get_keyCode(LONG*) override { return Unimplemented("IHTMLEventObj::get_keyCode"); }
    STDMETHODIMP get_button(LONG*) override { return Unimplemented("IHTMLEventObj::get_button"); }
    STDMETHODIMP get_type(BSTR*) override { return Unimplemented("IHTMLEventObj::get_type"); }
    STDMETHODIMP get_qualifier(BSTR*) override {
        return Unimplemented("IHTMLEventObj::get_qualifier");
    }
    STDMETHODIMP get_reason(LONG*) override { return Unimplemented("IHTMLEventObj::get_reason"); }
    STDMETHODIMP get_x(LONG*) override { return Unimplemented("IHTMLEventObj::get_x"); }
    STDMETHODIMP get_y(LONG*) override { return Unimplemented("IHTMLEventObj::get_y"); }
    STDMETHODIMP get_clientX(LONG*) override { return Unimplemented("IHTMLEventObj::get_clientX"); }
    STDMETHODIMP get_clientY(LONG*) override { return Unimplemented("IHTMLEventObj::get_clientY"); }
    STDMETHODIMP get_offsetX(LONG*) override { return Unimplemented("IHTMLEventObj::get_offsetX"); }
    STDMETHODIMP get_offsetY(LONG*) override { return Unimplemented("IHTMLEventObj::get_offsetY"); }
    STDMETHODIMP get_screenX(LONG*) override { return Unimplemented("IHTMLEventObj::get_screenX"); }
    STDMETHODIMP get_screenY(LONG*) override { return Unimplemented("IHTMLEventObj::get_screenY"); }
    STDMETHODIMP get_srcFilter(IDispatch**) override {
        return Unimplemented("IHTMLEventObj::get_srcFilter");
    }
};

} // namespace standin
