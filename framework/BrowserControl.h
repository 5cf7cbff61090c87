// The system web-browser control as a host window holds it: created on the
// host's client site, shown in place, its DWebBrowserEvents2 events sent to the
// host's sink, and closed in the order that keeps late events from the host.
// The hosts differ in their site answers and in what they make of each event;
// this is only what they do alike.
#pragma once

#include "framework/Handles.h"

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>

#include <string>

namespace fw {

class BrowserControl {
public:
    BrowserControl() = default;
    BrowserControl(const BrowserControl&) = delete;
    BrowserControl& operator=(const BrowserControl&) = delete;
    ~BrowserControl() { Close(); }

    // Creates the control on the given site; false (and nothing held) when
    // the system has none to give.
    bool Create(IOleClientSite* site);
    // Shows the control in place in the window; the rectangle may be
    // rewritten by the site during the call.
    bool Activate(IOleClientSite* site, HWND window, RECT* rect);
    // Connects the sink to the browser's events; false when they cannot be had.
    bool AdviseEvents(IDispatch* sink);
    // Moves the in-place control; false when it is not there or refuses.
    bool SetObjectRects(const RECT& rect);
    // Disconnects the events first, so that closing reports nothing more,
    // then closes the control and lets go of everything.
    void Close();

    bool Exists() const { return static_cast<bool>(control_); }
    IOleObject* Control() const { return control_.Get(); }
    // The automation interface, asked for when first wanted (a control may
    // give it only once in place) and kept; not AddRef'd.
    IWebBrowser2* Browser() const;

private:
    ComPtr<IConnectionPoint> EventsConnectionPoint();

    ComPtr<IStorage> storage_;
    ComPtr<IOleObject> control_;
    ComPtr<IOleInPlaceObject> inPlace_;
    mutable ComPtr<IWebBrowser2> browser_;
    DWORD eventsCookie_ = 0;
};

// The arguments of one browser event, by declared position. The references
// an event hands out for writing are never null: where the call lacks one,
// the write lands in a spare that nobody reads.
class BrowserEventArgs {
public:
    explicit BrowserEventArgs(const DISPPARAMS* params) : params_(params) {}

    // Whether the call carries at least count arguments.
    bool Has(UINT count) const;
    std::wstring String(UINT index) const;
    DWORD Flags(UINT index) const;
    VARIANT_BOOL* Cancel(UINT index);
    IDispatch** NewBrowser(UINT index);

private:
    const DISPPARAMS* params_;
    VARIANT_BOOL spareCancel_ = VARIANT_FALSE;
    IDispatch* spareBrowser_ = nullptr;
};

} // namespace fw
