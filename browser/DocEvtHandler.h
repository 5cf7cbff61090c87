// The click sink that the HTML view connects to every finished document: on a
// click it finds the enclosing link and writes its address to the debugger
// output. It changes nothing in the page.
#pragma once

#include <windows.h>
#include <oaidl.h>

// Automation object with one method, the click (dispatch id -600, named
// "HTMLELEMENTEVENTS2_ONCLICK", one dispatch argument: the event object).
// Created with one reference, its creator's; it frees itself with the last.
struct SDocEvtHandler final : public IDispatch {
public:
    SDocEvtHandler() = default;
    SDocEvtHandler(const SDocEvtHandler&) = delete;
    SDocEvtHandler& operator=(const SDocEvtHandler&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

    // The walk from the event's source element up to the nearest link, whose
    // address goes to the debugger output.
    void OnClick(IDispatch* eventObject);

private:
    ~SDocEvtHandler() = default;

    LONG refs_ = 1;
};
