// Connection point with logging of every advise and unadvise, including the
// reference count the sink reports when the stand-in lets go of it: a host
// that has released its own references sees 0 there.
#include "ConnectionPoint.h"

#include "Log.h"

namespace standin {

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* container, REFIID events, int controlId,
                                 const wchar_t* name)
    : container_(container), events_(events), controlId_(controlId), name_(name) {
}

ConnectionPoint::~ConnectionPoint() {
    for (Sink& sink : sinks_) {
        ULONG refs = sink.dispatch.ReleaseCount();
        LogLine(SourceName(controlId_), L"call", L"sink-left")
            .Add(L"events", name_)
            .Add(L"cookie", static_cast<long long>(sink.cookie))
            .Add(L"refs-after", static_cast<long long>(refs))
            .Write();
    }
}

int ConnectionPoint::Invoke(DISPID dispid, DISPPARAMS* params) {
    // A sink may unadvise, or advise another, from inside its handler.
    std::vector<Sink> snapshot = sinks_;
    for (Sink& sink : snapshot) {
        Variant result;
        EXCEPINFO exception{};
        UINT badArgument = 0;
        sink.dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params,
                              result.Get(), &exception, &badArgument);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    return static_cast<int>(snapshot.size());
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() {
    return container_->AddRef();
}
STDMETHODIMP_(ULONG) ConnectionPoint::Release() {
    return container_->Release();
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid)
        return E_POINTER;
    *iid = events_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out)
        return E_POINTER;
    *out = container_;
    container_->AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    ComPtr<IDispatch> dispatch;
    if (sink)
        sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Receive()));
    LogLine line(SourceName(controlId_), L"call", L"advise");
    line.Add(L"events", name_);
    if (!dispatch) {
        line.Add(L"result", L"refused").Write();
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_.push_back(Sink{*cookie, dispatch});
    line.Add(L"cookie", static_cast<long long>(*cookie))
        .Add(L"sinks", static_cast<long long>(sinks_.size()))
        .Write();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    LogLine line(SourceName(controlId_), L"call", L"unadvise");
    line.Add(L"events", name_).Add(L"cookie", static_cast<long long>(cookie));
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            ComPtr<IDispatch> sink = std::move(it->dispatch);
            sinks_.erase(it);
            line.Add(L"refs-after", static_cast<long long>(sink.ReleaseCount()))
                .Add(L"sinks", static_cast<long long>(sinks_.size()))
                .Write();
            return S_OK;
        }
    }
    line.Add(L"result", L"unknown-cookie").Write();
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

} // namespace standin
