// CWebBrowserBase as a COM object: which interface each table answers, how
// events are read from their argument arrays, and the container's answers.
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/EventArgs.h"
#include "tests/browser/RecordingHost.h"

#include <exdispid.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using test::EventArgs;
using test::RecordingHost;

void* Query(IUnknown* object, REFIID iid, HRESULT* hr = nullptr) {
    void* result = reinterpret_cast<void*>(1);
    HRESULT answer = object->QueryInterface(iid, &result);
    if (hr)
        *hr = answer;
    if (SUCCEEDED(answer))
        object->Release();
    return result;
}

TEST(WebBrowserBaseInterfaces, EachInterfaceComesFromItsOwnTable) {
    RecordingHost host;
    void* primary = static_cast<IDispatch*>(&host);
    void* site = static_cast<IOleInPlaceSite*>(&host);
    void* frame = static_cast<IOleInPlaceFrame*>(&host);
    // Asked through every table, the answers are the same.
    IUnknown* askers[] = {
        static_cast<IDispatch*>(&host),         static_cast<IOleClientSite*>(&host),
        static_cast<IOleInPlaceSite*>(&host),   static_cast<IOleInPlaceFrame*>(&host),
        static_cast<IDocHostUIHandler*>(&host), static_cast<IOleCommandTarget*>(&host)};
    for (IUnknown* asker : askers) {
        EXPECT_EQ(primary, Query(asker, IID_IUnknown));
        EXPECT_EQ(primary, Query(asker, IID_IDispatch));
        EXPECT_EQ(static_cast<IOleClientSite*>(&host), Query(asker, IID_IOleClientSite));
        EXPECT_EQ(site, Query(asker, IID_IOleWindow));
        EXPECT_EQ(site, Query(asker, IID_IOleInPlaceSite));
        EXPECT_EQ(frame, Query(asker, IID_IOleInPlaceFrame));
        EXPECT_EQ(frame, Query(asker, IID_IOleInPlaceUIWindow));
        EXPECT_EQ(static_cast<IDocHostUIHandler*>(&host), Query(asker, IID_IDocHostUIHandler));
        EXPECT_EQ(static_cast<IOleCommandTarget*>(&host), Query(asker, IID_IOleCommandTarget));
    }
}

TEST(WebBrowserBaseInterfaces, AnsweredInterfaceCarriesAReference) {
    RecordingHost host;
    LONG before = host.RefCount();
    void* result = nullptr;
    ASSERT_EQ(S_OK, host.QueryInterface(IID_IOleClientSite, &result));
    EXPECT_EQ(before + 1, host.RefCount());
    static_cast<IOleClientSite*>(result)->Release();
    EXPECT_EQ(before, host.RefCount());
}

TEST(WebBrowserBaseInterfaces, OtherInterfacesAreRefusedWithNullResult) {
    RecordingHost host;
    LONG before = host.RefCount();
    const IID* refused[] = {&IID_IOleObject,       &DIID_DWebBrowserEvents2, &IID_IOleInPlaceSiteEx,
                            &IID_IServiceProvider, &IID_IOleContainer,       &IID_IPersistStorage};
    for (const IID* iid : refused) {
        HRESULT hr = S_OK;
        EXPECT_EQ(nullptr, Query(static_cast<IDispatch*>(&host), *iid, &hr));
        EXPECT_EQ(E_NOINTERFACE, hr);
    }
    EXPECT_EQ(before, host.RefCount());
}

TEST(WebBrowserBaseInterfaces, WithheldFlagRefusesOnlyTheInPlaceInterfaces) {
    test::HostWindow window(200, 150);
    RecordingHost host;
    host.host = window.Get();
    host.WithholdInPlaceInterfaces();
    IUnknown* object = static_cast<IDispatch*>(&host);
    EXPECT_EQ(nullptr, Query(object, IID_IOleInPlaceSite));
    EXPECT_EQ(nullptr, Query(object, IID_IOleInPlaceFrame));
    EXPECT_EQ(nullptr, Query(object, IID_IOleInPlaceUIWindow));
    EXPECT_NE(nullptr, Query(object, IID_IOleWindow));
    EXPECT_NE(nullptr, Query(object, IID_IOleClientSite));
    EXPECT_NE(nullptr, Query(object, IID_IDocHostUIHandler));

    // Activation hands the in-place interfaces out again.
    ASSERT_TRUE(host.InPlaceActivate());
    EXPECT_NE(nullptr, Query(object, IID_IOleInPlaceSite));
    EXPECT_NE(nullptr, Query(object, IID_IOleInPlaceFrame));
}

