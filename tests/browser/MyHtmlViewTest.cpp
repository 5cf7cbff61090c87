// CMyHtmlView with the system's own browser control: how the owners create it,
// its window's answers, its ownership rule, and the framework view's reading
// of the browser's event arguments.
#include "browser/MyHtmlView.h"
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/EventArgs.h"

#include <exdispid.h>
#include <gtest/gtest.h>

namespace {

int g_viewsDeleted = 0;

class TestView : public CMyHtmlView {
public:
    ~TestView() override { ++g_viewsDeleted; }

    void OnBeforeNavigate2(const std::wstring& url, DWORD flags, const std::wstring& frame,
                           const std::wstring& headers, VARIANT_BOOL* cancel) override {
        navigations.push_back(url + L"|" + std::to_wstring(flags) + L"|" + frame + L"|" + headers);
        if (url.find(L"blocked") != std::wstring::npos)
            *cancel = VARIANT_TRUE;
    }
    void OnDocumentComplete(const std::wstring& url) override {
        completed.push_back(url);
        CMyHtmlView::OnDocumentComplete(url);
    }

    std::vector<std::wstring> navigations;
    std::vector<std::wstring> completed;
};

// The plain framework view, which deletes itself with its window.
class PlainView : public fw::CHtmlView {
public:
    ~PlainView() override { ++g_viewsDeleted; }
};

int g_parentContextMenus = 0;

LRESULT CALLBACK CountingParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU) {
        ++g_parentContextMenus;
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

const RECT kEmpty{0, 0, 0, 0};

class HtmlView : public ::testing::Test {
protected:
    void SetUp() override {
        g_viewsDeleted = 0;
        view = new TestView;
        ASSERT_TRUE(view->CreateEx(0, nullptr, L"MyWebBrowser", WS_CHILD | WS_VISIBLE, kEmpty,
                                   owner.Get(), 10000));
    }
    void TearDown() override { delete view; }

    // The view's client site, which also receives the browser's events.
    fw::ComPtr<IDispatch> EventSink() {
        auto control = fw::ComPtr<IWebBrowser2>::Attach(view->GetBrowser());
        view->GetBrowser()->AddRef();
        auto object = control.As<IOleObject>(IID_IOleObject);
        fw::ComPtr<IOleClientSite> site;
        if (object)
            object->GetClientSite(site.Put());
        return site.As<IDispatch>(IID_IDispatch);
    }

    test::HostWindow owner{500, 400};
    TestView* view = nullptr;
};

TEST_F(HtmlView, IsCreatedAsTheOwnersAskWithClippedChildren) {
    HWND window = view->GetSafeHwnd();
    EXPECT_EQ(owner.Get(), GetParent(window));
    EXPECT_EQ(10000, GetDlgCtrlID(window));
    wchar_t name[32] = L"";
    GetWindowTextW(window, name, 32);
    EXPECT_STREQ(L"MyWebBrowser", name);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN),
              style & (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN));
    EXPECT_NE(nullptr, view->GetBrowser());
    EXPECT_EQ(0u, view->ClickSinkCookie());
}

TEST_F(HtmlView, ControlFollowsTheViewSize) {
    MoveWindow(view->GetSafeHwnd(), 0, 30, 500, 370, FALSE);
    HWND control = GetWindow(view->GetSafeHwnd(), GW_CHILD);
    ASSERT_NE(nullptr, control);
    const RECT expected{0, 0, 500, 370};
    RECT actual = test::ChildRect(control);
    EXPECT_TRUE(EqualRect(&expected, &actual));
}

TEST_F(HtmlView, ContextMenuOfTheViewWindowIsSwallowed) {
    SetWindowLongPtrW(owner.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingParentProc));
    g_parentContextMenus = 0;
    SendMessageW(view->GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->GetSafeHwnd()),
                 MAKELPARAM(20, 20));
    EXPECT_EQ(0, g_parentContextMenus);
    // The same message to a plain child reaches the parent, so the count can
    // tell.
    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, owner.Get(), nullptr,
                                 nullptr, nullptr);
    SendMessageW(plain, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(plain), MAKELPARAM(20, 20));
    EXPECT_EQ(1, g_parentContextMenus);
}

TEST_F(HtmlView, OwnerDeletesTheViewAfterItsWindowIsGone) {
    DestroyWindow(owner.Get());
    EXPECT_EQ(nullptr, view->GetSafeHwnd());
    EXPECT_EQ(0, g_viewsDeleted);
    delete view;
    view = nullptr;
    EXPECT_EQ(1, g_viewsDeleted);
}

TEST_F(HtmlView, DeletingTheViewTakesItsWindowAlong) {
    delete view;
    view = nullptr;
    EXPECT_EQ(1, g_viewsDeleted);
    EXPECT_EQ(nullptr, GetWindow(owner.Get(), GW_CHILD));
}

TEST(FrameworkHtmlView, DeletesItselfWithItsWindow) {
    g_viewsDeleted = 0;
    test::HostWindow owner(300, 200);
    auto* view = new PlainView;
    ASSERT_TRUE(view->CreateEx(0, nullptr, L"view", WS_CHILD, kEmpty, owner.Get(), 1));
    DestroyWindow(owner.Get());
    EXPECT_EQ(1, g_viewsDeleted);
}

TEST_F(HtmlView, EventArgumentsAreReadInDeclaredOrder) {
    test::ShellRecorder shell;
    fw::ComPtr<IDispatch> sink = EventSink();
    ASSERT_TRUE(sink);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    test::EventArgs before;
    before.Dispatch(nullptr)
        .TextByRef(L"http://a/blocked")
        .Long(4)
        .TextByRef(L"_top")
        .Empty()
        .TextByRef(L"H: 1")
        .BoolRef(&cancel);
    sink->Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, 0, DISPATCH_METHOD, before.Params(), nullptr,
                 nullptr, nullptr);
    EXPECT_EQ((std::vector<std::wstring>{L"http://a/blocked|4|_top|H: 1"}), view->navigations);
    EXPECT_EQ(VARIANT_TRUE, cancel);

    IDispatch* newBrowser = nullptr;
    VARIANT_BOOL newCancel = VARIANT_FALSE;
    test::EventArgs newWindow;
    newWindow.DispatchRef(&newBrowser)
        .BoolRef(&newCancel)
        .Long(0)
        .Text(L"http://a/")
        .Text(L"http://b/popup");
    sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, 0, DISPATCH_METHOD, newWindow.Params(), nullptr,
                 nullptr, nullptr);
    EXPECT_EQ(VARIANT_TRUE, newCancel);
    ASSERT_EQ(1u, shell.Calls().size());
    EXPECT_EQ(L"http://b/popup", shell.Calls()[0].file);

    test::EventArgs complete;
    complete.Dispatch(nullptr).TextByRef(L"http://a/frame");
    sink->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, complete.Params(), nullptr,
                 nullptr, nullptr);
    EXPECT_EQ((std::vector<std::wstring>{L"http://a/frame"}), view->completed);
    // No document here to connect the click sink to.
    EXPECT_EQ(0u, view->ClickSinkCookie());
}

TEST_F(HtmlView, NavigationIsReportedByTheControl) {
    const std::wstring url = L"http://127.0.0.1:9/game?play_gamecode=1";
    ASSERT_TRUE(view->Navigate(url.c_str()));
    ASSERT_TRUE(test::PumpUntil([&] { return !view->navigations.empty(); }, 5000));
    EXPECT_EQ(0u, view->navigations.front().rfind(url + L"|", 0));
}

} // namespace
