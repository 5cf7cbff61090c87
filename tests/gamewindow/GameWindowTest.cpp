// The game window in a virtual desktop with a taskbar, driven by the messages
// a player and the system send, and observed from outside.
#include "gamewindow/Lander_Q7Dlg.h"

#include "app/Settings.h"
#include "framework/MonitorArea.h"
#include "gamewindow/GameMessages.h"
#include "gamewindow/LoginStep.h"
#include "gamewindow/ProcessSeam.h"
#include "resources/resource.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

void PrintTo(const RECT& r, std::ostream* out) {
    *out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

using Received = std::vector<std::pair<UINT, WPARAM>>;

// Stands in for a game frame window of another process.
class FakeFrame : public fw::CWnd {
public:
    FakeFrame() { CreateEx(0, nullptr, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0); }
    Received got;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CLOSE || msg == WM_GAMEFRAME_REFRESH || msg == WM_GAMEFRAME_LAYOUT) {
            got.emplace_back(msg, wParam);
            return 0;
        }
        return fw::CWnd::WindowProc(msg, wParam, lParam);
    }
};

int g_answer = 0;

// Clicks button g_answer of the question box, the front dialog once it
// shows; the box's modal loop dispatches this thread timer.
void CALLBACK ClickAnswer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND button = GetDlgItem(FindWindowW(L"#32770", nullptr), g_answer);
    if (!button || !IsWindowVisible(button))
        return;
    KillTimer(nullptr, timer);
    PostMessageW(button, BM_CLICK, 0, 0);
}

void AnswerNextQuestion(int button) {
    g_answer = button;
    SetTimer(nullptr, 0, 100, ClickAnswer);
}

RECT g_menu{};

// Records where the tray menu opened, saves the screen and closes the menu.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    KillTimer(nullptr, timer);
    GetWindowRect(menu, &g_menu);
    uitest::SaveArtifact(uitest::CaptureClient(GetDesktopWindow()), L"game_window_tray_menu.png");
    EndMenu();
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool TrayIconShown(HWND owner) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = owner;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

// The one 1280 x 1024 monitor as Windows reports it: the work area less the
// taskbar at the bottom, or what a test puts in g_monitor. Wine's own answer
// stays what it was when the process started, before the taskbar showed.
std::optional<MONITORINFO> g_monitor;

BOOL WINAPI ReportMonitor(HMONITOR, LPMONITORINFO info) {
    if (g_monitor) {
        *info = *g_monitor;
        return TRUE;
    }
    info->rcMonitor = RECT{0, 0, 1280, 1024};
    info->rcWork = RECT{0, 0, 1280, ScreenRect(FindWindowW(L"Shell_TrayWnd", L"")).top};
    return TRUE;
}

// The flags of the last process start, 1 for one with arguments.
DWORD g_startFlags = 0;

BOOL WINAPI RecordProcessStart(LPCWSTR application, LPWSTR arguments, LPSECURITY_ATTRIBUTES,
                               LPSECURITY_ATTRIBUTES, BOOL, DWORD flags, LPVOID, LPCWSTR,
                               LPSTARTUPINFOW, LPPROCESS_INFORMATION) {
    g_startFlags = application && !arguments ? flags : 1;
    return FALSE;
}

class GameWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RunLoginStep = [](HWND) { return std::wstring(L"about:blank"); };
        processseam::createProcess = RecordProcessStart;
        monitorarea::getMonitorInfo = ReportMonitor;
        SHCreateDirectoryExW(nullptr, (GetDataDir() + L"res").c_str(), nullptr);
        WriteSetting(L"Setting", L"screentoggle", L"Ctrl+Shift+A");
        WriteSetting(L"Setting", L"fullscreen", L"");
    }

    void SetUp() override {
        g_monitor.reset();
        ASSERT_TRUE(dialog_.Create(IDD_LANDER_Q7_DIALOG, nullptr));
        window_ = dialog_.m_hWnd;
        RECT taskbar = ScreenRect(FindWindowW(L"Shell_TrayWnd", L""));
        ASSERT_GT(taskbar.bottom - taskbar.top, 0) << "needs a virtual desktop with a taskbar";
        workArea_ = RECT{0, 0, 1280, 1024 - (taskbar.bottom - taskbar.top)};
        uitest::Pump(300);
    }

    void Send(UINT msg, WPARAM wParam, LPARAM lParam = 0) {
        SendMessageW(window_, msg, wParam, lParam);
        uitest::Pump(150);
    }

    // Shown or not: close, max, restore, min, full, boss, cache, refresh, server.
    std::string ShownButtons() const {
        std::string shown;
        for (int id : {IDC_BTN_CLOSE, IDC_BTN_MAXIMIZE, IDC_BTN_RESTORE, IDC_BTN_MINIMIZE,
                       IDC_BTN_FULLSCREEN, IDC_BTN_BOSSKEY, IDC_BTN_CLEAR_CACHE, IDC_BTN_REFRESH,
                       IDC_BTN_CHANGE_SERVER})
            shown += IsWindowVisible(GetDlgItem(window_, id)) ? '1' : '0';
        return shown;
    }

    // In client coordinates; the game view's by default.
    RECT ChildRect(int id = 10000) const {
        RECT rect = ScreenRect(GetDlgItem(window_, id));
        MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    void Screenshot(const wchar_t* name) {
        EXPECT_FALSE(uitest::SaveArtifact(uitest::CaptureClient(GetDesktopWindow()), name).empty());
    }

    CLander_Q7Dlg dialog_;
    HWND window_ = nullptr;
    RECT workArea_{};
};