HRESULT Fire(CWebBrowserBase& host, DISPID id, DISPPARAMS* params) {
    return host.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr,
                       nullptr);
}

TEST(WebBrowserBaseEvents, DocumentCompleteReportsEveryDocumentAddress) {
    RecordingHost host;
    EventArgs frame, top;
    frame.Dispatch(nullptr).TextByRef(L"http://127.0.0.1/frame.html");
    top.Dispatch(nullptr).TextByRef(L"http://127.0.0.1/index.html");
    EXPECT_EQ(S_OK, Fire(host, DISPID_DOCUMENTCOMPLETE, frame.Params()));
    EXPECT_EQ(S_OK, Fire(host, DISPID_DOCUMENTCOMPLETE, top.Params()));
    EXPECT_EQ(
        (std::vector<std::wstring>{L"http://127.0.0.1/frame.html", L"http://127.0.0.1/index.html"}),
        host.completed);
}

TEST(WebBrowserBaseEvents, BeforeNavigateTakesTheAddressAndCanCancel) {
    RecordingHost host;
    host.cancelContaining = L"play_gamecode";
    VARIANT_BOOL keep = VARIANT_FALSE, stop = VARIANT_FALSE;
    EventArgs plain, game;
    plain.Dispatch(nullptr)
        .TextByRef(L"http://a/login")
        .Long(0)
        .TextByRef(L"frame-name")
        .Empty()
        .TextByRef(L"X-Header: 1")
        .BoolRef(&keep);
    game.Dispatch(nullptr)
        .TextByRef(L"http://a/play_gamecode?x=1")
        .Long(0)
        .TextByRef(L"")
        .Empty()
        .TextByRef(L"")
        .BoolRef(&stop);
    EXPECT_EQ(S_OK, Fire(host, DISPID_BEFORENAVIGATE2, plain.Params()));
    EXPECT_EQ(S_OK, Fire(host, DISPID_BEFORENAVIGATE2, game.Params()));
    EXPECT_EQ((std::vector<std::wstring>{L"http://a/login", L"http://a/play_gamecode?x=1"}),
              host.navigations);
    EXPECT_EQ(VARIANT_FALSE, keep);
    EXPECT_NE(VARIANT_FALSE, stop);
}

TEST(WebBrowserBaseEvents, NewWindow2IsCancelledAndHandledWithoutStartingAnything) {
    test::ShellRecorder shell;
    RecordingHost host;
    IDispatch* newBrowser = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EventArgs args;
    args.DispatchRef(&newBrowser).BoolRef(&cancel);
    EXPECT_EQ(S_OK, Fire(host, DISPID_NEWWINDOW2, args.Params()));
    EXPECT_EQ(VARIANT_TRUE, cancel);
    EXPECT_TRUE(shell.Calls().empty());
}

// Every request stays cancelled; only web addresses reach the shell, as the
// file it opens with the player's browser, and every other scheme leaves a
// debugger line instead.
TEST(WebBrowserBaseEvents, NewWindow3OpensOnlyWebAddressesInTheDefaultBrowser) {
    const std::vector<std::wstring> web = {L"http://b/popup.html?x=1&y=2", L"HTTPS://b/pay",
                                           L"hTtP:b"};
    const std::vector<std::wstring> other = {L"file:///C:/Windows/notepad.exe",
                                             L"javascript:x()",
                                             L"ms-settings:",
                                             L"httpx://b/",
                                             L"http",
                                             L""};
    test::ShellRecorder shell;
    RecordingHost host;
    std::vector<std::wstring> all = web, lines;
    all.insert(all.end(), other.begin(), other.end());
    for (const std::wstring& url : all) {
        IDispatch* newBrowser = nullptr;
        VARIANT_BOOL cancel = VARIANT_FALSE;
        EventArgs args;
        args.DispatchRef(&newBrowser).BoolRef(&cancel).Long(6).Text(L"http://a/").Text(url.c_str());
        EXPECT_EQ(S_OK, Fire(host, DISPID_NEWWINDOW3, args.Params()));
        EXPECT_EQ(VARIANT_TRUE, cancel);
    }
    for (const std::wstring& url : other)
        lines.push_back(L"新窗口地址已忽略:" + url + L"\r\n");
    EXPECT_EQ(lines, shell.DebugLines());
    ASSERT_EQ(web.size(), shell.Calls().size());
    for (size_t i = 0; i < web.size(); ++i) {
        const test::ShellCall& call = shell.Calls()[i];
        EXPECT_EQ(web[i], call.file);
        EXPECT_TRUE(!call.hasOwner && call.verb == L"Open" && call.parameters.empty() &&
                    !call.hasDirectory && call.show == SW_SHOWNORMAL);
    }
}

