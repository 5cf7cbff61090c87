// An event source for one dispatch interface: sinks connect through Advise
// with any object that answers IDispatch, and events reach them through
// IDispatch::Invoke in the order they connected.
#pragma once

#include "ComValues.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

namespace standin {

class ConnectionPoint final : public IConnectionPoint {
public:
    // The container owns the connection point and outlives it, so reference
    // counting is delegated to the container.
    ConnectionPoint(IConnectionPointContainer* container, REFIID events, int controlId,
                    const wchar_t* name);
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    ~ConnectionPoint();

    REFIID Events() const { return events_; }

    // Calls every connected sink with the same parameters, so a flag one sink
    // sets by reference is seen by the next. Returns the number of sinks called.
    int Invoke(DISPID dispid, DISPPARAMS* params);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IConnectionPoint
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

private:
    struct Sink {
        DWORD cookie;
        ComPtr<IDispatch> dispatch;
    };

    IConnectionPointContainer* container_;
    IID events_;
    int controlId_;
    std::wstring name_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

} // namespace standin
