// IHTMLElement with every method answering "not implemented" through
// Unimplemented; the scripted elements override what a click handler reads.
#pragma once

#include <mshtml.h>

#include "DispatchStubs.h"

namespace standin {

class HtmlElementStubs : public DispatchStubs<IHTMLElement> {
public:
    // IHTMLElement
    STDMETHODIMP setAttribute(BSTR, VARIANT, LONG) override {
        return Unimplemented("IHTMLElement::setAttribute");
    }
    STDMETHODIMP getAttribute(BSTR, LONG, VARIANT*) override {
        return Unimplemented("IHTMLElement::getAttribute");
    }
    STDMETHODIMP removeAttribute(BSTR, LONG, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLElement::removeAttribute");
    }
    STDMETHODIMP put_className(BSTR) override {
        return Unimplemented("IHTMLElement::put_className");
    }
    STDMETHODIMP get_className(BSTR*) override {
        return Unimplemented("IHTMLElement::get_className");
    }
    STDMETHODIMP put_id(BSTR) override { return Unimplemented("IHTMLElement::put_id"); }
    STDMETHODIMP get_id(BSTR*) override { return Unimplemented("IHTMLElement::get_id"); }
    STDMETHODIMP get_tagName(BSTR*) override { return Unimplemented("IHTMLElement::get_tagName"); }
    STDMETHODIMP get_parentElement(IHTMLElement**) override {
        return Unimplemented("IHTMLElement::get_parentElement");
    }
    STDMETHODIMP get_style(IHTMLStyle**) override {
        return Unimplemented("IHTMLElement::get_style");
    }
    STDMETHODIMP put_onhelp(VARIANT) override { return Unimplemented("IHTMLElement::put_onhelp"); }
    STDMETHODIMP get_onhelp(VARIANT*) override { return Unimplemented("IHTMLElement::get_onhelp"); }
    STDMETHODIMP put_onclick(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onclick");
    }
    STDMETHODIMP get_onclick(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onclick");
    }
    STDMETHODIMP put_ondblclick(VARIANT) override {
        return Unimplemented("IHTMLElement::put_ondblclick");
    }
    STDMETHODIMP get_ondblclick(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_ondblclick");
    }
    STDMETHODIMP put_onkeydown(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onkeydown");
    }
    STDMETHODIMP get_onkeydown(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onkeydown");
    }
    STDMETHODIMP put_onkeyup(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onkeyup");
    }
    STDMETHODIMP get_onkeyup(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onkeyup");
    }
    STDMETHODIMP put_onkeypress(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onkeypress");
    }
    STDMETHODIMP get_onkeypress(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onkeypress");
    }
    STDMETHODIMP put_onmouseout(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onmouseout");
    }
    STDMETHODIMP get_onmouseout(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onmouseout");
    }
    STDMETHODIMP put_onmouseover(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onmouseover");
    }
    STDMETHODIMP get_onmouseover(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onmouseover");
    }
    STDMETHODIMP put_onmousemove(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onmousemove");
    }
    STDMETHODIMP get_onmousemove(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onmousemove");
    }
    STDMETHODIMP put_onmousedown(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onmousedown");
    }
    STDMETHODIMP get_onmousedown(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onmousedown");
    }
    STDMETHODIMP put_onmouseup(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onmouseup");
    }
    STDMETHODIMP get_onmouseup(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onmouseup");
    }
    STDMETHODIMP get_document(IDispatch**) override {
        return Unimplemented("IHTMLElement::get_document");
    }
    STDMETHODIMP put_title(BSTR) override { return Unimplemented("IHTMLElement::put_title"); }
    STDMETHODIMP get_title(BSTR*) override { return Unimplemented("IHTMLElement::get_title"); }
    STDMETHODIMP put_language(BSTR) override { return Unimplemented("IHTMLElement::put_language"); }
    STDMETHODIMP get_language(BSTR*) override {
        return Unimplemented("IHTMLElement::get_language");
    }
    STDMETHODIMP put_onselectstart(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onselectstart");
    }
    STDMETHODIMP get_onselectstart(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onselectstart");
    }
    STDMETHODIMP scrollIntoView(VARIANT) override {
        return Unimplemented("IHTMLElement::scrollIntoView");
    }
    STDMETHODIMP contains(IHTMLElement*, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLElement::contains");
    }
    STDMETHODIMP get_sourceIndex(LONG*) override {
        return Unimplemented("IHTMLElement::get_sourceIndex");
    }
    STDMETHODIMP get_recordNumber(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_recordNumber");
    }
    STDMETHODIMP put_lang(BSTR) override { return Unimplemented("IHTMLElement::put_lang"); }
    STDMETHODIMP get_lang(BSTR*) override { return Unimplemented("IHTMLElement::get_lang"); }
    STDMETHODIMP get_offsetLeft(LONG*) override {
        return Unimplemented("IHTMLElement::get_offsetLeft");
    }
    STDMETHODIMP get_offsetTop(LONG*) override {
        return Unimplemented("IHTMLElement::get_offsetTop");
    }
    STDMETHODIMP get_offsetWidth(LONG*) override {
        return Unimplemented("IHTMLElement::get_offsetWidth");
    }
    STDMETHODIMP get_offsetHeight(LONG*) override {
        return Unimplemented("IHTMLElement::get_offsetHeight");
    }
    STDMETHODIMP get_offsetParent(IHTMLElement**) override {
        return Unimplemented("IHTMLElement::get_offsetParent");
    }
    STDMETHODIMP put_innerHTML(BSTR) override {
        return Unimplemented("IHTMLElement::put_innerHTML");
    }
    STDMETHODIMP get_innerHTML(BSTR*) override {
        return Unimplemented("IHTMLElement::get_innerHTML");
    }
    STDMETHODIMP put_innerText(BSTR) override {
        return Unimplemented("IHTMLElement::put_innerText");
    }
    STDMETHODIMP get_innerText(BSTR*) override {
        return Unimplemented("IHTMLElement::get_innerText");
    }
    STDMETHODIMP put_outerHTML(BSTR) override {
        return Unimplemented("IHTMLElement::put_outerHTML");
    }
    STDMETHODIMP get_outerHTML(BSTR*) override {
        return Unimplemented("IHTMLElement::get_outerHTML");
    }
    STDMETHODIMP put_outerText(BSTR) override {
        return Unimplemented("IHTMLElement::put_outerText");
    }
    STDMETHODIMP get_outerText(BSTR*) override {
        return Unimplemented("IHTMLElement::get_outerText");
    }
    STDMETHODIMP insertAdjacentHTML(BSTR, BSTR) override {
        return Unimplemented("IHTMLElement::insertAdjacentHTML");
    }
    STDMETHODIMP insertAdjacentText(BSTR, BSTR) override {
        return Unimplemented("IHTMLElement::insertAdjacentText");
    }
    STDMETHODIMP get_parentTextEdit(IHTMLElement**) override {
        return Unimplemented("IHTMLElement::get_parentTextEdit");
    }
    STDMETHODIMP get_isTextEdit(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLElement::get_isTextEdit");
    }
    STDMETHODIMP click() override { return Unimplemented("IHTMLElement::click"); }
    STDMETHODIMP get_filters(IHTMLFiltersCollection**) override {
        return Unimplemented("IHTMLElement::get_filters");
    }
    STDMETHODIMP put_ondragstart(VARIANT) override {
        return Unimplemented("IHTMLElement::put_ondragstart");
    }
    STDMETHODIMP get_ondragstart(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_ondragstart");
    }
    STDMETHODIMP toString(BSTR*) override { return Unimplemented("IHTMLElement::toString"); }
    STDMETHODIMP put_onbeforeupdate(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onbeforeupdate");
    }
    STDMETHODIMP get_onbeforeupdate(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onbeforeupdate");
    }
    STDMETHODIMP put_onafterupdate(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onafterupdate");
    }
    STDMETHODIMP get_onafterupdate(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onafterupdate");
    }
    STDMETHODIMP put_onerrorupdate(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onerrorupdate");
    }
    STDMETHODIMP get_onerrorupdate(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onerrorupdate");
    }
    STDMETHODIMP put_onrowexit(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onrowexit");
    }
    STDMETHODIMP get_onrowexit(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onrowexit");
    }
    STDMETHODIMP put_onrowenter(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onrowenter");
    }
    STDMETHODIMP get_onrowenter(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onrowenter");
    }
    STDMETHODIMP put_ondatasetchanged(VARIANT) override {
        return Unimplemented("IHTMLElement::put_ondatasetchanged");
    }
    STDMETHODIMP get_ondatasetchanged(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_ondatasetchanged");
    }
    STDMETHODIMP put_ondataavailable(VARIANT) override {
        return Unimplemented("IHTMLElement::put_ondataavailable");
    }
    STDMETHODIMP get_ondataavailable(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_ondataavailable");
    }
    STDMETHODIMP put_ondatasetcomplete(VARIANT) override {
        return Unimplemented("IHTMLElement::put_ondatasetcomplete");
    }
    STDMETHODIMP get_ondatasetcomplete(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_ondatasetcomplete");
    }
    STDMETHODIMP put_onfilterchange(VARIANT) override {
        return Unimplemented("IHTMLElement::put_onfilterchange");
    }
    STDMETHODIMP get_onfilterchange(VARIANT*) override {
        return Unimplemented("IHTMLElement::get_onfilterchange");
    }
    STDMETHODIMP get_children(IDispatch**) override {
        return Unimplemented("IHTMLElement::get_children");
    }
    STDMETHODIMP get_all(IDispatch**) override { return Unimplemented("IHTMLElement::get_all"); }
};

} // namespace standin
