// The stand-in driven as a host drives the control: activation, navigation
// with its events and cancellation, frames, redirects, new windows, document
// clicks, keys, placement and the release of everything at the end.
#include "BrowserTests.h"

#include "Check.h"
#include "Support.h"
#include "TestHost.h"
#include "TestSinks.h"

#include <exdispid.h>
#include <mshtml.h>

namespace selftest {
namespace {

const char kScript[] = R"(# pages of the self-test
page http://127.0.0.1/plain
  complete
page http://127.0.0.1/frames
  wait 30
  frame http://127.0.0.1/frames/left
  frame http://127.0.0.1/frames/cancelme
  frame http://127.0.0.1/frames/right
  title Frames of the game
  complete
  wait 50
  click IMG src=logo.png < A href="http://127.0.0.1/link target" < BODY
  click ABBR title=x < AREA href=http://127.0.0.1/map < P < BODY
page http://127.0.0.1/redirect
  complete
  wait 40
  navigate http://127.0.0.1/play_gamecode?cancelme=1
  wait 40
  navigate http://127.0.0.1/plain
page http://127.0.0.1/popup
  complete
  wait 20
  newwindow http://127.0.0.1/new
page http://127.0.0.1/focus
  complete
  focus
page http://127.0.0.1/never
  wait 10
)";

const GUID kDiidHtmlDocumentEvents2 = {
    0x3050f613, 0x98b5, 0x11cf, {0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b}};

struct Context {
    HWND hostWindow = nullptr;
    TestHost* host = nullptr;
    ComPtr<IOleObject> object;
    ComPtr<IWebBrowser2> web;
    ComPtr<IUnknown> identity;
    ComPtr<IConnectionPoint> events;
    BrowserSink* first = nullptr;
    BrowserSink* second = nullptr;
    DWORD firstCookie = 0;
    DWORD secondCookie = 0;
    HWND server = nullptr;
};

std::wstring Location(IWebBrowser2* web) {
    standin::BStr url;
    web->get_LocationURL(url.Receive());
    return url.Text();
}

bool WaitForComplete(const BrowserSink& sink, const std::wstring& url, int count) {
    return PumpUntil([&] { return sink.Count(DISPID_DOCUMENTCOMPLETE, url) >= count; }, 3000);
}

void TestActivation(Context& c) {
    RECT client{};
    GetClientRect(c.hostWindow, &client);
    ComPtr<IOleClientSite> site(static_cast<IOleClientSite*>(c.host));
    CHECK_EQ(
        c.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, c.hostWindow, &client),
        S_OK);
    CHECK_EQ(c.host->InPlaceActivations(), 1);

    ComPtr<IOleInPlaceObject> inPlace = c.object.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    HWND outer = nullptr;
    CHECK(inPlace && SUCCEEDED(inPlace->GetWindow(&outer)));
    CHECK_EQ(GetParent(outer), c.hostWindow);

    // The page's window comes with the first page, not with activation.
    CHECK(FindServerWindow(c.web.Get()) == nullptr);

    // Activation in place leaves the focus alone; UI activation takes it.
    CHECK(GetFocus() != outer);
    CHECK(!c.host->HasActiveObject());
    CHECK_EQ(c.object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site.Get(), 0, c.hostWindow, &client),
             S_OK);
    CHECK_EQ(c.host->InPlaceActivations(), 1);
    CHECK(c.host->HasActiveObject());
    CHECK_EQ(GetFocus(), outer);
}

void TestNavigation(Context& c) {
    const std::wstring plain = L"http://127.0.0.1/plain";
    standin::BStr url(plain);
    g_insideCall = true;
    CHECK_EQ(c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr), S_OK);
    g_insideCall = false;

    // BeforeNavigate2 comes inside the call; the page itself only later.
    CHECK_EQ(c.first->events.size(), 1u);
    CHECK_EQ(c.second->events.size(), 1u);
    const BrowserEvent& before = c.first->events.front();
    CHECK(before.dispid == DISPID_BEFORENAVIGATE2 && before.shapeOk && before.top &&
          before.insideCall && before.url == plain);

    CHECK(WaitForComplete(*c.first, plain, 1));
    std::vector<DISPID> order;
    for (const BrowserEvent& e : c.first->events) {
        order.push_back(e.dispid);
        CHECK(e.shapeOk && e.top && e.url == plain);
        CHECK_EQ(e.thread, GetCurrentThreadId());
    }
    CHECK(order == (std::vector<DISPID>{DISPID_BEFORENAVIGATE2, DISPID_NAVIGATECOMPLETE2,
                                        DISPID_DOCUMENTCOMPLETE}));
    CHECK(!c.first->events.back().insideCall);
    CHECK_EQ(c.second->Count(DISPID_DOCUMENTCOMPLETE, plain), 1);
    CHECK(Location(c.web.Get()) == plain);

    // The page's window fills the control and inherits the focus it had.
    c.server = FindServerWindow(c.web.Get());
    CHECK(c.server != nullptr);
    CHECK(IsChild(c.hostWindow, c.server));
    RECT client{}, page{};
    GetClientRect(c.hostWindow, &client);
    GetClientRect(c.server, &page);
    CHECK(page.right == client.right && page.bottom == client.bottom);
    CHECK_EQ(GetFocus(), c.server);
    READYSTATE state = READYSTATE_UNINITIALIZED;
    c.web->get_ReadyState(&state);
    CHECK_EQ(state, READYSTATE_COMPLETE);
}