TEST_F(GameWindowTest, OpensMaximisedWithItsStripButtonsViewTrayIconAndHotkeys) {
    EXPECT_EQ(workArea_, ScreenRect(window_));
    EXPECT_EQ("101111111", ShownButtons());
    EXPECT_EQ((RECT{0, 30, 1280, workArea_.bottom}), ChildRect());
    EXPECT_TRUE(TrayIconShown(window_));
    EXPECT_EQ((RECT{1280 - 28, 3, 1280, 29}), ChildRect(IDC_BTN_CLOSE));

    uitest::Pixels strip = uitest::CaptureClient(window_);
    for (auto [png, x, width] : {std::tuple(203, 0, 203), std::tuple(172, 500, 1)}) {
        auto image = uitest::DecodePng(static_cast<WORD>(png));
        ASSERT_TRUE(image);
        EXPECT_LE(uitest::MaxDistance(uitest::Composite(*image, 0, width, 30, false),
                                      strip.Crop(RECT{x, 0, x + width, 30})),
                  2)
            << png;
    }
    Screenshot(L"game_window_maximised.png");

    // Boss key from the settings and F5 taken; nothing for the empty text.
    FakeFrame probe;
    EXPECT_FALSE(RegisterHotKey(probe.m_hWnd, 1, MOD_CONTROL | MOD_SHIFT, 'A'));
    EXPECT_FALSE(RegisterHotKey(probe.m_hWnd, 2, 0, VK_F5));
    EXPECT_TRUE(RegisterHotKey(probe.m_hWnd, 3, 0, VK_F11));
}

