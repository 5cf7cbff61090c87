// Identity of the control (creation, interfaces, reference counting), its
// services and event sources, and the persistence interfaces hosts call while
// embedding it. The stand-in has no state to persist, so those succeed
// without doing anything.
#include "BrowserControl.h"

#include "Guids.h"
#include "Log.h"
#include "ScriptFile.h"

#include <exdisp.h>

namespace standin {
namespace {

int g_controlCount = 0;

} // namespace

HRESULT BrowserControl::Create(REFIID iid, void** out) {
    ComPtr<BrowserControl> control = ComPtr<BrowserControl>::Adopt(new BrowserControl());
    return control->QueryInterface(iid, out);
}

BrowserControl::BrowserControl()
    : id_(++g_controlCount), script_(LoadScriptFromEnvironment()),
      window_(std::make_shared<ServerWindow>(id_)),
      events2_(this, DIID_DWebBrowserEvents2, id_, L"DWebBrowserEvents2"),
      events1_(this, DIID_DWebBrowserEvents, id_, L"DWebBrowserEvents") {
    LogLine(SourceName(id_), L"call", L"create")
        .Add(L"pages", static_cast<long long>(script_.pages.size()))
        .Write();
    for (const std::wstring& problem : script_.problems)
        LogLine(SourceName(id_), L"script", L"problem").Add(L"text", problem).Write();
}

BrowserControl::~BrowserControl() {
    timeline_.CancelAll();
    LogLine(SourceName(id_), L"call", L"destroyed").Write();
    // A host that never closed the control leaves its site with it.
    if (site_) {
        ULONG refs = site_.ReleaseCount();
        LogLine(SourceName(id_), L"call", L"site-left")
            .Add(L"refs-after", static_cast<long long>(refs))
            .Write();
    }
}

HRESULT BrowserControl::Unimplemented(const char* method) {
    return LogUnimplemented(id_, method);
}

STDMETHODIMP BrowserControl::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
        IsEqualIID(iid, IID_IWebBrowser2))
        *out = static_cast<IWebBrowser2*>(this);
    else if (IsEqualIID(iid, IID_IOleObject))
        *out = static_cast<IOleObject*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
        *out = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
        *out = static_cast<IOleInPlaceActiveObject*>(this);
    else if (IsEqualIID(iid, IID_IOleControl))
        *out = static_cast<IOleControl*>(this);
    else if (IsEqualIID(iid, IID_IPersistStreamInit))
        *out = static_cast<IPersistStreamInit*>(this);
    else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStorage))
        *out = static_cast<IPersistStorage*>(this);
    else if (IsEqualIID(iid, IID_IServiceProvider))
        *out = static_cast<IServiceProvider*>(this);
    else if (IsEqualIID(iid, IID_IConnectionPointContainer))
        *out = static_cast<IConnectionPointContainer*>(this);
    else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2))
        *out = static_cast<IProvideClassInfo2*>(this);
    if (!*out) {
        LogLine(SourceName(id_), L"call", L"query-refused").Add(L"iid", GuidText(iid)).Write();
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserControl::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) BrowserControl::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP BrowserControl::GetClassID(CLSID* out) {
    if (!out)
        return E_POINTER;
    *out = CLSID_WebBrowser;
    return S_OK;
}

STDMETHODIMP BrowserControl::IsDirty() {
    return S_FALSE;
}
STDMETHODIMP BrowserControl::Load(IStream*) {
    return S_OK;
}
STDMETHODIMP BrowserControl::Save(IStream*, BOOL) {
    return S_OK;
}

STDMETHODIMP BrowserControl::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size)
        return E_POINTER;
    size->QuadPart = 0;
    return S_OK;
}

STDMETHODIMP BrowserControl::InitNew() {
    return S_OK;
}
STDMETHODIMP BrowserControl::InitNew(IStorage*) {
    return S_OK;
}
STDMETHODIMP BrowserControl::Load(IStorage*) {
    return S_OK;
}
STDMETHODIMP BrowserControl::Save(IStorage*, BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserControl::SaveCompleted(IStorage*) {
    return S_OK;
}
STDMETHODIMP BrowserControl::HandsOffStorage() {
    return S_OK;
}

STDMETHODIMP BrowserControl::QueryService(REFGUID service, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    LogLine line(SourceName(id_), L"call", L"QueryService");
    line.Add(L"service", GuidText(service)).Add(L"iid", GuidText(iid));
    // The shell-browser service is the window the host starts from when it
    // looks for the page's window among the first children.
    HRESULT hr = E_NOINTERFACE;
    if (IsEqualGUID(service, kSidShellBrowser) || IsEqualGUID(service, kSidWebBrowserApp))
        hr = QueryInterface(iid, out);
    line.Result(hr).Write();
    return hr;
}

STDMETHODIMP BrowserControl::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IConnectionPointContainer::EnumConnectionPoints");
}

STDMETHODIMP BrowserControl::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    ConnectionPoint* found = nullptr;
    if (IsEqualIID(iid, events2_.Events()))
        found = &events2_;
    else if (IsEqualIID(iid, events1_.Events()))
        found = &events1_;
    if (!found) {
        LogLine(SourceName(id_), L"call", L"find-connection-point")
            .Add(L"iid", GuidText(iid))
            .Add(L"result", L"none")
            .Write();
        return CONNECT_E_NOCONNECTION;
    }
    *out = found;
    found->AddRef();
    return S_OK;
}

STDMETHODIMP BrowserControl::GetClassInfo(ITypeInfo** out) {
    if (out)
        *out = nullptr;
    return Unimplemented("IProvideClassInfo::GetClassInfo");
}

STDMETHODIMP BrowserControl::GetGUID(DWORD kind, GUID* out) {
    if (!out)
        return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
        return E_INVALIDARG;
    *out = DIID_DWebBrowserEvents2;
    return S_OK;
}

} // namespace standin
