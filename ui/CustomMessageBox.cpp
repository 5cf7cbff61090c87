#include "ui/CustomMessageBox.h"

#include "framework/Handles.h"
#include "resources/resource.h"
#include "ui/PngResource.h"
#include "ui/TextFit.h"

namespace {

constexpr int kWidth = 253;
constexpr int kHeight = 106;

constexpr WORD kBackgroundPng = 304;
constexpr WORD kConfirmNormalPng = 314;
constexpr WORD kConfirmHoverPng = 313;
constexpr WORD kCancelNormalPng = 312;
constexpr WORD kCancelHoverPng = 311;
constexpr WORD kClosePng = 316;

const Gdiplus::ARGB kTitleColour = 0xFFFFFFFF;
const Gdiplus::ARGB kMessageColour = 0xFFFFECF7;

void Place(const CTouchButton& button, int x, int y, int width, int height) {
    SetWindowPos(button.GetSafeHwnd(), nullptr, x, y, width, height, SWP_NOZORDER);
}

// The top-level window of this thread that the player is working in, which the
// box disables while it asks.
HWND ActiveOwner() {
    HWND active = GetActiveWindow();
    return active ? GetAncestor(active, GA_ROOT) : nullptr;
}

void DrawFitted(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                const Gdiplus::RectF& rect, const Gdiplus::StringFormat& format,
                const Gdiplus::Brush& brush) {
    std::wstring fitted = FitWithEllipsis(graphics, text, font, rect, format);
    graphics.DrawString(fitted.c_str(), static_cast<INT>(fitted.size()), &font, rect, &format,
                        &brush);
}

} // namespace

CCustomMessageBox::CCustomMessageBox()
    : fw::CDialog(IDD_CUSTOM_MESSAGEBOX, nullptr), title_(L"温馨提示") {
}

void CCustomMessageBox::SetTexts(std::wstring title, std::wstring message) {
    title_ = std::move(title);
    message_ = std::move(message);
}

INT_PTR CCustomMessageBox::DoModal() {
    if (!parent_)
        parent_ = ActiveOwner();
    return fw::CDialog::DoModal();
}

void CCustomMessageBox::DoDataExchange() {
    DDX_Control(IDOK, confirmButton_);
    DDX_Control(IDCANCEL, cancelButton_);
    DDX_Control(IDC_MSGBOX_CLOSE, closeButton_);
}

BOOL CCustomMessageBox::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    SetWindowPos(m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    style |= WS_MINIMIZEBOX | WS_SYSMENU;
    style &= ~WS_CAPTION;
    SetWindowLongW(m_hWnd, GWL_STYLE, style);

    RECT client{};
    GetClientRect(m_hWnd, &client);
    int w = client.right;
    int h = client.bottom;
    Place(closeButton_, w - 25, 10, 28, 26);
    closeButton_.SetStateImages(kClosePng, kClosePng, kClosePng);
    Place(confirmButton_, 45, h - 45, 82, 34);
    confirmButton_.SetStateImages(kConfirmNormalPng, kConfirmHoverPng, kConfirmHoverPng);
    Place(cancelButton_, 137, h - 45, 82, 34);
    cancelButton_.SetStateImages(kCancelNormalPng, kCancelHoverPng, kCancelHoverPng);

    background_ = LoadPngResourceImage(kBackgroundPng);
    return TRUE;
}

void CCustomMessageBox::PaintFace(HDC dc) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    int w = client.right;
    int h = client.bottom;
    fw::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    fw::UniqueGdiObject bitmap(CreateCompatibleBitmap(dc, w, h));
    if (!memory || !bitmap)
        return;
    {
        fw::ScopedSelect select(memory.Get(), bitmap.Get());
        {
            Gdiplus::Graphics graphics(memory.Get());
            if (background_)
                graphics.DrawImage(background_.get(), -2, -2,
                                   static_cast<INT>(background_->GetWidth()),
                                   static_cast<INT>(background_->GetHeight()));

            Gdiplus::FontFamily arial(L"arial");
            const Gdiplus::FontFamily* family =
                arial.IsAvailable() ? &arial : Gdiplus::FontFamily::GenericSansSerif();
            Gdiplus::Font titleFont(family, 13.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
            Gdiplus::Font messageFont(family, 11.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
            // Whole lines only, the last one cut with an ellipsis: a partly
            // visible third line would run into the buttons.
            Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsLineLimit);
            format.SetAlignment(Gdiplus::StringAlignmentCenter);
            format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
            Gdiplus::SolidBrush titleBrush{Gdiplus::Color(kTitleColour)};
            Gdiplus::SolidBrush messageBrush{Gdiplus::Color(kMessageColour)};
            DrawFitted(graphics, title_, titleFont, Gdiplus::RectF(85, 7, 100, 25), format,
                       titleBrush);
            DrawFitted(graphics, message_, messageFont, Gdiplus::RectF(28, 33, 220, 30), format,
                       messageBrush);
        }
        BitBlt(dc, 0, 0, w, h, memory.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT CCustomMessageBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        // The erase context covers the whole face, buttons included, so the
        // buttons capture the finished face as their background.
        PaintFace(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_NCHITTEST: {
        LRESULT hit = Default(msg, wParam, lParam);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MSGBOX_CLOSE && HIWORD(wParam) == BN_CLICKED) {
            OnCancel();
            return 0;
        }
        break;
    default:
        break;
    }
    return fw::CDialog::WindowProc(msg, wParam, lParam);
}
