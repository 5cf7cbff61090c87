// CWebBrowserBase driven by the scripted browser stand-in: finished documents
// and frames, a cancelled redirect, new-window requests, the server window,
// and a host deleted while its page still has steps to run.
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/RecordingHost.h"
#include "tests/browser/StandinSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using test::RecordingHost;
using Urls = std::vector<std::wstring>;

const wchar_t kLogin[] = L"http://127.0.0.1:28080/showMiniIndex";

class StandinHost : public ::testing::Test {
protected:
    // Activates in the host window and starts the login page, as the login
    // popup does.
    void Start(const std::wstring& name, const std::string& script) {
        run = std::make_unique<test::StandinRun>(name, script);
        host = std::make_unique<RecordingHost>();
        host->host = window.Get();
        ASSERT_TRUE(host->InPlaceActivate());
        ASSERT_TRUE(host->Navigate(kLogin));
        ASSERT_TRUE(host->SetControlRect(RECT{0, 0, 0, 0}));
    }

    bool PumpUntilCompleted(size_t count) {
        return test::PumpUntil([&] { return host->completed.size() >= count; }, 5000);
    }

    test::HostWindow window{700, 460};
    std::unique_ptr<test::StandinRun> run;
    std::unique_ptr<RecordingHost> host;
};

TEST_F(StandinHost, EveryDocumentAndFrameReachesTheHooks) {
    Start(L"frames", "page http://127.0.0.1:28080/showMiniIndex*\n"
                     "  frame http://127.0.0.1:28080/showMiniIndex/top.html\n"
                     "  frame http://127.0.0.1:28080/showMiniIndex/form.html\n"
                     "  complete\n");
    ASSERT_TRUE(PumpUntilCompleted(3));
    EXPECT_EQ((Urls{L"http://127.0.0.1:28080/showMiniIndex/top.html",
                    L"http://127.0.0.1:28080/showMiniIndex/form.html", kLogin}),
              host->completed);
    EXPECT_EQ((Urls{kLogin, L"http://127.0.0.1:28080/showMiniIndex/top.html",
                    L"http://127.0.0.1:28080/showMiniIndex/form.html"}),
              host->navigations);
    auto hostInfo = run->Lines(L"call", L"GetHostInfo");
    ASSERT_EQ(1u, hostInfo.size());
    EXPECT_EQ(L"0x200000", hostInfo[0].Field(L"flags"));
}

TEST_F(StandinHost, CancelledRedirectStaysOnThePage) {
    Start(L"redirect", "page http://127.0.0.1:28080/showMiniIndex*\n"
                       "  complete\n"
                       "  navigate http://127.0.0.1:28080/play_gamecode?id=7\n"
                       "  complete\n");
    host->cancelContaining = L"play_gamecode";
    ASSERT_TRUE(PumpUntilCompleted(2));
    EXPECT_EQ((Urls{kLogin, kLogin}), host->completed);
    EXPECT_EQ((Urls{kLogin, L"http://127.0.0.1:28080/play_gamecode?id=7"}), host->navigations);
    auto before = run->Lines(L"event", L"BeforeNavigate2");
    ASSERT_EQ(2u, before.size());
    EXPECT_EQ(L"0", before[0].Field(L"cancel"));
    EXPECT_NE(L"0", before[1].Field(L"cancel"));
}

TEST_F(StandinHost, NewWindowRequestsGoToTheDefaultBrowser) {
    test::ShellRecorder shell;
    Start(L"newwindow", "page http://127.0.0.1:28080/showMiniIndex*\n"
                        "  complete\n"
                        "  newwindow http://127.0.0.1:28080/pay.html?a=1 b\n");
    ASSERT_TRUE(test::PumpUntil([&] { return !shell.Calls().empty(); }, 5000));
    ASSERT_EQ(1u, shell.Calls().size());
    EXPECT_EQ(L"http://127.0.0.1:28080/pay.html?a=1 b", shell.Calls()[0].file);
    EXPECT_EQ(L"", shell.Calls()[0].parameters);
    auto older = run->Lines(L"event", L"NewWindow2");
    auto newer = run->Lines(L"event", L"NewWindow3");
    ASSERT_EQ(1u, older.size());
    ASSERT_EQ(1u, newer.size());
    EXPECT_NE(L"0", older[0].Field(L"cancel"));
    EXPECT_NE(L"0", newer[0].Field(L"cancel"));
}

