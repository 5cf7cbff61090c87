// Helpers of the skinned-UI tests: GDI+ for the whole run, a message pump that
// pre-translates like the program's loops, pixel read-back of windows, the
// expected look of PNG images over a background, and screenshot artifacts.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

namespace uitest {

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> data;

    uint32_t At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
    Pixels Crop(const RECT& rect) const;
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && data == other.data;
    }
    bool operator!=(const Pixels& other) const { return !(*this == other); }
};

// Failure messages show the size, not every pixel.
void PrintTo(const Pixels& pixels, std::ostream* out);

inline uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>((r << 16) | (g << 8) | b);
}

// The largest difference of any channel between two colours.
int ChannelDistance(uint32_t a, uint32_t b);
// The largest channel difference over all pixels (images of one size).
int MaxDistance(const Pixels& a, const Pixels& b);

// Handles posted and sent messages for the given time, offering each to the
// windows' PreTranslateMessage first as the program's loops do.
void Pump(DWORD milliseconds);
// Dispatches what is queued without pre-translation.
void PumpRaw(DWORD milliseconds);

// The client area of a window as it is on its surface now.
Pixels CaptureClient(HWND window);

// The "PNG" resource id of this executable, decoded on its own (not through the
// code under test).
std::unique_ptr<Gdiplus::Bitmap> DecodePng(WORD id);

// What image looks like drawn at the top-left of a width x height area filled
// with background; brighten applies the hover colour matrix first.
Pixels Composite(Gdiplus::Bitmap& image, uint32_t background, int width, int height, bool brighten);
// The same over existing pixels, with the image's top-left at (x, y).
void CompositeOnto(Pixels& under, Gdiplus::Bitmap& image, int x, int y);

// Writes the pixels as a PNG into the build tree's artifacts folder (beside the
// test's scratch folder); answers the path written, empty on failure.
std::wstring SaveArtifact(const Pixels& pixels, const std::wstring& name);

// A plain top-level window that paints itself in one colour and counts the
// button notifications its children send.
class SolidWindow : public fw::CWnd {
public:
    explicit SolidWindow(uint32_t colour) : colour_(colour) {}
    bool Create(const RECT& rect);

    int clicks = 0;
    int doubleClicks = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    uint32_t colour_;
};

} // namespace uitest
