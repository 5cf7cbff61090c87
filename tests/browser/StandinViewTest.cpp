// CMyHtmlView driven by the scripted browser stand-in: the click sink follows
// the documents (one connection after a page with frames), new windows go to
// the player's browser, and deleting the view lets go of control and sink.
#include "browser/MyHtmlView.h"
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/StandinSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const wchar_t kGame[] = L"http://127.0.0.1:28080/game?play_gamecode=1";

class CompletionCountingView : public CMyHtmlView {
public:
    void OnDocumentComplete(const std::wstring& url) override {
        ++completed;
        CMyHtmlView::OnDocumentComplete(url);
    }
    int completed = 0;
};

class StandinView : public ::testing::Test {
protected:
    // Creates the view as the game window does and opens the game page.
    void Start(const std::wstring& name, const std::string& script) {
        run = std::make_unique<test::StandinRun>(name, script);
        view = new CompletionCountingView;
        ASSERT_TRUE(view->CreateEx(0, nullptr, L"MyWebBrowser", WS_CHILD | WS_VISIBLE,
                                   RECT{0, 0, 0, 0}, owner.Get(), 10000));
        MoveWindow(view->GetSafeHwnd(), 0, 30, 800, 570, FALSE);
        ASSERT_TRUE(view->Navigate(kGame));
    }
    void TearDown() override { delete view; }

    size_t Count(const wchar_t* kind, const wchar_t* name, const wchar_t* events = nullptr) {
        size_t count = 0;
        for (const auto& line : run->Lines(kind, name))
            if (!events || line.Field(L"events") == events)
                ++count;
        return count;
    }

    test::HostWindow owner{800, 600};
    std::unique_ptr<test::StandinRun> run;
    CompletionCountingView* view = nullptr;
};

TEST_F(StandinView, OneClickConnectionAfterAPageWithFrames) {
    test::ShellRecorder shell;
    Start(L"view-frames",
          "page http://127.0.0.1:28080/game*\n"
          "  frame http://127.0.0.1:28080/left.html\n"
          "  frame http://127.0.0.1:28080/right.html\n"
          "  complete\n"
          "  wait 50\n"
          "  click IMG src=n.png < A href=\"http://127.0.0.1:28080/news?id=1\" < BODY\n"
          "  click SPAN < ABBR title=x < AREA href=http://area/ < BODY\n"
          "  click A < DIV\n");
    ASSERT_TRUE(test::PumpUntil([&] { return Count(L"event", L"onclick") >= 3; }, 5000));
    EXPECT_EQ(3, view->completed);
    EXPECT_NE(0u, view->ClickSinkCookie());
    EXPECT_EQ(3u, Count(L"call", L"advise", L"HTMLDocumentEvents2"));
    EXPECT_EQ(2u, Count(L"call", L"unadvise", L"HTMLDocumentEvents2"));
    for (const auto& click : run->Lines(L"event", L"onclick"))
        EXPECT_EQ(L"1", click.Field(L"sinks"));
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:http://127.0.0.1:28080/news?id=1\r\n",
                                         L"单击事件:\r\n"}),
              shell.DebugLines());
}

TEST_F(StandinView, ConnectionMovesToTheNextPage) {
    test::ShellRecorder shell;
    Start(L"view-next", "page http://127.0.0.1:28080/game*\n"
                        "  complete\n"
                        "  navigate http://127.0.0.1:28080/next.html\n"
                        "page http://127.0.0.1:28080/next.html\n"
                        "  complete\n"
                        "  click A href=http://127.0.0.1:28080/second\n");
    ASSERT_TRUE(test::PumpUntil([&] { return !shell.DebugLines().empty(); }, 5000));
    EXPECT_EQ(2, view->completed);
    EXPECT_EQ(2u, Count(L"call", L"advise", L"HTMLDocumentEvents2"));
    EXPECT_EQ(1u, Count(L"call", L"unadvise", L"HTMLDocumentEvents2"));
    EXPECT_EQ((std::vector<std::wstring>{L"单击事件:http://127.0.0.1:28080/second\r\n"}),
              shell.DebugLines());
}

TEST_F(StandinView, PagesOpenNoWindowsOfTheirOwn) {
    test::ShellRecorder shell;
    Start(L"view-newwindow", "page http://127.0.0.1:28080/game*\n"
                             "  complete\n"
                             "  newwindow http://127.0.0.1:28080/pay.html\n");
    ASSERT_TRUE(test::PumpUntil([&] { return !shell.Calls().empty(); }, 5000));
    ASSERT_EQ(1u, shell.Calls().size());
    EXPECT_EQ(L"Open", shell.Calls()[0].verb);
    EXPECT_EQ(L"http://127.0.0.1:28080/pay.html", shell.Calls()[0].file);
    EXPECT_EQ(L"", shell.Calls()[0].parameters);
    auto older = run->Lines(L"event", L"NewWindow2");
    auto newer = run->Lines(L"event", L"NewWindow3");
    ASSERT_EQ(1u, older.size());
    ASSERT_EQ(1u, newer.size());
    EXPECT_EQ(L"0", older[0].Field(L"cancel"));
    EXPECT_NE(L"0", newer[0].Field(L"cancel"));
}

TEST_F(StandinView, RefreshAndDocumentReachTheControl) {
    Start(L"view-refresh", "page http://127.0.0.1:28080/game*\n  complete\n");
    ASSERT_TRUE(test::PumpUntil([&] { return view->completed == 1; }, 5000));
    EXPECT_TRUE(view->GetHtmlDocument());
    EXPECT_TRUE(view->Refresh());
    EXPECT_EQ(1u, Count(L"call", L"Refresh"));
}

TEST_F(StandinView, OwnerDeletingTheViewLeavesNothingConnected) {
    test::ShellRecorder shell;
    Start(L"view-delete", "page http://127.0.0.1:28080/game*\n"
                          "  complete\n"
                          "  wait 300\n"
                          "  click A href=http://127.0.0.1:28080/late\n"
                          "  newwindow http://127.0.0.1:28080/late.html\n");
    ASSERT_TRUE(test::PumpUntil([&] { return view->completed == 1; }, 5000));
    DestroyWindow(owner.Get());
    delete view;
    view = nullptr;
    test::PumpFor(800);

    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(shell.DebugLines().empty());
    EXPECT_EQ(0u, Count(L"call", L"sink-left"));
    EXPECT_EQ(0u, Count(L"call", L"site-left"));
    EXPECT_EQ(1u, Count(L"call", L"unadvise", L"HTMLDocumentEvents2"));
    EXPECT_EQ(1u, Count(L"call", L"unadvise", L"DWebBrowserEvents2"));
    auto close = run->Lines(L"call", L"Close");
    ASSERT_EQ(1u, close.size());
    // Only the view's own reference to its site is left when the control lets go.
    EXPECT_EQ(L"1", close[0].Field(L"site-refs-after"));
    EXPECT_EQ(1u, Count(L"call", L"destroyed"));
}

} // namespace
