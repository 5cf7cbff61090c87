// Cutting texts to their layout rectangle, measured with the real GDI+.
#include "ui/TextFit.h"

#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TextFitTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface_ = std::make_unique<Gdiplus::Bitmap>(16, 16, PixelFormat32bppARGB);
        graphics_ = std::make_unique<Gdiplus::Graphics>(surface_.get());
        font_ = std::make_unique<Gdiplus::Font>(Gdiplus::FontFamily::GenericSansSerif(), 11.0f,
                                                Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        format_ = std::make_unique<Gdiplus::StringFormat>(Gdiplus::StringFormatFlagsLineLimit);
        format_->SetAlignment(Gdiplus::StringAlignmentCenter);
    }

    bool FitsWhole(const std::wstring& text) {
        Gdiplus::RectF box;
        INT fitted = 0, lines = 0;
        graphics_->MeasureString(text.c_str(), static_cast<INT>(text.size()), font_.get(), rect_,
                                 format_.get(), &box, &fitted, &lines);
        return fitted == static_cast<INT>(text.size());
    }

    std::wstring Fit(const std::wstring& text) {
        return FitWithEllipsis(*graphics_, text, *font_, rect_, *format_);
    }

    std::unique_ptr<Gdiplus::Bitmap> surface_;
    std::unique_ptr<Gdiplus::Graphics> graphics_;
    std::unique_ptr<Gdiplus::Font> font_;
    std::unique_ptr<Gdiplus::StringFormat> format_;
    // The message box's message rectangle: room for about two lines.
    Gdiplus::RectF rect_{28, 33, 220, 30};
};

TEST_F(TextFitTest, TextThatFitsIsLeftAlone) {
    EXPECT_EQ(L"", Fit(L""));
    EXPECT_EQ(L"确定要卸载吗？", Fit(L"确定要卸载吗？"));
}

TEST_F(TextFitTest, LongTextEndsInAnEllipsisAndFitsWhole) {
    std::wstring text;
    for (int i = 0; i < 8; ++i)
        text += L"缓存清理中，请稍后再试。";
    ASSERT_FALSE(FitsWhole(text));
    std::wstring fitted = Fit(text);
    ASSERT_GE(fitted.size(), 2u);
    EXPECT_EQ(L'\u2026', fitted.back());
    std::wstring kept = fitted.substr(0, fitted.size() - 1);
    EXPECT_EQ(0u, text.find(kept)) << "a beginning of the text";
    EXPECT_GT(kept.size(), 10u) << "more than one line's worth is kept";
    EXPECT_TRUE(FitsWhole(fitted));
    EXPECT_FALSE(FitsWhole(text.substr(0, kept.size() + 1) + L"\u2026")) << "the longest";
}

TEST_F(TextFitTest, NeverSplitsASurrogatePair) {
    std::wstring text;
    for (int i = 0; i < 80; ++i)
        text += L"\U00020000";
    std::wstring fitted = Fit(text);
    ASSERT_GE(fitted.size(), 1u);
    EXPECT_EQ(L'\u2026', fitted.back());
    EXPECT_EQ(1u, fitted.size() % 2) << "whole pairs before the ellipsis";
}

} // namespace