TEST_F(StandinHost, ServerWindowIsFoundOnceAPageIsShown) {
    run = std::make_unique<test::StandinRun>(L"server", "page *\n  wait 100\n  complete\n");
    host = std::make_unique<RecordingHost>();
    host->host = window.Get();
    ASSERT_TRUE(host->InPlaceActivate());
    EXPECT_EQ(nullptr, host->FindServerWindow());
    ASSERT_TRUE(host->Navigate(kLogin));
    ASSERT_TRUE(PumpUntilCompleted(1));
    HWND server = host->FindServerWindow();
    ASSERT_NE(nullptr, server);
    wchar_t className[64] = L"";
    GetClassNameW(server, className, 64);
    EXPECT_STREQ(L"Internet Explorer_Server", className);
    EXPECT_TRUE(IsChild(window.Get(), server));
}

TEST_F(StandinHost, CompletedPageMovesTheControlWhereTheHookSays) {
    Start(L"placement", "page http://127.0.0.1:28080/showMiniIndex*\n  wait 100\n  complete\n");
    HWND control = GetWindow(window.Get(), GW_CHILD);
    ASSERT_NE(nullptr, control);
    RECT hidden = test::ChildRect(control);
    EXPECT_TRUE(IsRectEmpty(&hidden));
    ASSERT_TRUE(PumpUntilCompleted(1));
    const RECT target{0, 72, 700, 460};
    ASSERT_TRUE(host->SetControlRect(target));
    RECT shown = test::ChildRect(control);
    EXPECT_TRUE(EqualRect(&target, &shown));
    auto extents = run->Lines(L"call", L"SetExtent");
    ASSERT_FALSE(extents.empty());
    EXPECT_EQ(L"700", extents.back().Field(L"cx"));
    EXPECT_EQ(L"388", extents.back().Field(L"cy"));
}

TEST_F(StandinHost, DeletedHostIsLeftAloneAndHoldsNothing) {
    test::ShellRecorder shell;
    Start(L"delete", "page http://127.0.0.1:28080/showMiniIndex*\n"
                     "  complete\n"
                     "  wait 300\n"
                     "  newwindow http://127.0.0.1:28080/late.html\n"
                     "  frame http://127.0.0.1:28080/late-frame.html\n"
                     "  complete\n");
    ASSERT_TRUE(PumpUntilCompleted(1));
    host.reset();
    test::PumpFor(800);

    EXPECT_TRUE(shell.Calls().empty());
    auto log = run->Log();
    size_t closed = log.size();
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].Is(L"call", L"Close") && closed == log.size())
            closed = i;
        EXPECT_FALSE(log[i].Is(L"call", L"sink-left")) << "an event connection was left";
        EXPECT_FALSE(log[i].Is(L"call", L"site-left")) << "the site was not released";
        if (i > closed && log[i].kind == L"event") {
            EXPECT_EQ(L"0", log[i].Field(L"sinks")) << "an event reached a sink";
        }
    }
    ASSERT_LT(closed, log.size());
    EXPECT_EQ(L"0", log[closed].Field(L"site-refs-after"));
    auto unadvise = run->Lines(L"call", L"unadvise");
    ASSERT_EQ(1u, unadvise.size());
    EXPECT_EQ(L"DWebBrowserEvents2", unadvise[0].Field(L"events"));
    EXPECT_EQ(L"0", unadvise[0].Field(L"sinks"));
    EXPECT_EQ(1u, run->Lines(L"call", L"destroyed").size());
}

} // namespace
