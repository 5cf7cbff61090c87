// The elements of a scripted click and the event object that carries them:
// enough of the document object model for a click handler to walk from the
// clicked element up through its parents, reading tag names and attributes.
#pragma once

#include "ComValues.h"
#include "HtmlElementStubs.h"
#include "HtmlEventObjStubs.h"
#include "Module.h"
#include "Script.h"

#include <string>
#include <utility>
#include <vector>

namespace standin {

class HtmlElement final : public HtmlElementStubs {
public:
    // Builds chain[index] with its parents; chain must not be empty.
    static ComPtr<HtmlElement> FromChain(const std::vector<ElementDescription>& chain, size_t index,
                                         int controlId);

    HRESULT Unimplemented(const char* method) override;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP getAttribute(BSTR name, LONG flags, VARIANT* value) override;
    STDMETHODIMP get_className(BSTR* out) override;
    STDMETHODIMP get_id(BSTR* out) override;
    STDMETHODIMP get_tagName(BSTR* out) override;
    STDMETHODIMP get_parentElement(IHTMLElement** out) override;

private:
    HtmlElement(const ElementDescription& description, ComPtr<HtmlElement> parent, int controlId);
    ~HtmlElement() = default;

    const std::wstring* FindAttribute(const std::wstring& name, bool matchCase) const;

    LiveObject live_;
    LONG refs_ = 1;
    ElementDescription description_;
    ComPtr<HtmlElement> parent_;
    int controlId_;
};

class ClickEvent final : public HtmlEventObjStubs {
public:
    ClickEvent(ComPtr<HtmlElement> source, int controlId);

    HRESULT Unimplemented(const char* method) override;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP get_srcElement(IHTMLElement** out) override;
    STDMETHODIMP get_type(BSTR* out) override;
    STDMETHODIMP put_returnValue(VARIANT value) override;
    STDMETHODIMP get_returnValue(VARIANT* out) override;
    STDMETHODIMP put_cancelBubble(VARIANT_BOOL value) override;
    STDMETHODIMP get_cancelBubble(VARIANT_BOOL* out) override;

    // What the handlers asked for, for the log line of the click.
    bool ReturnValueSet() const { return returnValueSet_; }
    bool ReturnValue() const { return returnValue_; }

private:
    ~ClickEvent() = default;

    LiveObject live_;
    LONG refs_ = 1;
    ComPtr<HtmlElement> source_;
    int controlId_;
    bool returnValueSet_ = false;
    bool returnValue_ = true;
    bool cancelBubble_ = false;
};

} // namespace standin
