#include "gamewindow/Lander_Q7Dlg.h"

#include "browser/MyHtmlView.h"
#include "framework/Handles.h"
#include "framework/Strings.h"
#include "gamewindow/CacheClearing.h"
#include "gamewindow/CaptionButtons.h"
#include "gamewindow/GameArea.h"
#include "gamewindow/GameMessages.h"
#include "gamewindow/HotKeys.h"
#include "gamewindow/LoginStep.h"
#include "gamewindow/ProcessSeam.h"
#include "gamewindow/TitleStrip.h"
#include "resources/resource.h"
#include "ui/CustomMessageBox.h"
#include "ui/ExitQuestion.h"
#include "ui/MenbanDlg.h"
#include "ui/PngResource.h"

#include <cwchar>
#include <type_traits>

namespace {

constexpr WORD kStripLeftPng = 203;
constexpr WORD kStripMiddlePng = 172;
constexpr WORD kStripRightPng = 206;

// Bits of WS_CAPTION: the border and the dialog frame.
constexpr LONG kWithoutCaption = static_cast<LONG>(0xFF3FFFFF);
constexpr UINT kGameViewId = 10000;
constexpr DWORD kFrameCloseWaitMs = 50;
// The tray menu opens this far left of the cursor, so that it stays on
// screen next to a notification area in the bottom-right corner.
constexpr int kTrayMenuOffset = 130;
// Posted to the window itself whenever its activation changes, so that the
// keys it holds follow the foreground window once the change has settled.
constexpr UINT WM_CHECK_WINDOW_KEYS = WM_APP + 1;

using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)>;

// Broadcast by a taskbar that starts again (after Explorer ended or was
// restarted), which shows none of the icons it had.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

} // namespace

CLander_Q7Dlg::CLander_Q7Dlg() : CDialog(IDD_LANDER_Q7_DIALOG, nullptr) {
}

CLander_Q7Dlg::~CLander_Q7Dlg() {
    overlay_.reset();
    gameView_.reset();
    trayIcon_.Remove();
}

void CLander_Q7Dlg::DoDataExchange() {
    for (size_t i = 0; i < kCaptionButtonCount; ++i)
        DDX_Control(CaptionButtonId(i), buttons_[i]);
}

BOOL CLander_Q7Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    minimizedByButton_ = 0;
    std::wstring title = fw::LoadResString(IDS_CLIENT_TITLE);
    SetWindowTextW(m_hWnd, title.c_str());
    SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) & kWithoutCaption);
    SetWindowPos(m_hWnd, nullptr, 0, 0, kRestoredWidth, kRestoredHeight, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowLongW(m_hWnd, GWL_STYLE,
                   GetWindowLongW(m_hWnd, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);

    gameUrl_ = RunLoginStep(m_hWnd);

    trayIconImage_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON), IMAGE_ICON,
                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR)));
    trayIcon_.Add(trayIconImage_.get(), m_hWnd, title);
    // The taskbar runs unelevated; a game started as administrator hears it
    // start again only when its window lets the message through.
    ChangeWindowMessageFilterEx(m_hWnd, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);

    SetUpCaptionButtons(buttons_);
    stripLeft_ = LoadPngResourceImage(kStripLeftPng);
    stripMiddle_ = LoadPngResourceImage(kStripMiddlePng);
    stripRight_ = LoadPngResourceImage(kStripRightPng);

    gameView_ = std::make_unique<CMyHtmlView>();
    // Clipped by its siblings, so that in full screen the view does not paint
    // over the change-server button that stays on top of it.
    if (gameView_->CreateEx(0, nullptr, L"MyWebBrowser", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                            RECT{}, m_hWnd, kGameViewId))
        gameView_->Navigate(gameUrl_.c_str());
    else
        gameView_.reset();

    CenterWindow();
    EnterMaximizedLayout();

    overlay_ = std::make_unique<CMenbanDlg>();
    if (overlay_->Create(IDD_MENBAN, m_hWnd))
        ShowWindow(overlay_->m_hWnd, SW_HIDE);
    else
        overlay_.reset();

    accelerators_ =
        LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_GAME_ACCELERATORS));
    hotKeys_.Register(m_hWnd);
    CheckWindowKeys();
    return TRUE;
}

