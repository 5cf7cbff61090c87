// CWebBrowserBase with the system's own browser control: activation in a host
// window, placement, navigation with BeforeNavigate2, and closing without
// leaving references behind. (Documents never finish loading here; those
// paths are driven through the scripted browser stand-in.)
#include "tests/browser/BrowserTestSupport.h"
#include "tests/browser/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

using test::RecordingHost;

HWND OnlyChild(HWND parent) {
    HWND child = GetWindow(parent, GW_CHILD);
    return child && !GetWindow(child, GW_HWNDNEXT) ? child : nullptr;
}

bool SameRect(const RECT& expected, const RECT& actual) {
    return EqualRect(&expected, &actual);
}

class WebBrowserHost : public ::testing::Test {
protected:
    void SetUp() override {
        host.host = window.Get();
        ASSERT_TRUE(host.HasControl());
    }

    test::HostWindow window{400, 300};
    RecordingHost host;
};

TEST_F(WebBrowserHost, ActivationFillsTheHostClientAreaOnce) {
    ASSERT_TRUE(host.InPlaceActivate());
    EXPECT_TRUE(host.IsActivated());
    EXPECT_TRUE(host.InPlacePermitted());
    const RECT client{0, 0, 400, 300};
    EXPECT_TRUE(SameRect(client, host.ControlRect()));
    HWND control = OnlyChild(window.Get());
    ASSERT_NE(nullptr, control);
    EXPECT_TRUE(SameRect(client, test::ChildRect(control)));

    EXPECT_TRUE(host.InPlaceActivate());
    EXPECT_EQ(control, OnlyChild(window.Get()));
}

TEST_F(WebBrowserHost, RectangleBeforeActivationIsOnlyStored) {
    const RECT stored{10, 20, 110, 220};
    ASSERT_TRUE(host.SetControlRect(stored));
    EXPECT_TRUE(SameRect(stored, host.ControlRect()));
    EXPECT_EQ(nullptr, GetWindow(window.Get(), GW_CHILD));
}

TEST_F(WebBrowserHost, ActiveControlFollowsItsRectangle) {
    ASSERT_TRUE(host.InPlaceActivate());
    HWND control = OnlyChild(window.Get());
    ASSERT_NE(nullptr, control);

    const RECT moved{10, 20, 110, 220};
    ASSERT_TRUE(host.SetControlRect(moved));
    EXPECT_TRUE(SameRect(moved, host.ControlRect()));
    EXPECT_TRUE(SameRect(moved, test::ChildRect(control)));

    // Empty hides the control but keeps it active.
    const RECT empty{0, 0, 0, 0};
    ASSERT_TRUE(host.SetControlRect(empty));
    RECT hidden = test::ChildRect(control);
    EXPECT_TRUE(IsRectEmpty(&hidden));
    EXPECT_TRUE(host.IsActivated());
    EXPECT_EQ(control, OnlyChild(window.Get()));
}

TEST_F(WebBrowserHost, NavigationIsReportedBeforeItHappens) {
    ASSERT_TRUE(host.InPlaceActivate());
    const std::wstring url = L"http://127.0.0.1:9/showMiniIndex?from=test";
    ASSERT_TRUE(host.Navigate(url));
    EXPECT_EQ(url, host.Address());
    ASSERT_TRUE(test::PumpUntil([&] { return !host.navigations.empty(); }, 5000));
    EXPECT_EQ(url, host.navigations.front());
}

TEST_F(WebBrowserHost, NavigationBeforeActivationReportsNothing) {
    VARIANT address;
    VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = SysAllocString(L"http://127.0.0.1:9/quiet");
    EXPECT_TRUE(host.Navigate(address));
    VariantClear(&address);
    EXPECT_EQ(L"http://127.0.0.1:9/quiet", host.Address());
    test::PumpFor(500);
    EXPECT_TRUE(host.navigations.empty());
}

TEST_F(WebBrowserHost, ClosingGivesBackEveryReference) {
    ASSERT_TRUE(host.InPlaceActivate());
    ASSERT_TRUE(host.Navigate(L"http://127.0.0.1:9/closing"));
    test::PumpUntil([&] { return !host.navigations.empty(); }, 5000);
    EXPECT_GT(host.RefCount(), 0);

    host.Close();
    test::PumpFor(200);
    EXPECT_EQ(0, host.RefCount());
    EXPECT_FALSE(host.HasControl());
    EXPECT_EQ(nullptr, host.GetWebBrowser());
    EXPECT_FALSE(host.InPlaceActivate());
    EXPECT_FALSE(host.Navigate(L"http://127.0.0.1:9/after"));
    EXPECT_EQ(nullptr, GetWindow(window.Get(), GW_CHILD));
}

} // namespace
