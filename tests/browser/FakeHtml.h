// Small fakes of the HTML object model for the click sink: elements with a tag,
// an optional href and a parent, and the event object that names the clicked
// one. Every fake counts itself, so a test can see that no reference leaks.
#pragma once

#include "tests/browser/HtmlStubs.h"

#include <string>

namespace test {

class FakeElement final : public IHTMLElementStub {
public:
    // Starts with one reference, the caller's; takes over the caller's
    // reference to the parent.
    FakeElement(const wchar_t* tag, FakeElement* parent = nullptr);
    FakeElement(const FakeElement&) = delete;
    FakeElement& operator=(const FakeElement&) = delete;

    FakeElement* WithHref(const wchar_t* href);
    FakeElement* FailingParent();
    FakeElement* FailingTag();

    STDMETHODIMP QueryInterface(REFIID iid, void** result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP get_tagName(BSTR* tag) override;
    STDMETHODIMP getAttribute(BSTR name, LONG flags, VARIANT* value) override;
    STDMETHODIMP get_parentElement(IHTMLElement** parent) override;

    // Flags of the last attribute read; -1 before any.
    LONG lastAttributeFlags = -1;

private:
    ~FakeElement();

    LONG refs_ = 1;
    std::wstring tag_;
    std::wstring href_;
    bool hasHref_ = false;
    bool failParent_ = false;
    bool failTag_ = false;
    FakeElement* parent_;
};

class FakeEvent final : public IHTMLEventObjStub {
public:
    // Takes over the caller's reference to the source element.
    explicit FakeEvent(FakeElement* source);
    FakeEvent(const FakeEvent&) = delete;
    FakeEvent& operator=(const FakeEvent&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP get_srcElement(IHTMLElement** element) override;

private:
    ~FakeEvent();

    LONG refs_ = 1;
    FakeElement* source_;
};

// Fakes alive in the process.
int LiveFakes();

} // namespace test