BOOL CLander_Q7Dlg::PreTranslateMessage(MSG* msg) {
    // Enter and Escape belong to the game page, never to the dialog.
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        return FALSE;
    if (accelerators_ && TranslateAcceleratorW(m_hWnd, accelerators_, msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CLander_Q7Dlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != 0 && msg == TaskbarCreatedMessage()) {
        trayIcon_.AddAgain();
        return 0;
    }
    switch (msg) {
    case WM_COMMAND:
        // Clicks, menu items and accelerators; other control notifications
        // go on to the base.
        if ((HIWORD(wParam) == BN_CLICKED || lParam == 0) && OnCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(wParam);
        break;
    case WM_HOTKEY:
        OnHotKey(static_cast<int>(wParam));
        break;
    case WM_TRAYNOTIFY:
        OnTrayNotify(LOWORD(lParam));
        return 0;
    case WM_GAMEFRAME_ATTACH:
        frameWindow_ = reinterpret_cast<HWND>(wParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_SIZE:
        OnSize(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (!IsZoomed(m_hWnd))
            PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        break;
    case WM_LBUTTONDBLCLK:
        ToggleMaximizeByDoubleClick();
        break;
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        // The strip is drawn when the background is erased; this only
        // validates what was invalidated.
        fw::PaintDc paint(m_hWnd);
        return 0;
    }
    case WM_ACTIVATE:
        PostMessageW(m_hWnd, WM_CHECK_WINDOW_KEYS, 0, 0);
        return 0;
    case WM_ACTIVATEAPP:
        PostMessageW(m_hWnd, WM_CHECK_WINDOW_KEYS, 0, 0);
        break;
    case WM_CHECK_WINDOW_KEYS:
        CheckWindowKeys();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            OnWorkAreaChanged();
        break;
    case WM_DISPLAYCHANGE:
        OnWorkAreaChanged();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

bool CLander_Q7Dlg::OnCommand(UINT id) {
    switch (id) {
    case IDC_BTN_CLOSE:
    case ID_TRAY_EXIT:
        AskExit();
        return true;
    case IDC_BTN_CHANGE_SERVER:
        AskChangeServer();
        return true;
    case IDC_BTN_MAXIMIZE:
        Maximize();
        return true;
    case IDC_BTN_RESTORE:
        Restore();
        return true;
    case IDC_BTN_MINIMIZE:
        minimizedByButton_ = 1;
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    case IDC_BTN_FULLSCREEN:
        minimizedByButton_ = 0;
        EnterFullScreen();
        return true;
    case IDC_BTN_BOSSKEY:
        ShowWindow(m_hWnd, SW_HIDE);
        return true;
    case ID_TRAY_TOGGLE:
        ShowWindow(m_hWnd, IsWindowVisible(m_hWnd) ? SW_HIDE : SW_SHOW);
        return true;
    case IDC_BTN_CLEAR_CACHE:
    case ID_TRAY_CLEAR_CACHE:
        StartCacheClearing();
        return true;
    case IDC_BTN_REFRESH:
        if (gameView_)
            gameView_->Refresh();
        PostToFrame(WM_GAMEFRAME_REFRESH);
        return true;
    case ID_ACCEL_REFRESH:
        // F5 inside the window is consumed here, also when the system-wide
        // hotkey could not be registered.
        return true;
    case ID_CACHE_CLEARED:
        EndCacheClearing();
        return true;
    default:
        return false;
    }
}

void CLander_Q7Dlg::OnSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        AskExit();
        break;
    case SC_RESTORE:
        OnSystemRestore();
        break;
    default:
        break;
    }
}

void CLander_Q7Dlg::OnHotKey(int id) {
    switch (id) {
    case kHotKeyRefresh:
        if (IsActiveWindow()) {
            PostToFrame(WM_GAMEFRAME_REFRESH);
            if (gameView_)
                gameView_->Refresh();
        }
        break;
    case kHotKeyBoss:
        BossKey();
        break;
    case kHotKeyFullScreen:
        if (IsActiveWindow()) {
            if (fullScreen_)
                LeaveFullScreen();
            else
                EnterFullScreen();
        }
        break;
    default:
        break;
    }
}

void CLander_Q7Dlg::CheckWindowKeys() {
    hotKeys_.HoldWindowKeys(IsActiveWindow());
}

bool CLander_Q7Dlg::IsActiveWindow() const {
    HWND foreground = GetForegroundWindow();
    return foreground && (foreground == m_hWnd || foreground == GetLastActivePopup(m_hWnd));
}

void CLander_Q7Dlg::OnTrayNotify(UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        ShowWindow(m_hWnd, SW_SHOW);
        SetForegroundWindow(m_hWnd);
        break;
    case WM_RBUTTONUP: {
        UniqueMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU)),
                        DestroyMenu);
        HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
        if (!popup)
            break;
        POINT cursor{};
        GetCursorPos(&cursor);
        SetForegroundWindow(m_hWnd);
        TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x - kTrayMenuOffset, cursor.y, 0, m_hWnd,
                       nullptr);
        break;
    }
    default:
        break;
    }
}

