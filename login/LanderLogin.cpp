#include "login/LanderLogin.h"

#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "login/FirstStartSetup.h"
#include "login/LoginPopupDlg.h"
#include "login/PanelImage.h"
#include "login/ProcessExit.h"
#include "resources/resource.h"
#include "ui/ExitQuestion.h"
#include "ui/PngResource.h"
#include "update/FileVersion.h"

namespace {

constexpr WORD kSkinPng = 319;
constexpr int kPopupOffsetX = 452;
constexpr int kPopupOffsetY = 200;
constexpr int kPopupWidth = 700;
constexpr int kPopupHeight = 460;

} // namespace

CLanderLogin::CLanderLogin() : fw::CDialog(IDD_LANDER_LOGIN, nullptr) {
}

CLanderLogin::~CLanderLogin() {
    skin_.reset();
    popup_.reset();
}

BOOL CLanderLogin::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    SetWindowTextW(m_hWnd, fw::LoadResString(IDS_CLIENT_TITLE).c_str());

    skin_ = LoadPngResourceImage(kSkinPng);
    if (skin_) {
        skinWidth_ = static_cast<int>(skin_->GetWidth());
        skinHeight_ = static_cast<int>(skin_->GetHeight());
    }
    PaintLayeredSkin();

    SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
    // The main window is still hidden: the panel is centred in the work area
    // of its own monitor, clear of the taskbar wherever it sits.
    CenterWindow();

    popup_ = std::make_unique<CLoginPopupDlg>(this);
    popup_->Create(IDD_LOGIN_POPUP, m_hWnd);
    PlacePopup(*popup_);

    RunFirstStartSetup();
    return TRUE;
}

void CLanderLogin::PaintLayeredSkin() {
    fw::WindowDc windowDc(m_hWnd);
    fw::UniqueMemoryDc memory(CreateCompatibleDC(windowDc.Get()));
    fw::UniqueGdiObject image = ComposePanelImage(skin_.get(), skinWidth_, skinHeight_,
                                                  GetFileVersionString(fw::ModulePath()));
    if (!windowDc.Get() || !memory || !image)
        return;
    fw::ScopedSelect select(memory.Get(), image.Get());

    RECT window{};
    GetWindowRect(m_hWnd, &window);
    POINT destination{window.left, window.top};
    SIZE size{skinWidth_, skinHeight_};
    POINT source{0, 0};
    LONG exStyle = GetWindowLongW(m_hWnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWnd, windowDc.Get(), &destination, &size, memory.Get(), &source,
                        0xFFFFFFFF, &blend, ULW_ALPHA);
}

void CLanderLogin::PlacePopup(CLoginPopupDlg& popup) {
    HWND window = popup.GetSafeHwnd();
    if (!window)
        return;
    RECT panel{};
    GetWindowRect(m_hWnd, &panel);
    MoveWindow(window, panel.left + kPopupOffsetX, panel.top + kPopupOffsetY, kPopupWidth,
               kPopupHeight, TRUE);
    // The popup comes up with the panel, not before it: while the panel is
    // still hidden (its first-run work may take a while) a popup alone would
    // float on the desktop, and a window shown before its owner can stay
    // stacked below it where the display does not follow the owner's order.
    // The panel keeps the activation it has.
    if (!IsWindowVisible(window) && IsWindowVisible(m_hWnd))
        ShowWindow(window, SW_SHOWNA);
}

void CLanderLogin::AskExit() {
    if (PlayerConfirmsExit())
        processexit::exitProcess(0);
}

BOOL CLanderLogin::PreTranslateMessage(MSG* msg) {
    // The Alt key goes past the dialog's own key handling, straight to the
    // window's default processing.
    if (msg->wParam == VK_MENU)
        return FALSE;
    return fw::CDialog::PreTranslateMessage(msg);
}

LRESULT CLanderLogin::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            AskExit();
            return 0;
        }
        break;
    case WM_NCHITTEST: {
        LRESULT hit = Default(msg, wParam, lParam);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = Default(msg, wParam, lParam);
        if (popup_)
            PlacePopup(*popup_);
        return result;
    }
    default:
        break;
    }
    return fw::CDialog::WindowProc(msg, wParam, lParam);
}
