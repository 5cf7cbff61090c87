// A hand-written host for the system web-browser control inside an ordinary
// window: one object that is at once the control's event sink, client site,
// in-place site, in-place frame, document-host UI handler and the target of
// the document's host commands. Subclasses choose the host window and hear
// about navigations and finished documents.
//
// The object is created with new and deleted by its owner; its reference count
// only tracks what the control holds and never frees it. Deleting it closes
// the control and lets go of everything, so nothing reaches a deleted host.
#pragma once

#include "framework/BrowserControl.h"
#include "framework/Handles.h"

#include <windows.h>
#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <oleidl.h>

#include <string>

class CWebBrowserBase : public IDispatch,
                        public IOleClientSite,
                        public IOleInPlaceSite,
                        public IOleInPlaceFrame,
                        public IDocHostUIHandler,
                        public IOleCommandTarget {
public:
    CWebBrowserBase();
    CWebBrowserBase(const CWebBrowserBase&) = delete;
    CWebBrowserBase& operator=(const CWebBrowserBase&) = delete;

    // IUnknown, answered alike by all six tables
    STDMETHODIMP QueryInterface(REFIID iid, void** result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch: the DWebBrowserEvents2 sink
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override;

    // Hooks for subclasses, right after the dispatch methods in the primary
    // table. The window that hosts the control; the base has none.
    virtual HWND GetHostWindow();
    // Every finished document, top-level and frames alike.
    virtual void OnDocumentComplete(std::wstring url);
    // Before every navigation, top-level and frames alike; a non-zero *cancel
    // stops it.
    virtual void OnBeforeNavigate(std::wstring url, VARIANT_BOOL* cancel);

    virtual ~CWebBrowserBase();

    // Shows the control in place in the host window, once; false when there is
    // no control, activation fails or the browser's events cannot be had.
    bool InPlaceActivate();
    // The address is a variant holding a string; it is kept as Address().
    bool Navigate(const VARIANT& url);
    bool Navigate(const std::wstring& url);
    // Moves the control (an empty rectangle hides it). Before activation the
    // rectangle is only stored.
    bool SetControlRect(const RECT& rect);
    // The control's automation interface; not AddRef'd.
    IWebBrowser2* GetWebBrowser();
    // The control's document window ("Internet Explorer_Server"), the target
    // of forwarded keys; null until the control has one.
    HWND FindServerWindow();
    // Closes the control and releases everything it and the object held.
    // Also done on destruction; the object is inert afterwards.
    void Close();

    const RECT& ControlRect() const { return controlRect_; }
    const RECT& TargetRect() const { return targetRect_; }
    void SetTargetRect(const RECT& rect) { targetRect_ = rect; }
    const std::wstring& Address() const { return address_; }
    bool IsActivated() const { return activated_ != 0; }
    bool InPlacePermitted() const { return inPlacePermitted_ != 0; }
    bool HasControl() const { return control_.Exists(); }
    // References the control and others hold on this object.
    LONG RefCount() const { return refs_; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return S_OK; }

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return E_NOTIMPL; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModeless(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return E_NOTIMPL; }

    // IDocHostUIHandler: the host information is answered, and there is no
    // external object for scripts; every other call is declined so the
    // control keeps its own behaviour.
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
    STDMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                        IOleInPlaceUIWindow*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP HideUI() override { return E_NOTIMPL; }
    STDMETHODIMP UpdateUI() override { return E_NOTIMPL; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetOptionKeyPath(LPOLESTR*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetDropTarget(IDropTarget*, IDropTarget**) override { return E_NOTIMPL; }
    STDMETHODIMP GetExternal(IDispatch** external) override;
    STDMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP FilterDataObject(IDataObject*, IDataObject**) override { return E_NOTIMPL; }

    // IOleCommandTarget: script errors are taken as handled (HostCommands.h).
    // The document sends its commands without asking for their status first.
    STDMETHODIMP QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Exec(const GUID* group, DWORD id, DWORD, VARIANT*, VARIANT* out) override;

protected:
    // When set, the in-place interfaces (site, frame, UI window) are refused.
    // Activation clears it.
    bool inPlaceWithheld_ = false;

private:
    // The hook, kept from throwing into the control.
    HWND HostWindow() noexcept;
    RECT HostClientRect() noexcept;

    fw::OleInitializer ole_;
    LONG refs_ = 0;
    RECT controlRect_{};
    BYTE activated_ = 0;
    BYTE inPlacePermitted_ = 0;
    RECT targetRect_{};
    std::wstring address_;
    fw::BrowserControl control_;
};
