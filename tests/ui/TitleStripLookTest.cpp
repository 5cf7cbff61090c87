// The skin put together the way the game window shows it: the title strip
// (left end, tiled middle, right end) with its image buttons, saved as an
// artifact for looking at, and checked for buttons that blend into the strip.
#include "ui/PngResource.h"
#include "ui/TouchButton.h"

#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kWidth = 900;
constexpr int kStripHeight = 30;

// Paints the strip as the game window does: 203 at the left, 206 at the
// right, 172 tiled between.
class StripWindow : public fw::CWnd {
public:
    bool Create() {
        left_ = LoadPngResourceImage(203);
        middle_ = LoadPngResourceImage(172);
        right_ = LoadPngResourceImage(206);
        return CreateEx(0, nullptr, L"", WS_POPUP, RECT{0, 0, kWidth, kStripHeight + 20}, nullptr,
                        0);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_ERASEBKGND) {
            Gdiplus::Graphics graphics(reinterpret_cast<HDC>(wParam));
            graphics.Clear(Gdiplus::Color(0xFF101820));
            if (middle_) {
                Gdiplus::TextureBrush tiles(middle_.get());
                graphics.FillRectangle(&tiles, 0, 0, kWidth, kStripHeight);
            }
            if (left_)
                graphics.DrawImage(left_.get(), Gdiplus::Rect(0, 0, 203, kStripHeight));
            if (right_)
                graphics.DrawImage(right_.get(), Gdiplus::Rect(kWidth - 92, 0, 92, kStripHeight));
            return TRUE;
        }
        return fw::CWnd::WindowProc(msg, wParam, lParam);
    }

private:
    std::unique_ptr<Gdiplus::Image> left_, middle_, right_;
};

struct StripButton {
    WORD normal, hover, pressed;
    int width, height, xFromRight;
};

// Close, maximise, minimise, full screen, boss key, clear cache, refresh,
// change server.
const std::array<StripButton, 8> kButtons = {{
    {207, 208, 227, 28, 26, 28},
    {220, 213, 228, 28, 26, 57},
    {209, 210, 230, 28, 26, 86},
    {224, 214, 234, 85, 24, 192},
    {223, 215, 233, 97, 24, 294},
    {252, 253, 261, 85, 24, 384},
    {226, 219, 236, 78, 24, 458},
    {211, 212, 231, 59, 24, 522},
}};

TEST(TitleStripLook, ButtonsSitOnTheStripWithoutBoxes) {
    StripWindow strip;
    ASSERT_TRUE(strip.Create());
    std::array<CTouchButton, kButtons.size()> buttons;
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const StripButton& b = kButtons[i];
        HWND control = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE,
                                       kWidth - b.xFromRight, 3, b.width, b.height, strip.m_hWnd,
                                       reinterpret_cast<HMENU>(1000 + i), nullptr, nullptr);
        ASSERT_TRUE(buttons[i].SubclassWindow(control));
        buttons[i].SetStateImages(b.normal, b.hover, b.pressed);
    }
    ShowWindow(strip.m_hWnd, SW_SHOWNOACTIVATE);
    UpdateWindow(strip.m_hWnd);
    for (auto& button : buttons)
        UpdateWindow(button.m_hWnd);
    uitest::PumpRaw(50);
    uitest::Pixels normal = uitest::CaptureClient(strip.m_hWnd);

    // The corners of every button are see-through: they show the strip as it
    // was before the buttons painted.
    StripWindow bare;
    ASSERT_TRUE(bare.Create());
    ShowWindow(bare.m_hWnd, SW_SHOWNOACTIVATE);
    UpdateWindow(bare.m_hWnd);
    uitest::Pixels strip0 = uitest::CaptureClient(bare.m_hWnd);
    for (const StripButton& b : kButtons) {
        int x = kWidth - b.xFromRight;
        EXPECT_EQ(strip0.At(x, 3), normal.At(x, 3)) << "button at W-" << b.xFromRight;
    }

    SendMessageW(buttons[4].m_hWnd, WM_MOUSEHOVER, 0, 0);
    SendMessageW(buttons[0].m_hWnd, BM_SETSTATE, TRUE, 0);
    for (auto& button : buttons)
        UpdateWindow(button.m_hWnd);
    uitest::Pixels active = uitest::CaptureClient(strip.m_hWnd);
    EXPECT_NE(normal.Crop(RECT{kWidth - 294, 3, kWidth - 197, 27}),
              active.Crop(RECT{kWidth - 294, 3, kWidth - 197, 27}));

    RECT stripOnly{0, 0, kWidth, kStripHeight};
    EXPECT_FALSE(uitest::SaveArtifact(normal.Crop(stripOnly), L"title_strip.png").empty());
    uitest::SaveArtifact(active.Crop(stripOnly), L"title_strip_boss_hover_close_pressed.png");
}

} // namespace
