// CWebBrowserBase with a scripted control in place of the system browser: a
// class object registered for the browser's class in this process answers
// the host's OleCreate, so activation and placement can be made to fail.
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/RecordingHost.h"

#include <exdisp.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using test::RecordingHost;

// The control as the host sees it: IOleObject, IPersistStorage for OleCreate's
// InitNew, and IOleInPlaceObject for placement. It records the calls that
// matter here and answers them as told. It lives in the test fixture; its
// count never frees it.
class FakeControl : public IOleObject, public IPersistStorage, public IOleInPlaceObject {
public:
    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** result) override {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleObject)
            *result = static_cast<IOleObject*>(this);
        else if (iid == IID_IPersist || iid == IID_IPersistStorage)
            *result = static_cast<IPersistStorage*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
            *result = static_cast<IOleInPlaceObject*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* newSite) override {
        if (newSite)
            newSite->AddRef();
        if (site)
            site->Release();
        site = newSite;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override {
        ++closes;
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    // Like the real control, asks the site whether it may go in place first.
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND parent,
                        LPCRECT) override {
        verbs.push_back(verb);
        verbParent = parent;
        IOleInPlaceSite* inPlaceSite = nullptr;
        if (activeSite && SUCCEEDED(activeSite->QueryInterface(
                              IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite)))) {
            siteAnswer = inPlaceSite->CanInPlaceActivate();
            inPlaceSite->Release();
        }
        return doVerbResult;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override {
        extentAspects.push_back(aspect);
        extents.push_back(size ? *size : SIZEL{-1, -1});
        return setExtentResult;
    }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override {
        if (status)
            *status = 0;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IPersistStorage
    STDMETHODIMP GetClassID(CLSID* id) override {
        if (!id)
            return E_POINTER;
        *id = CLSID_WebBrowser;
        return S_OK;
    }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP InitNew(IStorage*) override { return S_OK; }
    STDMETHODIMP Load(IStorage*) override { return E_NOTIMPL; }
    STDMETHODIMP Save(IStorage*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP SaveCompleted(IStorage*) override { return S_OK; }
    STDMETHODIMP HandsOffStorage() override { return S_OK; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT) override {
        objectRects.push_back(position ? *position : RECT{-1, -1, -1, -1});
        return setObjectRectsResult;
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // What the test sets.
    HRESULT doVerbResult = S_OK;
    HRESULT setExtentResult = S_OK;
    HRESULT setObjectRectsResult = S_OK;

    // What the host did.
    LONG refs = 0;
    IOleClientSite* site = nullptr;
    std::vector<LONG> verbs;
    HWND verbParent = nullptr;
    HRESULT siteAnswer = E_UNEXPECTED; // CanInPlaceActivate, asked during DoVerb
    std::vector<DWORD> extentAspects;
    std::vector<SIZEL> extents;
    std::vector<RECT> objectRects;
    int closes = 0;
};

// Hands out the one fake control and counts how often it was asked.
class FakeControlFactory : public IClassFactory {
public:
    explicit FakeControlFactory(FakeControl& control) : control_(control) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** result) override {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory)
            return E_NOINTERFACE;
        *result = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** result) override {
        if (result)
            *result = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        ++created;
        return control_.QueryInterface(iid, result);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

    int created = 0;

private:
    FakeControl& control_;
    LONG refs_ = 0;
};

bool SameRect(const RECT& expected, const RECT& actual) {
    return EqualRect(&expected, &actual) != FALSE;
}

class WebBrowserFakeControl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        oleStarted_ = true;
        ASSERT_EQ(S_OK,
                  CoRegisterClassObject(CLSID_WebBrowser, static_cast<IClassFactory*>(&factory),
                                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
    }

    void TearDown() override {
        if (cookie_)
            CoRevokeClassObject(cookie_);
        if (oleStarted_)
            OleUninitialize();
    }

    // A host over the fake; fails the test when the host got anything else.
    void ExpectFakeInUse(RecordingHost& host) {
        ASSERT_TRUE(host.HasControl());
        ASSERT_EQ(1, factory.created);
        ASSERT_EQ(static_cast<IOleClientSite*>(&host), control.site);
    }

    test::HostWindow window{320, 240};
    FakeControl control;
    FakeControlFactory factory{control};

private:
    DWORD cookie_ = 0;
    bool oleStarted_ = false;
};

TEST_F(WebBrowserFakeControl, ActivationAsksTheControlOnceAndLetsItGoInPlace) {
    {
        RecordingHost host;
        host.host = window.Get();
        ExpectFakeInUse(host);
        EXPECT_EQ(S_FALSE, host.CanInPlaceActivate());

        // The fake control has no browser to connect events to, so the
        // activation itself reports failure; the control still went in place.
        EXPECT_FALSE(host.InPlaceActivate());
        ASSERT_EQ((std::vector<LONG>{OLEIVERB_INPLACEACTIVATE}), control.verbs);
        EXPECT_EQ(window.Get(), control.verbParent);
        EXPECT_EQ(S_OK, control.siteAnswer);
        EXPECT_TRUE(host.InPlacePermitted());
        EXPECT_TRUE(host.IsActivated());

        EXPECT_TRUE(host.InPlaceActivate());
        EXPECT_EQ(1u, control.verbs.size());
    }
    // Deleting the host closes the control and takes back the client site.
    EXPECT_EQ(1, control.closes);
    EXPECT_EQ(nullptr, control.site);
    EXPECT_EQ(0, control.refs);
}

TEST_F(WebBrowserFakeControl, FailedDoVerbStillCountsAsActivated) {
    control.doVerbResult = E_FAIL;
    RecordingHost host;
    host.host = window.Get();
    host.WithholdInPlaceInterfaces();
    ExpectFakeInUse(host);

    EXPECT_FALSE(host.InPlaceActivate());
    EXPECT_EQ(1u, control.verbs.size());
    EXPECT_TRUE(host.IsActivated());
    // The flag and the in-place interfaces were given before the control was
    // asked, so the control could say yes while it failed.
    EXPECT_EQ(S_OK, control.siteAnswer);
    void* inPlaceSite = nullptr;
    ASSERT_EQ(S_OK, host.QueryInterface(IID_IOleInPlaceSite, &inPlaceSite));
    static_cast<IOleInPlaceSite*>(inPlaceSite)->Release();

    // No second attempt: a later call reports success without the control.
    EXPECT_TRUE(host.InPlaceActivate());
    EXPECT_EQ(1u, control.verbs.size());
}

TEST_F(WebBrowserFakeControl, RectangleBeforeActivationDoesNotReachTheControl) {
    RecordingHost host;
    host.host = window.Get();
    ExpectFakeInUse(host);
    const RECT stored{10, 20, 110, 220};
    EXPECT_TRUE(host.SetControlRect(stored));
    EXPECT_TRUE(SameRect(stored, host.ControlRect()));
    EXPECT_TRUE(control.extents.empty());
    EXPECT_TRUE(control.objectRects.empty());
}

TEST_F(WebBrowserFakeControl, ActiveControlGetsExtentInPixelsThenItsRectangle) {
    RecordingHost host;
    host.host = window.Get();
    ExpectFakeInUse(host);
    host.InPlaceActivate();
    ASSERT_TRUE(host.IsActivated());

    const RECT moved{10, 20, 110, 220};
    ASSERT_TRUE(host.SetControlRect(moved));
    ASSERT_EQ(1u, control.extents.size());
    EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), control.extentAspects[0]);
    EXPECT_EQ(100, control.extents[0].cx);
    EXPECT_EQ(200, control.extents[0].cy);
    ASSERT_EQ(1u, control.objectRects.size());
    EXPECT_TRUE(SameRect(moved, control.objectRects[0]));
    EXPECT_TRUE(SameRect(moved, host.ControlRect()));
}

