// Event sinks of the self-test. They check the shape of every event's
// parameters as a host's dispatch code would read them and record what
// arrived, when and where.
#pragma once

#include "ComValues.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace selftest {

using standin::ComPtr;

// Set by the tests around calls into the control, to tell events raised
// inside a call from events raised later by the message loop.
extern bool g_insideCall;

struct BrowserEvent {
    DISPID dispid = 0;
    std::wstring url;
    std::wstring context; // NewWindow3's bstrUrlContext
    bool top = false;     // raised for the control itself, not a frame
    bool insideCall = false;
    bool shapeOk = false;
    DWORD thread = 0;
};

class BrowserSink final : public IDispatch {
public:
    BrowserSink() = default;
    BrowserSink(const BrowserSink&) = delete;
    BrowserSink& operator=(const BrowserSink&) = delete;

    // The control's IUnknown, to tell its events from a frame's.
    IUnknown* control = nullptr;
    // Navigations to addresses containing this text are cancelled, and so are new windows.
    std::wstring cancelContaining;
    bool cancelNewWindows = false;
    // Called after each event is recorded, still inside the control's call.
    std::function<void(const BrowserEvent&)> onEvent;
    std::vector<BrowserEvent> events;

    LONG Refs() const { return refs_; }
    int Count(DISPID dispid, const std::wstring& url) const;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override { return InterlockedDecrement(&refs_); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    bool IsControl(IDispatch* source) const;

    LONG refs_ = 1;
};

struct Click {
    std::wstring chain;    // tag names from the clicked element outwards
    std::wstring linkHref; // href of the first "a" or "A" element, if any
    bool linkFound = false;
    std::wstring type;
    std::vector<std::wstring> hrefs; // getAttribute("href") per element, "<null>" if absent
};

class ClickSink final : public IDispatch {
public:
    ClickSink() = default;
    ClickSink(const ClickSink&) = delete;
    ClickSink& operator=(const ClickSink&) = delete;

    std::vector<Click> clicks;
    int badCalls = 0;

    LONG Refs() const { return refs_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override { return InterlockedDecrement(&refs_); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    LONG refs_ = 1;
};

} // namespace selftest
