#include "ui/MenbanDlg.h"

#include "framework/Handles.h"
#include "framework/Strings.h"
#include "resources/resource.h"
#include "ui/PngResource.h"

namespace {

constexpr WORD kMaskPng = 275;
constexpr WORD kFirstFramePng = 276;
constexpr BYTE kPaneAlpha = 229;
// The animation sits this far above the centre, over the text.
constexpr int kFrameLift = 40;
constexpr int kTextWidth = 200;
constexpr int kTextHeight = 31;
const Gdiplus::ARGB kTextColour = 0xFFFFF5D3;

} // namespace

CMenbanDlg::CMenbanDlg() : fw::CDialog(IDD_MENBAN, nullptr) {
}

BOOL CMenbanDlg::OnInitDialog() {
    mask_ = LoadPngResourceImage(kMaskPng);
    for (int i = 0; i < 4; ++i)
        frames_[i] = LoadPngResourceImage(static_cast<WORD>(kFirstFramePng + i));
    currentFrame_ = frames_[0].get();
    frameCounter_ = 1;

    LONG exStyle = GetWindowLongW(m_hWnd, GWL_EXSTYLE);
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(m_hWnd, 0, kPaneAlpha, LWA_ALPHA);
    return TRUE;
}

RECT CMenbanDlg::FrameRect(int width, int height) const {
    RECT rect{};
    if (!currentFrame_)
        return rect;
    int frameWidth = static_cast<int>(currentFrame_->GetWidth());
    int frameHeight = static_cast<int>(currentFrame_->GetHeight());
    rect.left = (width - frameWidth) / 2;
    rect.top = (height - frameHeight) / 2 - kFrameLift;
    rect.right = rect.left + frameWidth;
    rect.bottom = rect.top + frameHeight;
    return rect;
}

void CMenbanDlg::Draw(HDC dc, int width, int height) {
    RECT client{0, 0, width, height};
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Gdiplus::Graphics graphics(dc);
    if (mask_) {
        Gdiplus::TextureBrush brush(mask_.get());
        brush.TranslateTransform(static_cast<Gdiplus::REAL>(client.left),
                                 static_cast<Gdiplus::REAL>(client.top));
        graphics.FillRectangle(&brush, 0, 0, width, height);
    }
    if (currentFrame_) {
        RECT frame = FrameRect(width, height);
        graphics.DrawImage(currentFrame_,
                           Gdiplus::Rect(frame.left, frame.top, frame.right - frame.left,
                                         frame.bottom - frame.top));
    }

    std::wstring text = fw::LoadResString(IDS_CACHE_CLEANING);
    Gdiplus::FontFamily arial(L"arial");
    const Gdiplus::FontFamily* family =
        arial.IsAvailable() ? &arial : Gdiplus::FontFamily::GenericSansSerif();
    Gdiplus::Font font(family, 14.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisWord);
    Gdiplus::SolidBrush brush{Gdiplus::Color(kTextColour)};
    Gdiplus::RectF layout(static_cast<Gdiplus::REAL>((width - kTextWidth) / 2),
                          static_cast<Gdiplus::REAL>((height - kTextHeight) / 2), kTextWidth,
                          kTextHeight);
    graphics.DrawString(text.c_str(), -1, &font, layout, &format, &brush);
}

void CMenbanDlg::Paint() {
    fw::PaintDc paint(m_hWnd);
    HDC dc = paint.Get();
    RECT client{};
    GetClientRect(m_hWnd, &client);
    int width = client.right;
    int height = client.bottom;
    fw::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    fw::UniqueGdiObject bitmap(CreateCompatibleBitmap(dc, width, height));
    if (dc && memory && bitmap) {
        fw::ScopedSelect select(memory.Get(), bitmap.Get());
        Draw(memory.Get(), width, height);
        BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
}

void CMenbanDlg::Advance() {
    if (frameCounter_ < 1 || frameCounter_ > 4)
        frameCounter_ = 1;
    currentFrame_ = frames_[frameCounter_ - 1].get();
    RECT client{};
    GetClientRect(m_hWnd, &client);
    RECT frame = FrameRect(client.right, client.bottom);
    InvalidateRect(m_hWnd, &frame, TRUE);
    UpdateWindow(m_hWnd);
    ++frameCounter_;
}

LRESULT CMenbanDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_TIMER:
        if (wParam == kTimerId)
            Advance();
        return 0;
    default:
        return fw::CDialog::WindowProc(msg, wParam, lParam);
    }
}