BOOL CLander_Q7Dlg::OnEraseBackground(HDC dc) {
    if (!stripLeft_ || !stripMiddle_ || !stripRight_ || fullScreen_)
        return TRUE;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    DrawTitleStrip(dc, client, *stripLeft_, *stripMiddle_, *stripRight_);
    return TRUE;
}

void CLander_Q7Dlg::LayoutCaptionButtons() {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    PlaceCaptionButtons(buttons_, client.right);
    changeServerVisibility_ = static_cast<int>(
        std::wcstol(fw::LoadResString(IDS_CHANGE_SERVER_SHOW).c_str(), nullptr, 10));
    ShowWindow(buttons_[kChangeServer].m_hWnd, changeServerVisibility_);
}

void CLander_Q7Dlg::PlaceGameView(bool fullScreen) {
    if (!gameView_)
        return;
    RECT area = GameArea(m_hWnd, fullScreen);
    MoveWindow(gameView_->m_hWnd, area.left, area.top, area.right - area.left,
               area.bottom - area.top, FALSE);
}

void CLander_Q7Dlg::SendFrameLayout(bool fullScreen) {
    if (frameWindow_)
        SendMessageW(frameWindow_, WM_GAMEFRAME_LAYOUT, fullScreen ? 1 : 0, 0);
}

void CLander_Q7Dlg::PostToFrame(UINT msg) {
    if (frameWindow_)
        PostMessageW(frameWindow_, msg, 0, 0);
}

void CLander_Q7Dlg::InvalidateStrip() {
    RECT strip{};
    GetClientRect(m_hWnd, &strip);
    strip.bottom = strip.top + kTitleStripHeight;
    InvalidateRect(m_hWnd, &strip, TRUE);
}

void CLander_Q7Dlg::StartCacheClearing() {
    if (overlay_) {
        RECT window{};
        GetWindowRect(m_hWnd, &window);
        SetWindowPos(overlay_->m_hWnd, nullptr, window.left, window.top, window.right - window.left,
                     window.bottom - window.top, SWP_NOZORDER);
        SetTimer(overlay_->m_hWnd, CMenbanDlg::kTimerId, CMenbanDlg::kTimerPeriodMs, nullptr);
        ShowWindow(overlay_->m_hWnd, SW_SHOW);
    }
    StartCacheClearWorker(m_hWnd);
}

void CLander_Q7Dlg::EndCacheClearing() {
    if (!overlay_)
        return;
    KillTimer(overlay_->m_hWnd, CMenbanDlg::kTimerId);
    ShowWindow(overlay_->m_hWnd, SW_HIDE);
}

void CLander_Q7Dlg::AskExit() {
    if (!PlayerConfirmsExit())
        return;
    trayIcon_.Remove();
    CloseFrameWindow();
    EndDialog(0);
}

void CLander_Q7Dlg::AskChangeServer() {
    CCustomMessageBox box;
    box.SetTexts(L"选服", L"是否退出当前区服，重新选择新区服？");
    if (box.DoModal() != IDOK)
        return;
    ShowWindow(m_hWnd, SW_HIDE);
    CloseFrameWindow();
    processseam::StartOwnExecutableAgain();
    EndDialog(0);
}

void CLander_Q7Dlg::CloseFrameWindow() {
    if (!frameWindow_)
        return;
    SendMessageW(frameWindow_, WM_CLOSE, 0, 0);
    Sleep(kFrameCloseWaitMs);
}