TEST_F(GameWindowTest, FitsTheWorkAreaOfItsMonitorWhereverTheTaskbarSits) {
    // Monitor, work area, and the maximised window: the taskbar on each side,
    // hidden, on a second monitor left of the first, and an empty work area.
    const RECT cases[][3] = {
        {{0, 0, 1280, 1024}, {62, 0, 1280, 1024}, {62, 0, 1280, 1024}},
        {{0, 0, 1280, 1024}, {0, 40, 1280, 1024}, {0, 40, 1280, 1024}},
        {{0, 0, 1280, 1024}, {0, 0, 1218, 1024}, {0, 0, 1218, 1024}},
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}},
        {{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}, {-1280, 0, 0, 984}},
        {{0, 0, 1280, 1024}, {0, 1024, 1280, 1024}, {0, 0, 1280, 1024}},
    };
    for (const auto& [monitor, work, maximised] : cases) {
        g_monitor = MONITORINFO{sizeof(MONITORINFO), monitor, work, 0};
        Send(WM_SETTINGCHANGE, SPI_SETWORKAREA);
        int width = maximised.right - maximised.left;
        EXPECT_EQ(maximised, ScreenRect(window_)) << work.left << "," << work.top;
        EXPECT_EQ((RECT{0, 30, width, maximised.bottom - maximised.top}), ChildRect());
        EXPECT_EQ((RECT{width - 28, 3, width, 29}), ChildRect(IDC_BTN_CLOSE));
        Send(WM_COMMAND, IDC_BTN_FULLSCREEN);
        EXPECT_EQ(monitor, ScreenRect(window_));
        Send(WM_COMMAND, IDCANCEL);
        EXPECT_EQ(maximised, ScreenRect(window_));
    }
    // A window hidden by the boss key stays hidden, where it was.
    g_monitor->rcWork = RECT{0, 0, 1280, 900};
    Send(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    Send(WM_COMMAND, IDC_BTN_BOSSKEY);
    g_monitor->rcWork = RECT{0, 0, 1280, 800};
    Send(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ((RECT{0, 0, 1280, 900}), ScreenRect(window_));
}

TEST_F(GameWindowTest, LayoutsFullScreenAndWhatTheFrameIsTold) {
    FakeFrame first, frame;
    Send(WM_GAMEFRAME_ATTACH, reinterpret_cast<WPARAM>(first.m_hWnd));
    Send(WM_GAMEFRAME_ATTACH, reinterpret_cast<WPARAM>(frame.m_hWnd));

    Send(WM_COMMAND, IDC_BTN_RESTORE);
    EXPECT_EQ("110111111", ShownButtons());
    EXPECT_EQ((RECT{0, 30, 1000, 700}), ChildRect());
    Screenshot(L"game_window_restored.png");
    ASSERT_FALSE(frame.got.empty());
    EXPECT_EQ((std::pair<UINT, WPARAM>{WM_GAMEFRAME_LAYOUT, 0}), frame.got.back());

    Send(WM_LBUTTONDBLCLK, 0, MAKELPARAM(300, 10));
    EXPECT_EQ(workArea_, ScreenRect(window_));

    frame.got.clear();
    Send(WM_COMMAND, IDC_BTN_REFRESH);
    Send(WM_COMMAND, IDC_BTN_FULLSCREEN);
    EXPECT_EQ((RECT{0, 0, 1280, 1024}), ScreenRect(window_));
    EXPECT_EQ((RECT{0, 0, 1280, 1024}), ChildRect());
    EXPECT_EQ("000000001", ShownButtons());
    EXPECT_EQ((std::pair<UINT, WPARAM>{WM_GAMEFRAME_LAYOUT, 1}), frame.got.back());
    Screenshot(L"game_window_full_screen.png");

    // Enter and Escape go to the page; hotkeys 1 and 3 act only in front.
    PostMessageW(GetDlgItem(window_, 10000), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(window_, WM_KEYDOWN, VK_RETURN, 0);
    Send(WM_NULL, 0);
    EXPECT_EQ((RECT{0, 0, 1280, 1024}), ScreenRect(window_));
    FakeFrame other;
    ShowWindow(other.m_hWnd, SW_SHOW);
    SetForegroundWindow(other.m_hWnd);
    Send(WM_HOTKEY, 1);
    Send(WM_HOTKEY, 3);
    EXPECT_EQ((RECT{0, 0, 1280, 1024}), ScreenRect(window_));
    SetForegroundWindow(window_);
    Send(WM_HOTKEY, 1);
    Send(WM_HOTKEY, 3);
    EXPECT_EQ(workArea_, ScreenRect(window_));
    EXPECT_EQ("101111111", ShownButtons());
    EXPECT_EQ((std::pair<UINT, WPARAM>{WM_GAMEFRAME_LAYOUT, 0}), frame.got.back());
    EXPECT_EQ(2, std::count(frame.got.begin(), frame.got.end(),
                            std::pair<UINT, WPARAM>{WM_GAMEFRAME_REFRESH, 0}));

    // Leaving, here through the cancel command, always ends maximised.
    Send(WM_COMMAND, IDC_BTN_RESTORE);
    Send(WM_COMMAND, IDC_BTN_FULLSCREEN);
    Send(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(workArea_, ScreenRect(window_));
    EXPECT_EQ((RECT{0, 30, 1280, workArea_.bottom}), ChildRect());
}

TEST_F(GameWindowTest, BossKeyTrayToggleMinimiseAndRestoreFromTheTaskbar) {
    FakeFrame other;
    ShowWindow(other.m_hWnd, SW_SHOW);
    SetForegroundWindow(other.m_hWnd);
    const std::pair<UINT, WPARAM> steps[] = {
        {WM_COMMAND, IDC_BTN_BOSSKEY}, {WM_HOTKEY, 2}, {WM_COMMAND, ID_TRAY_TOGGLE},
        {WM_COMMAND, ID_TRAY_TOGGLE},  {WM_HOTKEY, 2}, {WM_HOTKEY, 2},
    };
    bool visible = true;
    for (const auto& [msg, wParam] : steps) {
        Send(msg, wParam);
        visible = !visible;
        EXPECT_EQ(visible, IsWindowVisible(window_) != FALSE) << msg << " " << wParam;
    }
    Send(WM_COMMAND, ID_TRAY_TOGGLE);
    Send(WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_EQ(window_, GetForegroundWindow());

    Send(WM_COMMAND, IDC_BTN_MINIMIZE);
    EXPECT_TRUE(IsIconic(window_));
    SetForegroundWindow(other.m_hWnd);
    Send(WM_HOTKEY, 2);
    EXPECT_EQ(workArea_, ScreenRect(window_));
    EXPECT_EQ(window_, GetForegroundWindow());

    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    Send(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(workArea_, ScreenRect(window_));

    // Minimised in full screen or by the button, it comes back whole: F full
    // screen, M maximised layout, I minimised, H hidden. Steps below 10 are
    // hotkeys, then commands, then system commands.
    const RECT all{0, 0, 1280, 1024}, below{0, 30, 1280, workArea_.bottom};
    auto shows = [&](const RECT& window, const RECT& view, const char* buttons) {
        return ScreenRect(window_) == window && ChildRect() == view && ShownButtons() == buttons;
    };
    std::string seen;
    for (int step : {IDC_BTN_FULLSCREEN, SC_MINIMIZE, SC_RESTORE, IDC_BTN_MINIMIZE, SC_RESTORE, 2,
                     2, IDC_BTN_MINIMIZE, 2, 3, IDC_BTN_MINIMIZE, SC_RESTORE, 3, 2, 2}) {
        if (step == 3)
            SetForegroundWindow(window_); // the key acts only in front
        Send(step < 10 ? WM_HOTKEY : step < SC_SIZE ? WM_COMMAND : WM_SYSCOMMAND, step);
        seen += !IsWindowVisible(window_)              ? 'H'
                : IsIconic(window_)                    ? 'I'
                : shows(all, all, "000000001")         ? 'F'
                : shows(workArea_, below, "101111111") ? 'M'
                                                       : '?';
    }
    EXPECT_EQ("FIFIFHFIFMIMFHF", seen);
}

TEST_F(GameWindowTest, TrayMenuAndCacheOverlay) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetTimer(nullptr, 0, 300, LookAtMenu);
    Send(WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    EXPECT_EQ(cursor.x - 130, g_menu.left);
    EXPECT_EQ(cursor.y, g_menu.top);

    HWND overlay = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
    while (overlay && GetWindow(overlay, GW_OWNER) != window_)
        overlay = FindWindowExW(nullptr, overlay, L"#32770", nullptr);
    for (UINT command : {IDC_BTN_CLEAR_CACHE, ID_TRAY_CLEAR_CACHE}) {
        SendMessageW(window_, WM_COMMAND, command, 0);
        EXPECT_TRUE(IsWindowVisible(overlay)) << command;
        EXPECT_EQ(ScreenRect(window_), ScreenRect(overlay));
        Send(WM_COMMAND, ID_CACHE_CLEARED);
        EXPECT_FALSE(IsWindowVisible(overlay));
    }
}

TEST_F(GameWindowTest, QuestionsAnsweredNoChangeNothingAndYesEnds) {
    FakeFrame first, frame;
    Send(WM_GAMEFRAME_ATTACH, reinterpret_cast<WPARAM>(first.m_hWnd));
    Send(WM_GAMEFRAME_ATTACH, reinterpret_cast<WPARAM>(frame.m_hWnd));
    for (UINT command : {IDC_BTN_CLOSE, ID_TRAY_EXIT, IDC_BTN_CHANGE_SERVER}) {
        AnswerNextQuestion(IDCANCEL);
        Send(WM_COMMAND, command);
    }
    AnswerNextQuestion(IDCANCEL);
    Send(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(TrayIconShown(window_));
    EXPECT_TRUE(frame.got.empty());
    EXPECT_EQ(0u, g_startFlags);

    AnswerNextQuestion(IDOK);
    Send(WM_COMMAND, IDC_BTN_CHANGE_SERVER);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ((Received{{WM_CLOSE, 0}}), frame.got);
    EXPECT_EQ(static_cast<DWORD>(CREATE_DEFAULT_ERROR_MODE), g_startFlags);

    AnswerNextQuestion(IDOK);
    Send(WM_COMMAND, ID_TRAY_EXIT);
    EXPECT_FALSE(TrayIconShown(window_));
    EXPECT_TRUE(first.got.empty());
    Send(RegisterWindowMessageW(L"TaskbarCreated"), 0);
    EXPECT_FALSE(TrayIconShown(window_)) << "a restarted taskbar got the removed icon back";
}

} // namespace
