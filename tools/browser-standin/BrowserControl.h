// The scripted stand-in for the WebBrowser control: one object carrying the
// interfaces a host uses to embed the control (OLE object, in-place object,
// persistence, ambient-property control), the browser interface itself, the
// shell-browser service that leads to its windows and the DWebBrowserEvents2
// source. Navigations follow the script (Script.h) instead of loading pages.
//
// Methods are defined in several files by concern: BrowserControl.cpp
// (identity, services, events, persistence), BrowserOleObject.cpp,
// BrowserInPlace.cpp, BrowserWeb.cpp (IWebBrowser2) and BrowserNavigation.cpp.
#pragma once

#include "ComValues.h"
#include "ConnectionPoint.h"
#include "HtmlDocument.h"
#include "Module.h"
#include "Script.h"
#include "ServerWindow.h"
#include "Timeline.h"
#include "WebBrowserStubs.h"

#include <ocidl.h>
#include <oleidl.h>
#include <servprov.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace standin {

class BrowserControl final : public WebBrowserStubs,
                             public IOleObject,
                             public IOleInPlaceObject,
                             public IOleInPlaceActiveObject,
                             public IOleControl,
                             public IPersistStreamInit,
                             public IPersistStorage,
                             public IServiceProvider,
                             public IConnectionPointContainer,
                             public IProvideClassInfo2 {
public:
    static HRESULT Create(REFIID iid, void** out);

    HRESULT Unimplemented(const char* method) override;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IWebBrowser2 (BrowserWeb.cpp)
    STDMETHODIMP Navigate(BSTR url, VARIANT* flags, VARIANT* target, VARIANT* postData,
                          VARIANT* headers) override;
    STDMETHODIMP Navigate2(VARIANT* url, VARIANT* flags, VARIANT* target, VARIANT* postData,
                           VARIANT* headers) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP Refresh2(VARIANT* level) override;
    STDMETHODIMP Stop() override;
    STDMETHODIMP get_Application(IDispatch** out) override;
    STDMETHODIMP get_Document(IDispatch** out) override;
    STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL* out) override;
    STDMETHODIMP get_LocationName(BSTR* out) override;
    STDMETHODIMP get_LocationURL(BSTR* out) override;
    STDMETHODIMP get_Busy(VARIANT_BOOL* out) override;
    STDMETHODIMP get_HWND(SHANDLE_PTR* out) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* out) override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) override;
    STDMETHODIMP get_ReadyState(READYSTATE* out) override;
    STDMETHODIMP get_Silent(VARIANT_BOOL* out) override;
    STDMETHODIMP put_Silent(VARIANT_BOOL value) override;
    STDMETHODIMP get_RegisterAsDropTarget(VARIANT_BOOL* out) override;
    STDMETHODIMP put_RegisterAsDropTarget(VARIANT_BOOL value) override;

    // IOleObject (BrowserOleObject.cpp)
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** out) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** out) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** out) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT rect) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** out) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* out) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* out) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** out) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleControl (BrowserOleObject.cpp)
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject (BrowserInPlace.cpp)
    STDMETHODIMP GetWindow(HWND* out) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    STDMETHODIMP TranslateAccelerator(MSG* message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IPersist, IPersistStreamInit, IPersistStorage
    STDMETHODIMP GetClassID(CLSID* out) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream* stream) override;
    STDMETHODIMP Save(IStream* stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;

    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID iid, void** out) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    // IProvideClassInfo, IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** out) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* out) override;

private:
    BrowserControl();
    ~BrowserControl();

    IDispatch* Self() { return static_cast<IWebBrowser2*>(this); }

    // BrowserInPlace.cpp
    HRESULT ActivateInPlace(IOleClientSite* activeSite);
    HRESULT ActivateUi();
    void ReportHostInfo();

    // BrowserNavigation.cpp
    HRESULT StartNavigation(const std::wstring& url, const wchar_t* origin);
    void ReplacePage(const std::wstring& url, std::vector<Step> steps);
    void BeginPage(const std::wstring& url, std::vector<Step> steps);
    void RunSteps(unsigned generation);
    void RunStep(const Step& step, unsigned generation);
    void RunFrame(const std::wstring& url, unsigned generation);
    void RunRedirect(const std::wstring& url, unsigned generation);
    void RunNewWindow(const std::wstring& url);
    void Schedule(unsigned delayMs, std::function<void()> action);
    bool Current(unsigned generation) const { return generation == generation_ && !closed_; }
    void ShowState(const wchar_t* state);

    LiveObject live_;
    LONG refs_ = 1;
    const int id_;
    Script script_;
    Timeline timeline_;
    std::shared_ptr<ServerWindow> window_;
    ConnectionPoint events2_;
    ConnectionPoint events1_;

    ComPtr<IOleClientSite> site_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleInPlaceFrame> frame_;
    ComPtr<IOleInPlaceUIWindow> uiWindow_;
    ComPtr<IOleAdviseHolder> adviseHolder_;
    // The flags of the host's GetHostInfo answer; 0 before activation or
    // when the host has no answer.
    DWORD hostFlags_ = 0;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    bool closed_ = false;
    SIZEL extent_{};
    RECT rect_{};

    std::wstring url_;
    ComPtr<HtmlDocument> document_;
    bool complete_ = false;
    std::vector<Step> steps_;
    size_t nextStep_ = 0;
    // Bumped whenever a new page replaces the current one, so steps and
    // timers of the old page stop.
    unsigned generation_ = 0;

    bool visible_ = true;
    bool silent_ = false;
    bool dropTarget_ = true;
};

} // namespace standin
