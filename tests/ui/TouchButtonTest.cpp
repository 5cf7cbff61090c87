// The image button on a plain one-colour window: its painted pixels in each
// state, its fallbacks for missing images, the double-click rule, the cursor
// and the tooltip.
#include "ui/TouchButton.h"

#include "framework/Handles.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <vector>

namespace {

using uitest::Pixels;

constexpr uint32_t kBackground = 0x1E3C6E;
constexpr int kButtonId = 7;
// Larger than the 82 x 34 images, so the captured background shows to the
// right and below.
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 40;
constexpr WORD kNormal = 314;
constexpr WORD kHover = 313;
constexpr WORD kPressed = 311;
constexpr WORD kMissing = 9999;
// Rounding of GDI+'s premultiplied blending against ours.
constexpr int kTolerance = 4;

struct ToolTipSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectToolTip(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ToolTipSearch*>(context);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == search->owner)
        search->found.push_back(window);
    return TRUE;
}

class TouchButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent_.Create(RECT{120, 120, 320, 220}));
        HWND control = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20,
                                       30, kButtonWidth, kButtonHeight, parent_.m_hWnd,
                                       reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        ASSERT_NE(nullptr, control);
        ASSERT_TRUE(button_.SubclassWindow(control));
    }

    void Show() {
        ShowWindow(parent_.m_hWnd, SW_SHOWNOACTIVATE);
        UpdateWindow(parent_.m_hWnd);
        UpdateWindow(button_.m_hWnd);
        uitest::PumpRaw(50);
    }

    Pixels Paint() {
        UpdateWindow(button_.m_hWnd);
        return uitest::CaptureClient(button_.m_hWnd);
    }

    Pixels Expected(WORD id, bool brighten) {
        auto image = uitest::DecodePng(id);
        EXPECT_NE(nullptr, image);
        if (!image)
            return Pixels();
        return uitest::Composite(*image, kBackground, kButtonWidth, kButtonHeight, brighten);
    }

    Pixels Background() {
        Pixels pixels;
        pixels.width = kButtonWidth;
        pixels.height = kButtonHeight;
        pixels.data.assign(static_cast<size_t>(kButtonWidth) * kButtonHeight, kBackground);
        return pixels;
    }

    void Post(UINT msg, WPARAM wParam) {
        PostMessageW(button_.m_hWnd, msg, wParam, MAKELPARAM(5, 5));
    }

    // Tooltip windows of the button (a pop-up is owned by its top-level window).
    std::vector<HWND> ToolTips() {
        ToolTipSearch search{GetAncestor(button_.m_hWnd, GA_ROOT), {}};
        EnumThreadWindows(GetCurrentThreadId(), CollectToolTip, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    uitest::SolidWindow parent_{kBackground};
    CTouchButton button_;
};

TEST_F(TouchButtonTest, BecomesOwnerDrawWhenSubclassed) {
    LONG style = GetWindowLongW(button_.m_hWnd, GWL_STYLE);
    EXPECT_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
}

TEST_F(TouchButtonTest, PaintsEachStateOverTheParentsPixels) {
    button_.SetStateImages(kNormal, kHover, kPressed);
    Show();
    Pixels normal = Expected(kNormal, false);
    Pixels hover = Expected(kHover, true);
    Pixels pressed = Expected(kPressed, false);
    ASSERT_GT(uitest::MaxDistance(normal, hover), 10);
    ASSERT_GT(uitest::MaxDistance(normal, pressed), 10);

    EXPECT_LE(uitest::MaxDistance(normal, Paint()), kTolerance) << "first paint";

    SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_LE(uitest::MaxDistance(hover, Paint()), kTolerance) << "hover, brightened";

    SendMessageW(button_.m_hWnd, BM_SETSTATE, TRUE, 0);
    EXPECT_LE(uitest::MaxDistance(pressed, Paint()), kTolerance) << "held down";

    SendMessageW(button_.m_hWnd, BM_SETSTATE, FALSE, 0);
    EXPECT_LE(uitest::MaxDistance(hover, Paint()), kTolerance) << "released, mouse still on it";

    SendMessageW(button_.m_hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_LE(uitest::MaxDistance(normal, Paint()), kTolerance) << "mouse gone";

    SendMessageW(button_.m_hWnd, BM_SETSTATE, TRUE, 0);
    EXPECT_LE(uitest::MaxDistance(pressed, Paint()), kTolerance) << "pressed from normal";
}

TEST_F(TouchButtonTest, OneImageForAllStatesIsOnlyBrighterInHover) {
    button_.SetStateImages(kNormal, kNormal, kNormal);
    Show();
    Pixels normal = Paint();
    SendMessageW(button_.m_hWnd, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(normal, Paint());
    SendMessageW(button_.m_hWnd, BM_SETSTATE, FALSE, 0);
    SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, 0);
    EXPECT_LE(uitest::MaxDistance(Expected(kNormal, true), Paint()), kTolerance);
}

TEST_F(TouchButtonTest, KeepsTheBackgroundCapturedAtFirstPaint) {
    button_.SetStateImages(kNormal, kHover, kPressed);
    Show();
    Pixels first = Paint();
    ShowWindow(button_.m_hWnd, SW_HIDE);
    {
        // A different face under the button: a fresh capture would show it.
        fw::WindowDc dc(parent_.m_hWnd);
        RECT all{0, 0, 2000, 2000};
        fw::UniqueGdiObject red(CreateSolidBrush(RGB(200, 30, 30)));
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(red.Get()));
    }
    ShowWindow(button_.m_hWnd, SW_SHOWNOACTIVATE);
    EXPECT_EQ(first, Paint());
}

TEST_F(TouchButtonTest, MissingImageShowsTheBackgroundAndStaysClickable) {
    button_.SetStateImages(kNormal, kMissing, kPressed);
    Show();
    EXPECT_LE(uitest::MaxDistance(Expected(kNormal, false), Paint()), kTolerance);
    SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(Background(), Paint());

    SendMessageW(button_.m_hWnd, BM_CLICK, 0, 0);
    uitest::Pump(20);
    EXPECT_EQ(1, parent_.clicks);
}

TEST_F(TouchButtonTest, WithoutImagesPaintsNothingAndDoesNotFail) {
    Show();
    SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, 0);
    SendMessageW(button_.m_hWnd, BM_SETSTATE, TRUE, 0);
    UpdateWindow(button_.m_hWnd);
    SendMessageW(button_.m_hWnd, BM_SETSTATE, FALSE, 0);
    SendMessageW(button_.m_hWnd, BM_CLICK, 0, 0);
    uitest::Pump(20);
    EXPECT_EQ(1, parent_.clicks);
}

