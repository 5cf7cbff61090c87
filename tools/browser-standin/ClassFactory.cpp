// The DLL's COM entry points: a class factory for CLSID_WebBrowser and the
// unload test.
#include "BrowserControl.h"
#include "Log.h"
#include "Module.h"

#include <exdisp.h>

namespace standin {
namespace {

// Static and never deleted; it keeps the DLL loaded only through LockServer.
class ClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
            return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return BrowserControl::Create(iid, out);
    }

    STDMETHODIMP LockServer(BOOL lock) override {
        LockModule(lock != FALSE);
        return S_OK;
    }
};

ClassFactory g_factory;

} // namespace
} // namespace standin

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    standin::LogLine(L"dll", L"call", L"DllGetClassObject")
        .Add(L"clsid", standin::GuidText(clsid))
        .Write();
    if (!IsEqualCLSID(clsid, CLSID_WebBrowser))
        return CLASS_E_CLASSNOTAVAILABLE;
    return standin::g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return standin::LiveObjectCount() == 0 && !standin::ModuleLocked() ? S_OK : S_FALSE;
}