TEST(WebBrowserBaseEvents, OtherEventsAreDeclinedUntouched) {
    test::ShellRecorder shell;
    RecordingHost host;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EventArgs navigateError, navigateComplete;
    navigateError.Dispatch(nullptr)
        .TextByRef(L"http://a/")
        .TextByRef(L"")
        .Long(404)
        .BoolRef(&cancel);
    navigateComplete.Dispatch(nullptr).TextByRef(L"http://a/");
    EXPECT_EQ(E_NOTIMPL, Fire(host, DISPID_NAVIGATEERROR, navigateError.Params()));
    EXPECT_EQ(E_NOTIMPL, Fire(host, DISPID_NAVIGATECOMPLETE2, navigateComplete.Params()));
    EXPECT_EQ(VARIANT_FALSE, cancel);
    EXPECT_TRUE(host.completed.empty());
    EXPECT_TRUE(host.navigations.empty());
    EXPECT_TRUE(shell.Calls().empty());
}

TEST(WebBrowserBaseEvents, CallsWithTooFewArgumentsAreRefused) {
    test::ShellRecorder shell;
    RecordingHost host;
    EventArgs one;
    one.TextByRef(L"http://a/");
    EXPECT_TRUE(FAILED(Fire(host, DISPID_DOCUMENTCOMPLETE, one.Params())));
    EXPECT_TRUE(FAILED(Fire(host, DISPID_BEFORENAVIGATE2, one.Params())));
    EXPECT_TRUE(FAILED(Fire(host, DISPID_NEWWINDOW3, one.Params())));
    EXPECT_TRUE(FAILED(Fire(host, DISPID_NEWWINDOW3, nullptr)));
    EXPECT_TRUE(host.completed.empty());
    EXPECT_TRUE(host.navigations.empty());
    EXPECT_TRUE(shell.Calls().empty());
}

TEST(WebBrowserBaseEvents, AThrowingHookDoesNotReachTheCaller) {
    RecordingHost host;
    host.throwFromHooks = true;
    EventArgs args;
    args.Dispatch(nullptr).TextByRef(L"http://a/");
    EXPECT_EQ(E_FAIL, Fire(host, DISPID_DOCUMENTCOMPLETE, args.Params()));
}

TEST(WebBrowserBaseSite, WindowContextPlacesTheControlOverTheHostClientArea) {
    test::HostWindow outer(400, 300);
    HWND inner = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 320, 240,
                                 outer.Get(), nullptr, nullptr, nullptr);
    RecordingHost host;
    host.host = inner;
    LONG before = host.RefCount();
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    ASSERT_EQ(S_OK, host.GetWindowContext(&frame, &document, &position, &clip, &info));
    EXPECT_EQ(static_cast<IOleInPlaceFrame*>(&host), frame);
    EXPECT_EQ(before + 1, host.RefCount());
    frame->Release();
    EXPECT_EQ(nullptr, document);
    const RECT client{0, 0, 320, 240};
    EXPECT_TRUE(EqualRect(&client, &position));
    EXPECT_TRUE(EqualRect(&client, &clip));
    EXPECT_TRUE(EqualRect(&client, &host.ControlRect()));
    // 20 bytes in the shipped 32-bit program; wider where handles are 64-bit.
    EXPECT_EQ(sizeof(void*) == 4 ? 20u : sizeof(OLEINPLACEFRAMEINFO), info.cb);
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_EQ(outer.Get(), info.hwndFrame);
    EXPECT_EQ(nullptr, info.haccel);
    EXPECT_EQ(0u, info.cAccelEntries);

    RECT border{};
    EXPECT_EQ(S_OK, host.GetBorder(&border));
    EXPECT_TRUE(EqualRect(&client, &border));
    HWND window = nullptr;
    EXPECT_EQ(S_OK, static_cast<IOleInPlaceSite&>(host).GetWindow(&window));
    EXPECT_EQ(inner, window);
}