TEST_F(TouchButtonTest, DoubleClickCountsAsTwoClicks) {
    button_.SetStateImages(kNormal, kHover, kPressed);
    Show();
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Post(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    uitest::Pump(50);
    EXPECT_EQ(2, parent_.clicks);
    EXPECT_EQ(0, parent_.doubleClicks);

    // Dispatched without the button's pre-translation, the control itself
    // reports a double-click and no second click.
    parent_.clicks = 0;
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Post(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    uitest::PumpRaw(50);
    EXPECT_EQ(1, parent_.clicks);
    EXPECT_EQ(1, parent_.doubleClicks);
}

TEST_F(TouchButtonTest, LeavesOtherWindowsDoubleClicksAlone) {
    MSG msg{parent_.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, 0, 0, {0, 0}};
    EXPECT_FALSE(button_.PreTranslateMessage(&msg));
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDBLCLK), msg.message);
    msg.hwnd = button_.m_hWnd;
    EXPECT_FALSE(button_.PreTranslateMessage(&msg));
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), msg.message);
}

TEST_F(TouchButtonTest, ShowsTheHandCursor) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(TRUE,
              SendMessageW(button_.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(button_.m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());
}

TEST_F(TouchButtonTest, TooltipIsRebuiltOnEveryHoverWithTheAutomaticDelay) {
    button_.SetStateImages(kNormal, kHover, kPressed);
    Show();
    button_.SetToolTipText(L"刷新", true);
    ASSERT_EQ(1u, ToolTips().size());

    std::vector<HWND> seen;
    for (int visit = 0; visit < 2; ++visit) {
        SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, 0);
        std::vector<HWND> tips = ToolTips();
        ASSERT_EQ(1u, tips.size()) << "visit " << visit;
        HWND tip = tips[0];
        seen.push_back(tip);
        EXPECT_EQ(1, SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
        EXPECT_EQ(2000, SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
        EXPECT_EQ(20000, SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
        EXPECT_EQ(400, SendMessageW(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));

        wchar_t text[32] = {};
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = button_.m_hWnd;
        info.uId = 1;
        info.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(L"刷新", text);
        SendMessageW(button_.m_hWnd, WM_MOUSELEAVE, 0, 0);
    }
    EXPECT_FALSE(IsWindow(seen[0])) << "the first visit's tooltip is gone";
}

TEST_F(TouchButtonTest, EmptyTooltipTextMakesNoTooltipButHoverStillRepaints) {
    button_.SetStateImages(kNormal, kHover, kPressed);
    Show();
    button_.SetToolTipText(L"", true);
    SendMessageW(button_.m_hWnd, WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(ToolTips().empty());
    EXPECT_LE(uitest::MaxDistance(Expected(kHover, true), Paint()), kTolerance);
}

} // namespace
