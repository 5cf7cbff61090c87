#include "login/PanelImage.h"

namespace {

const Gdiplus::ARGB kVersionColour = 0xFFCBAE5B;
constexpr Gdiplus::REAL kVersionFontPixels = 10.0f;

// The bottom right corner. The rectangle reaches 140 pixels past the image's
// right edge, so a long text is cut off at that edge; the ellipsis that the
// trimming puts at the rectangle's end falls outside the image.
Gdiplus::RectF VersionTextRect(int width, int height) {
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(width - 60),
                          static_cast<Gdiplus::REAL>(height - 33), 200, 31);
}

void DrawVersion(Gdiplus::Graphics& graphics, int width, int height, const std::wstring& text) {
    Gdiplus::FontFamily arial(L"arial");
    const Gdiplus::FontFamily* family =
        arial.IsAvailable() ? &arial : Gdiplus::FontFamily::GenericSansSerif();
    Gdiplus::Font font(family, kVersionFontPixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush{Gdiplus::Color(kVersionColour)};
    Gdiplus::StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    // Grey-scale smoothing: sub-pixel colours would fringe over a
    // transparent background.
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                        VersionTextRect(width, height), &format, &brush);
}

} // namespace

fw::UniqueGdiObject ComposePanelImage(Gdiplus::Image* skin, int width, int height,
                                      const std::wstring& version) {
    if (width <= 0 || height <= 0)
        return fw::UniqueGdiObject();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return fw::UniqueGdiObject();
    // GDI+ draws straight into the section's memory, in the premultiplied
    // form that a per-pixel-alpha layered window expects.
    Gdiplus::Bitmap surface(width, height, width * 4, PixelFormat32bppPARGB,
                            static_cast<BYTE*>(bits));
    {
        Gdiplus::Graphics graphics(&surface);
        if (skin)
            graphics.DrawImage(skin, 0, 0, width, height);
        DrawVersion(graphics, width, height, version);
    }
    GdiFlush();
    return bitmap;
}
