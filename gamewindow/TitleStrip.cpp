#include "gamewindow/TitleStrip.h"

#include "framework/Handles.h"

namespace {

// Fills the rectangle with image tiled from its top-left corner.
void FillTiled(Gdiplus::Graphics& graphics, Gdiplus::Image& image, int x, int y, int width,
               int height) {
    Gdiplus::TextureBrush brush(&image, Gdiplus::WrapModeTile);
    brush.TranslateTransform(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y));
    graphics.FillRectangle(&brush, x, y, width, height);
}

int Width(Gdiplus::Image& image) {
    return static_cast<int>(image.GetWidth());
}

int Height(Gdiplus::Image& image) {
    return static_cast<int>(image.GetHeight());
}

} // namespace

void DrawTitleStrip(HDC target, const RECT& client, Gdiplus::Image& left, Gdiplus::Image& middle,
                    Gdiplus::Image& right) {
    int width = client.right - client.left;
    fw::UniqueMemoryDc memory(CreateCompatibleDC(target));
    fw::UniqueGdiObject bitmap(CreateCompatibleBitmap(target, width, kTitleStripHeight));
    if (!memory || !bitmap)
        return;
    fw::ScopedSelect select(memory.Get(), bitmap.Get());
    {
        Gdiplus::Graphics graphics(memory.Get());
        FillTiled(graphics, left, client.left, client.top, Width(left), Height(left));
        int middleX = client.left + Width(left);
        FillTiled(graphics, middle, middleX, client.top, width - Width(left) - Width(right),
                  Height(middle));
        int rightX = client.right - Width(right);
        FillTiled(graphics, right, rightX, client.top, Width(right), Height(right));
    }
    BitBlt(target, 0, 0, width, kTitleStripHeight, memory.Get(), 0, 0, SRCCOPY);
}