TEST(WebBrowserBaseSite, InPlaceActivationWaitsForTheOwner) {
    RecordingHost host;
    EXPECT_EQ(S_FALSE, host.CanInPlaceActivate());
    EXPECT_FALSE(host.InPlacePermitted());
}

TEST(WebBrowserBaseSite, MonikerAndContainerAreRefusedWithNullResults) {
    RecordingHost host;
    IOleClientSite* site = &host;
    IMoniker* moniker = reinterpret_cast<IMoniker*>(1);
    EXPECT_EQ(E_NOTIMPL,
              site->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_CONTAINER, &moniker));
    EXPECT_EQ(nullptr, moniker);
    IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
    EXPECT_EQ(E_FAIL, site->GetContainer(&container));
    EXPECT_EQ(nullptr, container);
}

struct Answer {
    const char* call;
    std::function<HRESULT()> make;
};

// Each call goes through the interface the control would use.
void ExpectAnswers(HRESULT expected, const std::vector<Answer>& answers) {
    for (const Answer& answer : answers)
        EXPECT_EQ(expected, answer.make()) << answer.call;
}

TEST(WebBrowserBaseSite, CustomisationCallsAreDeclined) {
    RecordingHost host;
    LONG before = host.RefCount();
    IDispatch* dispatch = &host;
    IOleInPlaceSite* site = &host;
    IOleInPlaceFrame* frame = &host;
    IDocHostUIHandler* handler = &host;

    UINT typeInfoCount = 0;
    ITypeInfo* typeInfo = nullptr;
    wchar_t nameText[] = L"Navigate";
    LPOLESTR name = nameText;
    DISPID id = 0;
    const SIZE scroll{5, 5};
    OLEMENUGROUPWIDTHS menuWidths{};
    MSG msg{};
    POINT point{};
    RECT rect{0, 0, 10, 10};
    LPOLESTR keyPath = nullptr;
    IDropTarget* dropTarget = nullptr;
    wchar_t urlText[] = L"http://a/";
    LPWSTR translated = nullptr;
    IDataObject* filtered = nullptr;

    const std::vector<Answer> declined = {
        {"GetTypeInfoCount", [&] { return dispatch->GetTypeInfoCount(&typeInfoCount); }},
        {"GetTypeInfo", [&] { return dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &typeInfo); }},
        {"GetIDsOfNames",
         [&] { return dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id); }},
        {"site ContextSensitiveHelp", [&] { return site->ContextSensitiveHelp(TRUE); }},
        {"site Scroll", [&] { return site->Scroll(scroll); }},
        {"frame InsertMenus", [&] { return frame->InsertMenus(nullptr, &menuWidths); }},
        {"frame SetMenu", [&] { return frame->SetMenu(nullptr, nullptr, nullptr); }},
        {"frame RemoveMenus", [&] { return frame->RemoveMenus(nullptr); }},
        {"frame SetStatusText", [&] { return frame->SetStatusText(L"Done"); }},
        {"frame EnableModeless", [&] { return frame->EnableModeless(FALSE); }},
        {"frame TranslateAccelerator", [&] { return frame->TranslateAccelerator(&msg, 0); }},
        {"frame ContextSensitiveHelp", [&] { return frame->ContextSensitiveHelp(TRUE); }},
        {"ShowContextMenu", [&] { return handler->ShowContextMenu(0, &point, nullptr, nullptr); }},
        {"ShowUI", [&] { return handler->ShowUI(0, nullptr, nullptr, frame, nullptr); }},
        {"HideUI", [&] { return handler->HideUI(); }},
        {"UpdateUI", [&] { return handler->UpdateUI(); }},
        {"handler EnableModeless", [&] { return handler->EnableModeless(TRUE); }},
        {"OnDocWindowActivate", [&] { return handler->OnDocWindowActivate(TRUE); }},
        {"OnFrameWindowActivate", [&] { return handler->OnFrameWindowActivate(TRUE); }},
        {"ResizeBorder", [&] { return handler->ResizeBorder(&rect, frame, TRUE); }},
        {"handler TranslateAccelerator",
         [&] { return handler->TranslateAccelerator(&msg, nullptr, 0); }},
        {"GetOptionKeyPath", [&] { return handler->GetOptionKeyPath(&keyPath, 0); }},
        {"GetDropTarget", [&] { return handler->GetDropTarget(nullptr, &dropTarget); }},
        {"TranslateUrl", [&] { return handler->TranslateUrl(0, urlText, &translated); }},
        {"FilterDataObject", [&] { return handler->FilterDataObject(nullptr, &filtered); }},
    };
    ExpectAnswers(E_NOTIMPL, declined);
    // Declining hands nothing out.
    EXPECT_EQ(nullptr, typeInfo);
    EXPECT_EQ(nullptr, keyPath);
    EXPECT_EQ(nullptr, dropTarget);
    EXPECT_EQ(nullptr, translated);
    EXPECT_EQ(nullptr, filtered);
    // Scripts find no external object: a null one, and S_FALSE as a host
    // without one answers.
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(S_FALSE, handler->GetExternal(&external));
    EXPECT_EQ(nullptr, external);
    EXPECT_EQ(before, host.RefCount());
}

