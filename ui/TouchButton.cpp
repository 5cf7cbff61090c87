#include "ui/TouchButton.h"

#include "framework/Handles.h"
#include "ui/MyMemDC.h"

namespace {

constexpr UINT kToolId = 1;
constexpr UINT kToolTipDelayMs = 2000;
// Short enough that the hover look follows the mouse at once.
constexpr DWORD kHoverTimeMs = 1;

// Lifts every colour channel by 5 % and 0.05 of full scale; alpha unchanged.
const Gdiplus::ColorMatrix kBrighten = {{
    {1.05f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.05f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 1.05f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},
    {0.05f, 0.05f, 0.05f, 0.0f, 1.0f},
}};

} // namespace

void CTouchButton::PreSubclassWindow() {
    LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    SetWindowLongW(m_hWnd, GWL_STYLE, style | BS_OWNERDRAW);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CTouchButton::SetStateImages(WORD normal, WORD hover, WORD pressed) {
    hoverImage_ = std::make_unique<CGdiPlusBitmapResource>();
    hoverImage_->LoadFromResource(hover);
    normalImage_ = std::make_unique<CGdiPlusBitmapResource>();
    normalImage_->LoadFromResource(normal);
    pressedImage_ = std::make_unique<CGdiPlusBitmapResource>();
    pressedImage_->LoadFromResource(pressed);
}

void CTouchButton::SetToolTipText(const std::wstring& text, bool activate) {
    if (text.empty())
        return;
    toolTipText_ = text;
    if (!toolTip_) {
        auto tip = std::make_unique<fw::CToolTipCtrl>();
        if (!tip->Create(m_hWnd, 0))
            return;
        tip->Activate(true);
        toolTip_ = std::move(tip);
    }
    if (toolTip_->GetToolCount() == 0) {
        RECT client{};
        GetClientRect(m_hWnd, &client);
        toolTip_->AddTool(m_hWnd, text, client, kToolId);
    }
    toolTip_->UpdateTipText(text, m_hWnd, kToolId);
    toolTip_->SetDelayTime(kToolTipDelayMs);
    toolTip_->Activate(activate);
}

bool CTouchButton::CaptureBackground(int width, int height) {
    HWND parent = GetParent(m_hWnd);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&window), 2);
    fw::WindowDc parentDc(parent);
    auto background = std::make_unique<fw::CBitmapDC>();
    if (!parentDc.Get() || !background->Create(parentDc.Get(), width, height))
        return false;
    BitBlt(background->m_hDC, 0, 0, width, height, parentDc.Get(), window.left, window.top,
           SRCCOPY);
    background_ = std::move(background);
    return true;
}

std::unique_ptr<fw::CBitmapDC> CTouchButton::ComposeState(HDC scratch, Gdiplus::Graphics& graphics,
                                                          Gdiplus::Bitmap* image, bool brighten,
                                                          int width, int height) {
    BitBlt(scratch, 0, 0, width, height, background_->m_hDC, 0, 0, SRCCOPY);
    if (image) {
        int imageWidth = static_cast<int>(image->GetWidth());
        int imageHeight = static_cast<int>(image->GetHeight());
        Gdiplus::Rect destination(0, 0, imageWidth, imageHeight);
        Gdiplus::ImageAttributes attributes;
        if (brighten)
            attributes.SetColorMatrix(&kBrighten);
        graphics.DrawImage(image, destination, 0, 0, imageWidth, imageHeight, Gdiplus::UnitPixel,
                           brighten ? &attributes : nullptr);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    }
    auto state = std::make_unique<fw::CBitmapDC>();
    if (!state->Create(scratch, width, height))
        return nullptr;
    BitBlt(state->m_hDC, 0, 0, width, height, scratch, 0, 0, SRCCOPY);
    return state;
}

void CTouchButton::BuildStateImages(HDC target) {
    if (cacheReady_ || !hoverImage_ || !normalImage_ || !pressedImage_)
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    int width = client.right;
    int height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    if (!background_ && !CaptureBackground(width, height))
        return;

    {
        CMyMemDC scratch(target, &client);
        if (!scratch.m_hDC)
            return;
        Gdiplus::Graphics graphics(scratch.m_hDC);
        if (!normal_)
            normal_ =
                ComposeState(scratch.m_hDC, graphics, normalImage_->Get(), false, width, height);
        if (!pressed_)
            pressed_ =
                ComposeState(scratch.m_hDC, graphics, pressedImage_->Get(), false, width, height);
        if (!hovered_)
            hovered_ =
                ComposeState(scratch.m_hDC, graphics, hoverImage_->Get(), true, width, height);
    }
    if (!current_)
        current_ = normal_.get();
    cacheReady_ = normal_ && pressed_ && hovered_;
}

void CTouchButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemState & ODS_SELECTED)
        current_ = pressed_.get();
    else if (hover_)
        current_ = hovered_.get();
    else
        current_ = normal_.get();
    if (!current_)
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    BitBlt(item.hDC, 0, 0, client.right, client.bottom, current_->m_hDC, 0, 0, SRCCOPY);
}

bool CTouchButton::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        BuildStateImages(reinterpret_cast<HDC>(wParam));
        // No brush of our own: the parent's handling goes on.
        return false;
    default:
        return fw::CButton::OnChildNotify(msg, wParam, lParam, result);
    }
}

void CTouchButton::OnMouseHover() {
    hover_ = true;
    InvalidateRect(m_hWnd, nullptr, TRUE);
    // A fresh control on every visit shows the tip again each time.
    toolTip_.reset();
    SetToolTipText(std::wstring(toolTipText_), true);
    if (toolTip_ && toolTip_->m_hWnd)
        toolTip_->Update();
}

LRESULT CTouchButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_HOVER | TME_LEAVE;
            track.hwndTrack = m_hWnd;
            track.dwHoverTime = kHoverTimeMs;
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSEHOVER:
        OnMouseHover();
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        hover_ = false;
        InvalidateRect(m_hWnd, nullptr, TRUE);
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    default:
        break;
    }
    return fw::CButton::WindowProc(msg, wParam, lParam);
}

BOOL CTouchButton::PreTranslateMessage(MSG* msg) {
    // The button control answers a double-click with BN_DOUBLECLICKED and no
    // click; a press instead makes a quick second click a click.
    if (msg->message == WM_LBUTTONDBLCLK && msg->hwnd == m_hWnd)
        msg->message = WM_LBUTTONDOWN;
    if (toolTip_ && toolTip_->m_hWnd)
        toolTip_->RelayEvent(msg);
    return fw::CButton::PreTranslateMessage(msg);
}
