// The two PNG loaders and the off-screen surface, including what they do with
// a missing id and with bytes that are not an image (resource 9990 of this
// test only).
#include "ui/GdiPlusBitmap.h"
#include "ui/MyMemDC.h"
#include "ui/PngResource.h"

#include "framework/Dc.h"
#include "framework/Handles.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr WORD kMissing = 9999;
constexpr WORD kNotAnImage = 9990;

TEST(LoadPngResourceImage, DecodesAResourceAtItsSize) {
    auto image = LoadPngResourceImage(304);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(Gdiplus::Ok, image->GetLastStatus());
    EXPECT_EQ(256u, image->GetWidth());
    EXPECT_EQ(110u, image->GetHeight());
}

TEST(LoadPngResourceImage, MissingIdGivesNull) {
    EXPECT_EQ(nullptr, LoadPngResourceImage(kMissing));
}

TEST(LoadPngResourceImage, UndecodableBytesCannotBeDrawnButDoNotFail) {
    // The image exists (its status is for the caller), and drawing it is a
    // harmless failure.
    auto image = LoadPngResourceImage(kNotAnImage);
    ASSERT_NE(nullptr, image);
    EXPECT_NE(Gdiplus::Ok, image->GetLastStatus());
    Gdiplus::Bitmap target(10, 10, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(&target);
    EXPECT_NE(Gdiplus::Ok, graphics.DrawImage(image.get(), 0, 0));
}

TEST(CGdiPlusBitmapResource, LoadsAndReloads) {
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.LoadFromResource(316));
    ASSERT_NE(nullptr, holder.Get());
    EXPECT_EQ(9u, holder.Get()->GetWidth());
    ASSERT_TRUE(holder.LoadFromResource(304));
    EXPECT_EQ(256u, holder.Get()->GetWidth());
    Gdiplus::Color colour;
    EXPECT_EQ(Gdiplus::Ok, holder.Get()->GetPixel(128, 60, &colour));
}

TEST(CGdiPlusBitmapResource, FailedLoadsLeaveNoBitmap) {
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.LoadFromResource(316));
    EXPECT_FALSE(holder.LoadFromResource(kMissing));
    EXPECT_EQ(nullptr, holder.Get());
    EXPECT_FALSE(holder.LoadFromResource(kNotAnImage));
    EXPECT_EQ(nullptr, holder.Get());
}

TEST(CMyMemDC, CopiesItsRectangleToTheTargetWhenDone) {
    fw::WindowDc screen(nullptr);
    fw::CBitmapDC target;
    ASSERT_TRUE(target.Create(screen.Get(), 40, 40));
    RECT all{0, 0, 40, 40};
    FillRect(target.m_hDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        RECT area{10, 10, 30, 30};
        CMyMemDC memory(target.m_hDC, &area);
        // Drawing uses the target's coordinates.
        RECT inner{10, 10, 30, 30};
        FillRect(memory.m_hDC, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(target.m_hDC, 15, 15)) << "not before the end";
    }
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(target.m_hDC, 10, 10));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(target.m_hDC, 29, 29));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(target.m_hDC, 9, 9));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(target.m_hDC, 30, 30));
}

TEST(CMyMemDC, EmptyRectangleMeansTheClipBox) {
    fw::WindowDc screen(nullptr);
    fw::CBitmapDC target;
    ASSERT_TRUE(target.Create(screen.Get(), 24, 16));
    RECT empty{};
    CMyMemDC memory(target.m_hDC, &empty);
    EXPECT_EQ(24, memory.Rect().right - memory.Rect().left);
    EXPECT_EQ(16, memory.Rect().bottom - memory.Rect().top);
}

} // namespace
