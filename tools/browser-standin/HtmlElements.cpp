// Scripted elements and the click event.
#include "HtmlElements.h"

#include "Log.h"

namespace standin {
namespace {

template <class Object> HRESULT AnswerInterface(Object* self, void** out) {
    *out = static_cast<IDispatch*>(self);
    self->AddRef();
    return S_OK;
}

} // namespace

ComPtr<HtmlElement> HtmlElement::FromChain(const std::vector<ElementDescription>& chain,
                                           size_t index, int controlId) {
    ComPtr<HtmlElement> parent;
    if (index + 1 < chain.size())
        parent = FromChain(chain, index + 1, controlId);
    return ComPtr<HtmlElement>::Adopt(new HtmlElement(chain[index], parent, controlId));
}

HtmlElement::HtmlElement(const ElementDescription& description, ComPtr<HtmlElement> parent,
                         int controlId)
    : description_(description), parent_(std::move(parent)), controlId_(controlId) {
}

HRESULT HtmlElement::Unimplemented(const char* method) {
    return LogUnimplemented(controlId_, method);
}

STDMETHODIMP HtmlElement::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IHTMLElement))
        return AnswerInterface(this, out);
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) HtmlElement::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) HtmlElement::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

const std::wstring* HtmlElement::FindAttribute(const std::wstring& name, bool matchCase) const {
    for (const auto& attribute : description_.attributes) {
        bool same = matchCase ? attribute.first == name
                              : _wcsicmp(attribute.first.c_str(), name.c_str()) == 0;
        if (same)
            return &attribute.second;
    }
    return nullptr;
}

STDMETHODIMP HtmlElement::getAttribute(BSTR name, LONG flags, VARIANT* value) {
    if (!value)
        return E_POINTER;
    VariantInit(value);
    // Flag 1 asks for a case-sensitive name; without it the name matches in any case.
    const std::wstring* found =
        FindAttribute(name ? std::wstring(name, SysStringLen(name)) : L"", (flags & 1) != 0);
    if (!found) {
        V_VT(value) = VT_NULL;
        return S_OK;
    }
    V_VT(value) = VT_BSTR;
    return ReturnString(*found, &V_BSTR(value));
}

STDMETHODIMP HtmlElement::get_className(BSTR* out) {
    const std::wstring* found = FindAttribute(L"class", false);
    return ReturnString(found ? *found : L"", out);
}

STDMETHODIMP HtmlElement::get_id(BSTR* out) {
    const std::wstring* found = FindAttribute(L"id", false);
    return ReturnString(found ? *found : L"", out);
}

STDMETHODIMP HtmlElement::get_tagName(BSTR* out) {
    return ReturnString(description_.tag, out);
}

STDMETHODIMP HtmlElement::get_parentElement(IHTMLElement** out) {
    if (!out)
        return E_POINTER;
    // The outermost element of the chain has no parent, as the document's root.
    *out = parent_.Get();
    if (*out)
        (*out)->AddRef();
    return S_OK;
}

ClickEvent::ClickEvent(ComPtr<HtmlElement> source, int controlId)
    : source_(std::move(source)), controlId_(controlId) {
}

HRESULT ClickEvent::Unimplemented(const char* method) {
    return LogUnimplemented(controlId_, method);
}

STDMETHODIMP ClickEvent::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IHTMLEventObj))
        return AnswerInterface(this, out);
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClickEvent::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) ClickEvent::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP ClickEvent::get_srcElement(IHTMLElement** out) {
    if (!out)
        return E_POINTER;
    *out = source_.Get();
    if (*out)
        (*out)->AddRef();
    return S_OK;
}

STDMETHODIMP ClickEvent::get_type(BSTR* out) {
    return ReturnString(L"click", out);
}

STDMETHODIMP ClickEvent::put_returnValue(VARIANT value) {
    Variant converted;
    returnValueSet_ = true;
    returnValue_ = SUCCEEDED(VariantChangeType(converted.Get(), &value, 0, VT_BOOL)) &&
                   V_BOOL(converted.Get()) != VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP ClickEvent::get_returnValue(VARIANT* out) {
    if (!out)
        return E_POINTER;
    VariantInit(out);
    if (returnValueSet_) {
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = returnValue_ ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
}

STDMETHODIMP ClickEvent::put_cancelBubble(VARIANT_BOOL value) {
    cancelBubble_ = value != VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP ClickEvent::get_cancelBubble(VARIANT_BOOL* out) {
    if (!out)
        return E_POINTER;
    *out = cancelBubble_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

} // namespace standin