TEST(WebBrowserBaseSite, NotificationsAndLayoutRequestsAreAccepted) {
    RecordingHost host;
    LONG before = host.RefCount();
    IOleClientSite* client = &host;
    IOleInPlaceSite* site = &host;
    IOleInPlaceFrame* frame = &host;
    const RECT moved{10, 10, 50, 50};
    BORDERWIDTHS widths{1, 2, 3, 4};

    const std::vector<Answer> accepted = {
        {"SaveObject", [&] { return client->SaveObject(); }},
        {"ShowObject", [&] { return client->ShowObject(); }},
        {"OnShowWindow", [&] { return client->OnShowWindow(TRUE); }},
        {"RequestNewObjectLayout", [&] { return client->RequestNewObjectLayout(); }},
        {"OnInPlaceActivate", [&] { return site->OnInPlaceActivate(); }},
        {"OnUIActivate", [&] { return site->OnUIActivate(); }},
        {"OnUIDeactivate", [&] { return site->OnUIDeactivate(FALSE); }},
        {"OnInPlaceDeactivate", [&] { return site->OnInPlaceDeactivate(); }},
        {"DiscardUndoState", [&] { return site->DiscardUndoState(); }},
        {"DeactivateAndUndo", [&] { return site->DeactivateAndUndo(); }},
        {"OnPosRectChange", [&] { return site->OnPosRectChange(&moved); }},
        {"RequestBorderSpace", [&] { return frame->RequestBorderSpace(&widths); }},
        {"SetBorderSpace", [&] { return frame->SetBorderSpace(&widths); }},
        {"SetActiveObject", [&] { return frame->SetActiveObject(nullptr, L"browser"); }},
    };
    ExpectAnswers(S_OK, accepted);
    // Being told of the control's own activation is no permission to
    // activate: that waits for the owner.
    EXPECT_EQ(S_FALSE, site->CanInPlaceActivate());
    EXPECT_FALSE(host.IsActivated());
    EXPECT_FALSE(host.InPlacePermitted());
    EXPECT_TRUE(IsRectEmpty(&host.ControlRect()));
    EXPECT_EQ(before, host.RefCount());
}

TEST(WebBrowserBaseSite, HostInfoAddsOnlyTheOuterBorderFlag) {
    RecordingHost host;
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof(info);
    info.dwFlags = DOCHOSTUIFLAG_SCROLL_NO;
    EXPECT_EQ(S_OK, host.GetHostInfo(&info));
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_SCROLL_NO | 0x200000), info.dwFlags);
}

} // namespace
