#include "tests/browser/FakeHtml.h"

namespace test {

namespace {

int g_live = 0;

} // namespace

int LiveFakes() {
    return g_live;
}

FakeElement::FakeElement(const wchar_t* tag, FakeElement* parent) : tag_(tag), parent_(parent) {
    ++g_live;
}

FakeElement::~FakeElement() {
    if (parent_)
        parent_->Release();
    --g_live;
}

FakeElement* FakeElement::WithHref(const wchar_t* href) {
    href_ = href;
    hasHref_ = true;
    return this;
}

FakeElement* FakeElement::FailingParent() {
    failParent_ = true;
    return this;
}

FakeElement* FakeElement::FailingTag() {
    failTag_ = true;
    return this;
}

STDMETHODIMP FakeElement::QueryInterface(REFIID iid, void** result) {
    *result = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IHTMLElement)
        return E_NOINTERFACE;
    *result = static_cast<IHTMLElement*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) FakeElement::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) FakeElement::Release() {
    LONG refs = --refs_;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP FakeElement::get_tagName(BSTR* tag) {
    if (failTag_)
        return E_FAIL;
    *tag = SysAllocString(tag_.c_str());
    return S_OK;
}

STDMETHODIMP FakeElement::getAttribute(BSTR name, LONG flags, VARIANT* value) {
    lastAttributeFlags = flags;
    VariantInit(value);
    if (hasHref_ && name && std::wstring(name) == L"href") {
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocString(href_.c_str());
    } else {
        value->vt = VT_NULL;
    }
    return S_OK;
}

STDMETHODIMP FakeElement::get_parentElement(IHTMLElement** parent) {
    *parent = nullptr;
    if (failParent_)
        return E_FAIL;
    if (parent_) {
        parent_->AddRef();
        *parent = parent_;
    }
    return S_OK;
}

FakeEvent::FakeEvent(FakeElement* source) : source_(source) {
    ++g_live;
}

FakeEvent::~FakeEvent() {
    if (source_)
        source_->Release();
    --g_live;
}

STDMETHODIMP FakeEvent::QueryInterface(REFIID iid, void** result) {
    *result = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IHTMLEventObj)
        return E_NOINTERFACE;
    *result = static_cast<IHTMLEventObj*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) FakeEvent::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) FakeEvent::Release() {
    LONG refs = --refs_;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP FakeEvent::get_srcElement(IHTMLElement** element) {
    *element = source_;
    if (source_)
        source_->AddRef();
    return S_OK;
}

} // namespace test