void TestCancelledNavigation(Context& c) {
    const std::wstring target = L"http://127.0.0.1/cancelme";
    c.first->cancelContaining = L"cancelme";
    standin::BStr url(target);
    CHECK_EQ(c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr), S_OK);
    CHECK_EQ(c.first->Count(DISPID_BEFORENAVIGATE2, target), 1);
    CHECK_EQ(c.second->Count(DISPID_BEFORENAVIGATE2, target), 1);
    PumpFor(300);
    CHECK_EQ(c.first->Count(DISPID_NAVIGATECOMPLETE2, target), 0);
    CHECK_EQ(c.first->Count(DISPID_DOCUMENTCOMPLETE, target), 0);
    CHECK(Location(c.web.Get()) == L"http://127.0.0.1/plain");
}

void TestFramesAndClicks(Context& c) {
    const std::wstring top = L"http://127.0.0.1/frames";
    size_t start = c.first->events.size();
    standin::Variant address;
    V_VT(address.Get()) = VT_BSTR;
    V_BSTR(address.Get()) = SysAllocString(top.c_str());
    CHECK_EQ(c.web->Navigate2(address.Get(), nullptr, nullptr, nullptr, nullptr), S_OK);
    CHECK(WaitForComplete(*c.first, top, 1));

    // Frames complete before the page; a cancelled frame never does.
    std::vector<std::wstring> completed;
    for (size_t i = start; i < c.first->events.size(); ++i) {
        const BrowserEvent& e = c.first->events[i];
        if (e.dispid == DISPID_DOCUMENTCOMPLETE)
            completed.push_back(e.url + (e.top ? L" top" : L" frame"));
        if (e.dispid == DISPID_BEFORENAVIGATE2 && e.url.find(L"/frames/") != std::wstring::npos)
            CHECK(!e.top);
    }
    CHECK(completed == (std::vector<std::wstring>{L"http://127.0.0.1/frames/left frame",
                                                  L"http://127.0.0.1/frames/right frame",
                                                  L"http://127.0.0.1/frames top"}));
    CHECK_EQ(c.first->Count(DISPID_BEFORENAVIGATE2, L"http://127.0.0.1/frames/cancelme"), 1);

    // Connect to the document before the page's scripted clicks arrive.
    ComPtr<IDispatch> document;
    CHECK(SUCCEEDED(c.web->get_Document(document.Receive())) && document);
    if (!document)
        return;
    ComPtr<IHTMLDocument2> html = document.As<IHTMLDocument2>(IID_IHTMLDocument2);
    standin::BStr documentUrl, readyState;
    CHECK(html && SUCCEEDED(html->get_URL(documentUrl.Receive())));
    CHECK(documentUrl.Text() == top);
    CHECK(html && SUCCEEDED(html->get_readyState(readyState.Receive())));
    CHECK(readyState.Text() == L"complete");
    standin::BStr title;
    CHECK(html && SUCCEEDED(html->get_title(title.Receive())));
    CHECK(title.Text() == L"Frames of the game");

    ComPtr<IConnectionPointContainer> container =
        document.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    CHECK(container);
    if (!container)
        return;
    CHECK_EQ(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Receive()),
             CONNECT_E_NOCONNECTION);
    CHECK_EQ(container->FindConnectionPoint(kDiidHtmlDocumentEvents2, point.Receive()), S_OK);
    if (!point)
        return;
    ClickSink clicks;
    DWORD cookie = 0;
    CHECK_EQ(point->Advise(static_cast<IDispatch*>(&clicks), &cookie), S_OK);
    CHECK(PumpUntil([&] { return clicks.clicks.size() >= 2; }, 3000));
    CHECK_EQ(clicks.badCalls, 0);
    if (clicks.clicks.size() == 2) {
        const Click& link = clicks.clicks[0];
        CHECK(link.type == L"click");
        CHECK(link.chain == L"IMG<A<BODY");
        CHECK(link.linkFound && link.linkHref == L"http://127.0.0.1/link target");
        const Click& plain = clicks.clicks[1];
        CHECK(plain.chain == L"ABBR<AREA<P<BODY");
        CHECK(!plain.linkFound);
        CHECK(plain.hrefs == (std::vector<std::wstring>{L"<null>", L"http://127.0.0.1/map",
                                                        L"<null>", L"<null>"}));
    }
    CHECK_EQ(point->Unadvise(cookie), S_OK);
    CHECK_EQ(clicks.Refs(), 1);
}

