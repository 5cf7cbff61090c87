// The stand-in under hostile conditions: broken or missing scripts, a host
// that closes and releases the control from inside an event, a host that
// starts a navigation from inside BeforeNavigate2, and server redirects that
// only some hosts hear of.
#include "BrowserTests.h"

#include "Check.h"
#include "Support.h"
#include "TestHost.h"
#include "TestSinks.h"

#include <exdispid.h>
#include <mshtmhst.h>

namespace selftest {
namespace {

struct Hosted {
    ComPtr<IOleObject> object;
    ComPtr<IWebBrowser2> web;
    ComPtr<IConnectionPoint> events;
    DWORD cookie = 0;
};

// Creates, activates and connects a control; false if any step failed.
bool Start(HWND window, TestHost& host, BrowserSink& sink, Hosted& hosted) {
    hosted.object = CreateBrowser(host);
    if (!hosted.object)
        return false;
    hosted.web = hosted.object.As<IWebBrowser2>(IID_IWebBrowser2);
    ComPtr<IUnknown> identity = hosted.object.As<IUnknown>(IID_IUnknown);
    sink.control = identity.Get();
    RECT client{};
    GetClientRect(window, &client);
    if (FAILED(hosted.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                     static_cast<IOleClientSite*>(&host), 0, window, &client)))
        return false;
    ComPtr<IConnectionPointContainer> container =
        hosted.object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    return hosted.web && container &&
           SUCCEEDED(
               container->FindConnectionPoint(DIID_DWebBrowserEvents2, hosted.events.Receive())) &&
           SUCCEEDED(hosted.events->Advise(static_cast<IDispatch*>(&sink), &hosted.cookie));
}

void Stop(Hosted& hosted) {
    if (hosted.events)
        hosted.events->Unadvise(hosted.cookie);
    if (hosted.object)
        hosted.object->Close(OLECLOSE_NOSAVE);
    hosted = Hosted();
}

void Navigate(IWebBrowser2* web, const std::wstring& address) {
    standin::BStr url(address);
    web->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
}

void TestBrokenScriptStillBrowses(HWND window) {
    std::string script = "page http://127.0.0.1/x\n  wait forever\n  clik A\n\x01\x02\xff\xfe\n"
                         "complete\n  click < <\n" +
                         std::string(3000, '"') + "\n";
    UseScript(L"broken-script", script);
    TestHost host(window);
    BrowserSink sink;
    Hosted hosted;
    CHECK(Start(window, host, sink, hosted));
    if (hosted.web) {
        Navigate(hosted.web.Get(), L"http://127.0.0.1/x");
        CHECK(PumpUntil([&] { return sink.Count(DISPID_DOCUMENTCOMPLETE, L"http://127.0.0.1/x"); },
                        3000));
    }
    Stop(hosted);
    CHECK(CountLogLines(ReadLog(), {"script problem"}) >= 3);
}

void TestMissingScript(HWND window) {
    UseScript(L"missing-script", "");
    SetEnvironmentVariableW(L"BROWSER_STANDIN_SCRIPT", L"C:\\no\\such\\script.txt");
    TestHost host(window);
    BrowserSink sink;
    Hosted hosted;
    CHECK(Start(window, host, sink, hosted));
    if (hosted.web) {
        Navigate(hosted.web.Get(), L"http://127.0.0.1/anything");
        CHECK(PumpUntil(
            [&] { return sink.Count(DISPID_DOCUMENTCOMPLETE, L"http://127.0.0.1/anything"); },
            3000));
    }
    Stop(hosted);
    CHECK_EQ(CountLogLines(ReadLog(), {"script problem", "cannot%20read%20script"}), 1);
}

void TestReleaseFromInsideAnEvent(HWND window) {
    UseScript(L"release-in-event",
              "page http://127.0.0.1/end\n  complete\n  wait 10\n  complete\n");
    TestHost host(window);
    BrowserSink sink;
    Hosted hosted;
    CHECK(Start(window, host, sink, hosted));
    if (!hosted.web)
        return;
    sink.onEvent = [&](const BrowserEvent& e) {
        if (e.dispid == DISPID_DOCUMENTCOMPLETE)
            Stop(hosted);
    };
    Navigate(hosted.web.Get(), L"http://127.0.0.1/end");
    CHECK(PumpUntil([&] { return !hosted.object; }, 3000));
    PumpFor(100);
    CHECK_EQ(sink.Count(DISPID_DOCUMENTCOMPLETE, L"http://127.0.0.1/end"), 1);
    CHECK_EQ(CountLogLines(ReadLog(), {"call destroyed"}), 1);
    CHECK_EQ(host.Refs(), 1);
}

void TestNavigationFromInsideBeforeNavigate(HWND window) {
    UseScript(L"nested-navigation", "");
    TestHost host(window);
    BrowserSink sink;
    Hosted hosted;
    CHECK(Start(window, host, sink, hosted));
    if (!hosted.web)
        return;
    const std::wstring first = L"http://127.0.0.1/first", second = L"http://127.0.0.1/second";
    sink.onEvent = [&](const BrowserEvent& e) {
        if (e.dispid == DISPID_BEFORENAVIGATE2 && e.url == first)
            Navigate(hosted.web.Get(), second);
    };
    Navigate(hosted.web.Get(), first);
    CHECK(PumpUntil([&] { return sink.Count(DISPID_DOCUMENTCOMPLETE, second) == 1; }, 3000));
    PumpFor(100);
    // The later navigation replaces the one that was being decided.
    CHECK_EQ(sink.Count(DISPID_NAVIGATECOMPLETE2, first), 0);
    CHECK_EQ(sink.Count(DISPID_DOCUMENTCOMPLETE, first), 0);
    Stop(hosted);
}

// A server's redirect raises BeforeNavigate2 only for a host whose
// GetHostInfo asks for it, with the host's cancel honoured; otherwise the
// target simply loads. The target completes once, whatever its own page in
// the script says, and the redirected page's later steps are dropped.
void TestServerRedirect(HWND window) {
    const std::wstring form = L"http://127.0.0.1/form", game = L"http://127.0.0.1/play_gamecode";
    UseScript(L"server-redirect", "page http://127.0.0.1/form\n"
                                  "  redirect http://127.0.0.1/play_gamecode\n  complete\n"
                                  "page http://127.0.0.1/play_gamecode\n  complete\n  complete\n");
    // notify, cancel: BeforeNavigate2 and the target's completions expected
    const int cases[][4] = {{0, 1, 0, 1}, {1, 0, 1, 1}, {1, 1, 1, 0}};
    for (const auto& c : cases) {
        TestHost host(window);
        host.hostFlags |= c[0] ? DOCHOSTUIFLAG_ENABLE_REDIRECT_NOTIFICATION : 0;
        BrowserSink sink;
        sink.cancelContaining = c[1] ? L"play_gamecode" : L"";
        Hosted hosted;
        CHECK(Start(window, host, sink, hosted));
        if (!hosted.web)
            return;
        Navigate(hosted.web.Get(), form);
        PumpUntil([&] { return sink.Count(DISPID_DOCUMENTCOMPLETE, c[3] ? game : form); }, 3000);
        PumpFor(100);
        CHECK_EQ(sink.Count(DISPID_BEFORENAVIGATE2, game), c[2]);
        CHECK_EQ(sink.Count(DISPID_NAVIGATECOMPLETE2, game), c[3]);
        CHECK_EQ(sink.Count(DISPID_DOCUMENTCOMPLETE, game), c[3]);
        CHECK_EQ(sink.Count(DISPID_DOCUMENTCOMPLETE, form), 1 - c[3]);
        Stop(hosted);
    }
    CHECK_EQ(CountLogLines(ReadLog(), {"call redirect", "notify=0"}), 1);
}

} // namespace

void RunRobustnessTests() {
    HostWindow window(60, 60, 640, 480);
    TestBrokenScriptStillBrowses(window.Get());
    TestMissingScript(window.Get());
    TestReleaseFromInsideAnEvent(window.Get());
    TestNavigationFromInsideBeforeNavigate(window.Get());
    TestServerRedirect(window.Get());
}

} // namespace selftest
