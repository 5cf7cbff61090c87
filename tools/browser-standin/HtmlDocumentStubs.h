// IHTMLDocument2 with every method answering "not implemented" through
// Unimplemented; the document overrides what the stand-in models.
#pragma once

#include <mshtml.h>

#include "DispatchStubs.h"

namespace standin {

class HtmlDocumentStubs : public DispatchStubs<IHTMLDocument2> {
public:
    // IHTMLDocument
    STDMETHODIMP get_Script(IDispatch**) override {
        return Unimplemented("IHTMLDocument::get_Script");
    }
    // IHTMLDocument2
    STDMETHODIMP get_all(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_all");
    }
    STDMETHODIMP get_body(IHTMLElement**) override {
        return Unimplemented("IHTMLDocument2::get_body");
    }
    STDMETHODIMP get_activeElement(IHTMLElement**) override {
        return Unimplemented("IHTMLDocument2::get_activeElement");
    }
    STDMETHODIMP get_images(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_images");
    }
    STDMETHODIMP get_applets(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_applets");
    }
    STDMETHODIMP get_links(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_links");
    }
    STDMETHODIMP get_forms(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_forms");
    }
    STDMETHODIMP get_anchors(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_anchors");
    }
    STDMETHODIMP put_title(BSTR) override { return Unimplemented("IHTMLDocument2::put_title"); }
    STDMETHODIMP get_title(BSTR*) override { return Unimplemented("IHTMLDocument2::get_title"); }
    STDMETHODIMP get_scripts(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_scripts");
    }
    STDMETHODIMP put_designMode(BSTR) override {
        return Unimplemented("IHTMLDocument2::put_designMode");
    }
    STDMETHODIMP get_designMode(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_designMode");
    }
    STDMETHODIMP get_selection(IHTMLSelectionObject**) override {
        return Unimplemented("IHTMLDocument2::get_selection");
    }
    STDMETHODIMP get_readyState(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_readyState");
    }
    STDMETHODIMP get_frames(IHTMLFramesCollection2**) override {
        return Unimplemented("IHTMLDocument2::get_frames");
    }
    STDMETHODIMP get_embeds(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_embeds");
    }
    STDMETHODIMP get_plugins(IHTMLElementCollection**) override {
        return Unimplemented("IHTMLDocument2::get_plugins");
    }
    STDMETHODIMP put_alinkColor(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_alinkColor");
    }
    STDMETHODIMP get_alinkColor(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_alinkColor");
    }
    STDMETHODIMP put_bgColor(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_bgColor");
    }
    STDMETHODIMP get_bgColor(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_bgColor");
    }
    STDMETHODIMP put_fgColor(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_fgColor");
    }
    STDMETHODIMP get_fgColor(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_fgColor");
    }
    STDMETHODIMP put_linkColor(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_linkColor");
    }
    STDMETHODIMP get_linkColor(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_linkColor");
    }
    STDMETHODIMP put_vlinkColor(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_vlinkColor");
    }
    STDMETHODIMP get_vlinkColor(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_vlinkColor");
    }
    STDMETHODIMP get_referrer(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_referrer");
    }
    STDMETHODIMP get_location(IHTMLLocation**) override {
        return Unimplemented("IHTMLDocument2::get_location");
    }
    STDMETHODIMP get_lastModified(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_lastModified");
    }
    STDMETHODIMP put_URL(BSTR) override { return Unimplemented("IHTMLDocument2::put_URL"); }
    STDMETHODIMP get_URL(BSTR*) override { return Unimplemented("IHTMLDocument2::get_URL"); }
    STDMETHODIMP put_domain(BSTR) override { return Unimplemented("IHTMLDocument2::put_domain"); }
    STDMETHODIMP get_domain(BSTR*) override { return Unimplemented("IHTMLDocument2::get_domain"); }
    STDMETHODIMP put_cookie(BSTR) override { return Unimplemented("IHTMLDocument2::put_cookie"); }
    STDMETHODIMP get_cookie(BSTR*) override { return Unimplemented("IHTMLDocument2::get_cookie"); }
    STDMETHODIMP put_expando(VARIANT_BOOL) override {
        return Unimplemented("IHTMLDocument2::put_expando");
    }
    STDMETHODIMP get_expando(VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::get_expando");
    }
    STDMETHODIMP put_charset(BSTR) override { return Unimplemented("IHTMLDocument2::put_charset"); }
    STDMETHODIMP get_charset(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_charset");
    }
    STDMETHODIMP put_defaultCharset(BSTR) override {
        return Unimplemented("IHTMLDocument2::put_defaultCharset");
    }
    STDMETHODIMP get_defaultCharset(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_defaultCharset");
    }
    STDMETHODIMP get_mimeType(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_mimeType");
    }
    STDMETHODIMP get_fileSize(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_fileSize");
    }
    STDMETHODIMP get_fileCreatedDate(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_fileCreatedDate");
    }
    STDMETHODIMP get_fileModifiedDate(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_fileModifiedDate");
    }
    STDMETHODIMP get_fileUpdatedDate(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_fileUpdatedDate");
    }
    STDMETHODIMP get_security(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_security");
    }
    STDMETHODIMP get_protocol(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_protocol");
    }
    STDMETHODIMP get_nameProp(BSTR*) override {
        return Unimplemented("IHTMLDocument2::get_nameProp");
    }
    STDMETHODIMP write(SAFEARRAY*) override { return Unimplemented("IHTMLDocument2::write"); }
    STDMETHODIMP writeln(SAFEARRAY*) override { return Unimplemented("IHTMLDocument2::writeln"); }
    STDMETHODIMP open(BSTR, VARIANT, VARIANT, VARIANT, IDispatch**) override {
        return Unimplemented("IHTMLDocument2::open");
    }
    STDMETHODIMP close() override { return Unimplemented("IHTMLDocument2::close"); }
    STDMETHODIMP clear() override { return Unimplemented("IHTMLDocument2::clear"); }
    STDMETHODIMP queryCommandSupported(BSTR, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::queryCommandSupported");
    }
    STDMETHODIMP queryCommandEnabled(BSTR, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::queryCommandEnabled");
    }
    STDMETHODIMP queryCommandState(BSTR, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::queryCommandState");
    }
    STDMETHODIMP queryCommandIndeterm(BSTR, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::queryCommandIndeterm");
    }
    STDMETHODIMP queryCommandText(BSTR, BSTR*) override {
        return Unimplemented("IHTMLDocument2::queryCommandText");
    }
    STDMETHODIMP queryCommandValue(BSTR, VARIANT*) override {
        return Unimplemented("IHTMLDocument2::queryCommandValue");
    }
    STDMETHODIMP execCommand(BSTR, VARIANT_BOOL, VARIANT, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::execCommand");
    }
    STDMETHODIMP execCommandShowHelp(BSTR, VARIANT_BOOL*) override {
        return Unimplemented("IHTMLDocument2::execCommandShowHelp");
    }
    STDMETHODIMP createElement(BSTR, IHTMLElement**) override {
        return Unimplemented("IHTMLDocument2::createElement");
    }
    STDMETHODIMP put_onhelp(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onhelp");
    }
    STDMETHODIMP get_onhelp(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onhelp");
    }
    STDMETHODIMP put_onclick(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onclick");
    }
    STDMETHODIMP get_onclick(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onclick");
    }
    STDMETHODIMP put_ondblclick(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_ondblclick");
    }
    STDMETHODIMP get_ondblclick(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_ondblclick");
    }
    STDMETHODIMP put_onkeyup(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onkeyup");
    }
    STDMETHODIMP get_onkeyup(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onkeyup");
    }
    STDMETHODIMP put_onkeydown(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onkeydown");
    }
    STDMETHODIMP get_onkeydown(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onkeydown");
    }
    STDMETHODIMP put_onkeypress(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onkeypress");
    }
    STDMETHODIMP get_onkeypress(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onkeypress");
    }
    STDMETHODIMP put_onmouseup(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onmouseup");
    }
    STDMETHODIMP get_onmouseup(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onmouseup");
    }
    STDMETHODIMP put_onmousedown(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onmousedown");
    }
    STDMETHODIMP get_onmousedown(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onmousedown");
    }
    STDMETHODIMP put_onmousemove(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onmousemove");
    }
    STDMETHODIMP get_onmousemove(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onmousemove");
    }
    STDMETHODIMP put_onmouseout(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onmouseout");
    }
    STDMETHODIMP get_onmouseout(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onmouseout");
    }
    STDMETHODIMP put_onmouseover(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onmouseover");
    }
    STDMETHODIMP get_onmouseover(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onmouseover");
    }
    STDMETHODIMP put_onreadystatechange(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onreadystatechange");
    }
    STDMETHODIMP get_onreadystatechange(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onreadystatechange");
    }
    STDMETHODIMP put_onafterupdate(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onafterupdate");
    }
    STDMETHODIMP get_onafterupdate(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onafterupdate");
    }
    STDMETHODIMP put_onrowexit(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onrowexit");
    }
    STDMETHODIMP get_onrowexit(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onrowexit");
    }
    STDMETHODIMP put_onrowenter(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onrowenter");
    }
    STDMETHODIMP get_onrowenter(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onrowenter");
    }
    STDMETHODIMP put_ondragstart(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_ondragstart");
    }
    STDMETHODIMP get_ondragstart(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_ondragstart");
    }
    STDMETHODIMP put_onselectstart(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onselectstart");
    }
    STDMETHODIMP get_onselectstart(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onselectstart");
    }
    STDMETHODIMP elementFromPoint(LONG, LONG, IHTMLElement**) override {
        return Unimplemented("IHTMLDocument2::elementFromPoint");
    }
    STDMETHODIMP get_parentWindow(IHTMLWindow2**) override {
        return Unimplemented("IHTMLDocument2::get_parentWindow");
    }
    STDMETHODIMP get_styleSheets(IHTMLStyleSheetsCollection**) override {
        return Unimplemented("IHTMLDocument2::get_styleSheets");
    }
    STDMETHODIMP put_onbeforeupdate(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onbeforeupdate");
    }
    STDMETHODIMP get_onbeforeupdate(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onbeforeupdate");
    }
    STDMETHODIMP put_onerrorupdate(VARIANT) override {
        return Unimplemented("IHTMLDocument2::put_onerrorupdate");
    }
    STDMETHODIMP get_onerrorupdate(VARIANT*) override {
        return Unimplemented("IHTMLDocument2::get_onerrorupdate");
    }
    STDMETHODIMP toString(BSTR*) override { return Unimplemented("IHTMLDocument2::toString"); }
    STDMETHODIMP createStyleSheet(BSTR, LONG, IHTMLStyleSheet**) override {
        return Unimplemented("IHTMLDocument2::createStyleSheet");
    }
};

} // namespace standin