void TestRedirect(Context& c) {
    const std::wstring game = L"http://127.0.0.1/play_gamecode?cancelme=1";
    const std::wstring plain = L"http://127.0.0.1/plain";
    int plainBefore = c.first->Count(DISPID_DOCUMENTCOMPLETE, plain);
    standin::BStr url(L"http://127.0.0.1/redirect");
    g_insideCall = true;
    c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
    g_insideCall = false;
    CHECK(WaitForComplete(*c.first, plain, plainBefore + 1));
    // The page's own navigation comes from the message loop, and the host's
    // cancel keeps the page where it was.
    bool seen = false;
    for (const BrowserEvent& e : c.first->events) {
        if (e.dispid == DISPID_BEFORENAVIGATE2 && e.url == game) {
            seen = true;
            CHECK(!e.insideCall && e.top);
        }
    }
    CHECK(seen);
    CHECK_EQ(c.first->Count(DISPID_NAVIGATECOMPLETE2, game), 0);
    CHECK(Location(c.web.Get()) == plain);
}

void TestNewWindow(Context& c) {
    c.first->cancelNewWindows = true;
    standin::BStr url(L"http://127.0.0.1/popup");
    c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
    CHECK(PumpUntil([&] { return c.first->Count(DISPID_NEWWINDOW3, L"http://127.0.0.1/new"); },
                    3000));
    int second = -1, third = -1;
    for (size_t i = 0; i < c.first->events.size(); ++i) {
        const BrowserEvent& e = c.first->events[i];
        if (e.dispid == DISPID_NEWWINDOW2) {
            second = static_cast<int>(i);
            CHECK(e.shapeOk);
        }
        if (e.dispid == DISPID_NEWWINDOW3) {
            third = static_cast<int>(i);
            CHECK(e.shapeOk && e.context == L"http://127.0.0.1/popup");
        }
    }
    CHECK(second >= 0 && second < third);
    CHECK_EQ(CountLogLines(ReadLog(), {"new-window", "url=http://127.0.0.1/new", "opened=0"}), 1);
}

