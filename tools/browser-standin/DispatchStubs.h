// The IDispatch part shared by the stub bases: no type information, and every
// other dispatch call answered "not implemented" through Unimplemented.
#pragma once

#include <oaidl.h>

namespace standin {

template <typename Interface> class DispatchStubs : public Interface {
public:
    // Notes the call in the log and returns E_NOTIMPL.
    virtual HRESULT Unimplemented(const char* method) = 0;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override {
        return Unimplemented("IDispatch::GetTypeInfo");
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return Unimplemented("IDispatch::GetIDsOfNames");
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return Unimplemented("IDispatch::Invoke");
    }
};

} // namespace standin