TEST_F(WebBrowserFakeControl, RefusedExtentKeepsTheOldRectangle) {
    RecordingHost host;
    host.host = window.Get();
    ExpectFakeInUse(host);
    host.InPlaceActivate();
    ASSERT_TRUE(host.IsActivated());
    const RECT before = host.ControlRect();
    ASSERT_FALSE(IsRectEmpty(&before));

    control.setExtentResult = E_FAIL;
    EXPECT_FALSE(host.SetControlRect(RECT{10, 20, 110, 220}));
    EXPECT_EQ(1u, control.extents.size());
    EXPECT_TRUE(control.objectRects.empty());
    EXPECT_TRUE(SameRect(before, host.ControlRect()));
}

TEST_F(WebBrowserFakeControl, RefusedObjectRectsKeepTheOldRectangle) {
    RecordingHost host;
    host.host = window.Get();
    ExpectFakeInUse(host);
    host.InPlaceActivate();
    ASSERT_TRUE(host.IsActivated());
    const RECT before = host.ControlRect();

    control.setObjectRectsResult = E_FAIL;
    EXPECT_FALSE(host.SetControlRect(RECT{10, 20, 110, 220}));
    EXPECT_EQ(1u, control.objectRects.size());
    EXPECT_TRUE(SameRect(before, host.ControlRect()));
}

} // namespace