void TestFocusAndKeys(Context& c) {
    SetFocus(c.hostWindow);
    standin::BStr url(L"http://127.0.0.1/focus");
    c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
    CHECK(WaitForComplete(*c.first, L"http://127.0.0.1/focus", 1));
    PumpFor(50);
    CHECK_EQ(GetFocus(), c.server);

    PostMessageW(c.server, WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageW(c.server, WM_KEYUP, 'A', 0xC01E0001);
    PumpFor(100);
    std::string log = ReadLog();
    CHECK_EQ(CountLogLines(log, {"key WM_KEYDOWN", "code=0x41"}), 1);
    CHECK_EQ(CountLogLines(log, {"key WM_CHAR", "code=0x61"}), 1);
    CHECK_EQ(CountLogLines(log, {"key WM_KEYUP", "code=0x41"}), 1);

    ComPtr<IDispatch> document;
    c.web->get_Document(document.Receive());
    ComPtr<IOleInPlaceActiveObject> active =
        document.As<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
    CHECK(active);
    if (!active)
        return;
    MSG tab{c.server, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    MSG letter{c.server, WM_KEYDOWN, 'B', 0x00300001, 0, {}};
    CHECK_EQ(active->TranslateAccelerator(&tab), S_OK);
    CHECK_EQ(active->TranslateAccelerator(&letter), S_FALSE);
    log = ReadLog();
    CHECK_EQ(CountLogLines(log, {"accelerator", "code=0x9", "target=server", "consumed"}), 1);
    CHECK_EQ(CountLogLines(log, {"accelerator", "code=0x42", "target=server", "passed"}), 1);
}

void TestPageThatNeverCompletes(Context& c) {
    const std::wstring never = L"http://127.0.0.1/never";
    standin::BStr url(never);
    c.web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
    PumpFor(300);
    CHECK_EQ(c.first->Count(DISPID_NAVIGATECOMPLETE2, never), 1);
    CHECK_EQ(c.first->Count(DISPID_DOCUMENTCOMPLETE, never), 0);
    VARIANT_BOOL busy = VARIANT_FALSE;
    c.web->get_Busy(&busy);
    CHECK(busy != VARIANT_FALSE);
}

void TestPlacementAndRefresh(Context& c) {
    ComPtr<IOleInPlaceObject> inPlace = c.object.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    HWND outer = nullptr;
    inPlace->GetWindow(&outer);
    RECT target = {10, 20, 210, 170};
    SIZEL extent = {200, 150};
    CHECK_EQ(c.object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    CHECK_EQ(inPlace->SetObjectRects(&target, &target), S_OK);
    RECT placed{};
    GetWindowRect(outer, &placed);
    MapWindowPoints(nullptr, c.hostWindow, reinterpret_cast<POINT*>(&placed), 2);
    CHECK(EqualRect(&placed, &target));
    RECT page{};
    GetClientRect(c.server, &page);
    CHECK(page.right == 200 && page.bottom == 150);

    RECT empty{};
    inPlace->SetObjectRects(&empty, &empty);
    GetClientRect(c.server, &page);
    CHECK(page.right == 0 && page.bottom == 0);
    RECT client{};
    GetClientRect(c.hostWindow, &client);
    inPlace->SetObjectRects(&client, &client);

    size_t events = c.first->events.size();
    CHECK_EQ(c.web->Refresh(), S_OK);
    PumpFor(100);
    CHECK_EQ(c.first->events.size(), events);
    CHECK_EQ(CountLogLines(ReadLog(), {"call Refresh", "url=http://127.0.0.1/never"}), 1);
}

void TestTeardown(Context& c) {
    CHECK_EQ(c.events->Unadvise(c.firstCookie), S_OK);
    CHECK_EQ(c.events->Unadvise(c.secondCookie), S_OK);
    CHECK_EQ(c.events->Unadvise(c.firstCookie), CONNECT_E_NOCONNECTION);
    CHECK_EQ(c.first->Refs(), 1);
    CHECK_EQ(c.second->Refs(), 1);
    CHECK_EQ(c.object->Close(OLECLOSE_NOSAVE), S_OK);
    CHECK_EQ(c.host->InPlaceDeactivations(), 1);
    CHECK(!c.host->HasActiveObject());
    CHECK(!IsWindow(c.server));
    c.events.Reset();
    c.identity.Reset();
    c.web.Reset();
    c.object.Reset();
    // The control let go of the site; only the test's own reference is left.
    CHECK_EQ(c.host->Refs(), 1);
    std::string log = ReadLog();
    CHECK_EQ(CountLogLines(log, {"b1 call destroyed"}), 1);
    CHECK_EQ(CountLogLines(log, {"b1 call GetHostInfo", "flags=0xc"}), 1);
    CHECK_EQ(CountLogLines(log, {"sink-left"}), 0);
}

} // namespace

void RunBrowserTests() {
    UseScript(L"browser", kScript);
    HostWindow window(40, 40, 820, 640);
    TestHost host(window.Get());
    // Declared before the control so they outlive it even on an early return.
    BrowserSink first, second;
    Context c;
    c.hostWindow = window.Get();
    c.host = &host;
    c.object = CreateBrowser(host);
    CHECK(c.object);
    if (!c.object)
        return;
    c.web = c.object.As<IWebBrowser2>(IID_IWebBrowser2);
    c.identity = c.object.As<IUnknown>(IID_IUnknown);
    CHECK(c.web);
    first.control = c.identity.Get();
    second.control = c.identity.Get();
    ComPtr<IConnectionPointContainer> container =
        c.object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    CHECK(container &&
          SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, c.events.Receive())));
    if (!c.web || !c.events)
        return;
    container.Reset();
    c.first = &first;
    c.second = &second;
    CHECK_EQ(c.events->Advise(static_cast<IDispatch*>(&first), &c.firstCookie), S_OK);
    CHECK_EQ(c.events->Advise(static_cast<IDispatch*>(&second), &c.secondCookie), S_OK);

    TestActivation(c);
    TestNavigation(c);
    TestCancelledNavigation(c);
    TestFramesAndClicks(c);
    TestRedirect(c);
    TestNewWindow(c);
    TestFocusAndKeys(c);
    TestPageThatNeverCompletes(c);
    TestPlacementAndRefresh(c);
    TestTeardown(c);
}

} // namespace selftest
