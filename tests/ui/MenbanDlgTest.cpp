// The overlay over a stand-in game window: its layered style, its face, the
// frame sequence of its animation timer and what other timers do.
#include "ui/MenbanDlg.h"

#include "framework/Handles.h"
#include "resources/resource.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

namespace {

using uitest::Pixels;

constexpr int kWidth = 400;
constexpr int kHeight = 300;
// Black at alpha 0xE6 over white.
constexpr uint32_t kMask = 0x191919;
constexpr WORD kFirstFrame = 276;

class MenbanDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(game_.Create(RECT{50, 50, 50 + kWidth, 50 + kHeight}));
        ShowWindow(game_.m_hWnd, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(overlay_.Create(IDD_MENBAN, game_.m_hWnd));
        ShowWindow(overlay_.m_hWnd, SW_HIDE);
    }

    void ShowOverGame() {
        RECT rect{};
        GetWindowRect(game_.m_hWnd, &rect);
        SetWindowPos(overlay_.m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER);
        ShowWindow(overlay_.m_hWnd, SW_SHOW);
        UpdateWindow(overlay_.m_hWnd);
    }

    void Tick(UINT_PTR id) { SendMessageW(overlay_.m_hWnd, WM_TIMER, id, 0); }

    // Where the 23 x 23 frames are drawn in the 400 x 300 pane.
    static RECT FrameRect() {
        int x = (kWidth - 23) / 2;
        int y = (kHeight - 23) / 2 - 40;
        return RECT{x, y, x + 23, y + 23};
    }

    // Frame n (1 to 4) as it should look over the mask.
    static Pixels ExpectedFrame(int n) {
        Pixels pixels;
        pixels.width = pixels.height = 23;
        pixels.data.assign(23 * 23, kMask);
        auto image = uitest::DecodePng(static_cast<WORD>(kFirstFrame + n - 1));
        EXPECT_NE(nullptr, image);
        if (image)
            uitest::CompositeOnto(pixels, *image, 0, 0);
        return pixels;
    }

    Pixels ShownFrame() { return uitest::CaptureClient(overlay_.m_hWnd).Crop(FrameRect()); }

    uitest::SolidWindow game_{0x336699};
    CMenbanDlg overlay_;
};

constexpr int kTolerance = 4;

TEST_F(MenbanDlgTest, IsALayeredPaneAtConstantAlpha229) {
    EXPECT_NE(0, GetWindowLongW(overlay_.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(overlay_.m_hWnd, &key, &alpha, &flags));
    EXPECT_EQ(229, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
    EXPECT_FALSE(IsWindowVisible(overlay_.m_hWnd));
}

TEST_F(MenbanDlgTest, PaintsMaskFirstFrameAndCreamText) {
    ShowOverGame();
    Pixels face = uitest::CaptureClient(overlay_.m_hWnd);
    ASSERT_EQ(kWidth, face.width);
    EXPECT_LE(uitest::ChannelDistance(kMask, face.At(0, 0)), 2);
    EXPECT_LE(uitest::ChannelDistance(kMask, face.At(kWidth - 1, kHeight - 1)), 2);
    EXPECT_LE(uitest::MaxDistance(ExpectedFrame(1), face.Crop(FrameRect())), kTolerance);

    // String 116 in cream: warm light pixels inside the text rectangle only.
    RECT text{(kWidth - 200) / 2, (kHeight - 31) / 2, (kWidth - 200) / 2 + 200,
              (kHeight - 31) / 2 + 31};
    int cream = 0;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left; x < text.right; ++x) {
            uint32_t c = face.At(x, y);
            cream += ((c >> 16) & 0xFF) > 180 && ((c >> 16) & 0xFF) > (c & 0xFF) + 10;
        }
    EXPECT_GT(cream, 20);
    EXPECT_FALSE(uitest::SaveArtifact(face, L"overlay.png").empty());
}

TEST_F(MenbanDlgTest, TimerRunsTheFramesInACircle) {
    ShowOverGame();
    const int expected[] = {1, 2, 3, 4, 1, 2, 3, 4, 1};
    int tick = 0;
    for (int frame : expected) {
        Tick(CMenbanDlg::kTimerId);
        EXPECT_LE(uitest::MaxDistance(ExpectedFrame(frame), ShownFrame()), kTolerance)
            << "tick " << ++tick << " should show frame " << frame;
    }
}

TEST_F(MenbanDlgTest, OtherTimersChangeNothing) {
    ShowOverGame();
    Tick(CMenbanDlg::kTimerId);
    Tick(CMenbanDlg::kTimerId);
    Pixels before = uitest::CaptureClient(overlay_.m_hWnd);
    for (UINT_PTR id : {UINT_PTR(1), UINT_PTR(4999), UINT_PTR(5001)})
        Tick(id);
    EXPECT_EQ(before, uitest::CaptureClient(overlay_.m_hWnd));
    Tick(CMenbanDlg::kTimerId);
    EXPECT_LE(uitest::MaxDistance(ExpectedFrame(3), ShownFrame()), kTolerance)
        << "the sequence goes on where it was";
}

TEST_F(MenbanDlgTest, AStepRepaintsOnlyTheFrame) {
    ShowOverGame();
    {
        // Spoil the whole surface; only what the step repaints comes back.
        fw::WindowDc dc(overlay_.m_hWnd);
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    Tick(CMenbanDlg::kTimerId);
    Tick(CMenbanDlg::kTimerId);
    Pixels face = uitest::CaptureClient(overlay_.m_hWnd);
    EXPECT_LE(uitest::MaxDistance(ExpectedFrame(2), face.Crop(FrameRect())), kTolerance);
    RECT frame = FrameRect();
    EXPECT_EQ(0xFFFFFFu, face.At(0, 0));
    EXPECT_EQ(0xFFFFFFu, face.At(frame.left - 1, frame.top));
    EXPECT_EQ(0xFFFFFFu, face.At(frame.right, frame.bottom));
}

TEST_F(MenbanDlgTest, KeysAndClosingDoNotUncoverTheGame) {
    ShowOverGame();
    SetForegroundWindow(overlay_.m_hWnd);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        MSG msg{overlay_.m_hWnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
        if (!overlay_.PreTranslateMessage(&msg))
            DispatchMessageW(&msg);
        uitest::Pump(50);
    }
    SendMessageW(overlay_.m_hWnd, WM_COMMAND, IDOK, 0);
    SendMessageW(overlay_.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(overlay_.m_hWnd, WM_CLOSE, 0, 0);
    uitest::Pump(50);
    EXPECT_TRUE(IsWindowVisible(overlay_.m_hWnd));
}

} // namespace
