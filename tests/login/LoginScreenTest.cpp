// The login panel and popup run modally in process, with the scripted browser
// stand-in playing the login page and the platform stand-in answering the
// update check as the proxy (the program's server address is fixed at build).
#include "app/Settings.h"
#include "framework/Strings.h"
#include "login/LanderLogin.h"
#include "login/LoginPopupDlg.h"
#include "login/PanelImage.h"
#include "login/ProcessExit.h"
#include "login/RememberedAccount.h"
#include "tests/browser/StandinSupport.h"
#include "tests/support/PlatformSim.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/PngResource.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>

namespace {

using Urls = std::vector<std::wstring>;
const wchar_t kCapitals[] = L"http://127.0.0.1:28080/PLAY_GAMECODE?x=1";
const wchar_t kGame[] = L"http://127.0.0.1:28080/play_gamecode?g=vrk&user=ab";
const std::string kLoginPage = "page http://127.0.0.1:28080/showMiniIndex*\n";

std::vector<int> g_exits;
Urls g_reports;
std::vector<HWND> g_shown;

LRESULT CALLBACK RecordShows(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_SHOWWINDOW && sent->wParam)
        g_shown.push_back(sent->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordReports(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (msg == WM_COMMAND && LOWORD(wParam) == ID_FORM_NAVIGATE)
        g_reports.push_back(LastFormUrl);
    return DefSubclassProc(window, msg, wParam, lParam);
}

// Runs the panel modally and calls step with the tick's number every 50 ms
// from its loop; a run that does not end gives up after 15 s.
struct PanelRun {
    CLanderLogin panel;
    std::function<void(int)> step;
    int ticks = 0;
    inline static PanelRun* current = nullptr;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current && current->panel.m_hWnd)
            ++current->ticks > 300 ? current->panel.EndDialog(-2) : current->step(current->ticks);
    }
    void Run() {
        processexit::exitProcess = [](int code) { g_exits.push_back(code); };
        const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
        std::wstring proxy = test::SimBase().substr(7);
        DWORD on = 1;
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"ProxyEnable", REG_DWORD, &on, sizeof(on));
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"ProxyServer", REG_SZ, proxy.c_str(),
                        static_cast<DWORD>((proxy.size() + 1) * sizeof(wchar_t)));
        g_reports.clear();
        g_exits.clear();
        current = this;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
        panel.DoModal();
        KillTimer(nullptr, timer);
    }
    // The popup as the player's system sees it: the panel's owned window
    // that holds the browser control.
    HWND Popup() const {
        HWND found[2] = {panel.m_hWnd, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindPopup, reinterpret_cast<LPARAM>(found));
        return found[1];
    }
    static BOOL CALLBACK FindPopup(HWND window, LPARAM parameter) {
        HWND* found = reinterpret_cast<HWND*>(parameter);
        if (GetWindow(window, GW_OWNER) != found[0] ||
            !FindWindowExW(window, nullptr, L"Shell Embedding", nullptr))
            return TRUE;
        found[1] = window;
        return FALSE;
    }
    // The browser control's window, placed in the popup's client area.
    HWND Control() const { return FindWindowExW(Popup(), nullptr, L"Shell Embedding", nullptr); }
    RECT ControlRect() const {
        RECT rect{};
        GetWindowRect(Control(), &rect);
        MapWindowPoints(nullptr, Popup(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // The page's document window, the target of the keys the popup forwards.
    HWND PageWindow() const {
        HWND view = FindWindowExW(Control(), nullptr, L"Shell DocObject View", nullptr);
        return FindWindowExW(view, nullptr, L"Internet Explorer_Server", nullptr);
    }
};

// The named fields of the stand-in's log lines of one kind, all in one text.
std::wstring Logged(const test::StandinRun& standin, const wchar_t* kind, const wchar_t* name,
                    std::initializer_list<const wchar_t*> fields) {
    std::wstring text;
    for (const auto& line : standin.Lines(kind, name))
        for (const wchar_t* field : fields)
            text += line.Field(field) + L" ";
    return text;
}

TEST(LoginScreen, PageEndsTheRunWithTheGameAddress) {
    std::wstring settings = SettingsFilePath();
    test::MakeDirectories(settings.substr(0, settings.find_last_of(L"\\/")));
    WriteSetting(L"Info", L"pwd", L" cGFz\tc3dv cmQ");
    WriteSetting(L"Info", L"rem", L"0");
    WriteSetting(L"Setting", L"autologin", L"no");
    test::StandinRun standin(L"login",
                             kLoginPage +
                                 "wait 1500\nframe http://127.0.0.1:28080/showMiniIndex/form.html\n"
                                 "complete\nwait 200\nnavigate " +
                                 fw::ToNarrow(kCapitals) +
                                 "\npage *PLAY_GAMECODE*\ncomplete\nwait 200\nnavigate " +
                                 fw::ToNarrow(kGame));
    PanelRun run;
    RECT hidden{1, 1, 2, 2}, placed{}, panelAt{}, popupAt{};
    std::wstring firstReport;
    HWND panelWindow = nullptr, popupWindow = nullptr, active = nullptr;
    run.step = [&](int tick) {
        placed = run.ControlRect();
        if (tick != 1)
            return;
        panelWindow = run.panel.m_hWnd;
        popupWindow = run.Popup();
        active = GetActiveWindow();
        hidden = placed;
        firstReport = LastFormUrl;
        SetWindowSubclass(run.Popup(), RecordReports, 1, 0);
        SetWindowPos(run.panel.m_hWnd, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(run.panel.m_hWnd, &panelAt);
        GetWindowRect(run.Popup(), &popupAt);
    };
    g_shown.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordShows, nullptr, GetCurrentThreadId());
    run.Run();
    UnhookWindowsHookEx(hook);

    // The popup comes up after the panel and leaves the activation to it.
    auto shownAt = [](HWND window) {
        return std::find(g_shown.begin(), g_shown.end(), window) - g_shown.begin();
    };
    EXPECT_LT(shownAt(panelWindow), shownAt(popupWindow));
    EXPECT_LT(shownAt(popupWindow), static_cast<std::ptrdiff_t>(g_shown.size()));
    EXPECT_EQ(panelWindow, active);
    EXPECT_EQ(kGame, run.panel.GetGameUrl());
    EXPECT_EQ(L"http://127.0.0.1:28080/showMiniIndex", firstReport);
    EXPECT_EQ((Urls{L"http://127.0.0.1:28080/showMiniIndex/form.html", kCapitals, kGame}),
              g_reports);
    EXPECT_EQ(L"0 0 0 1 ", Logged(standin, L"event", L"BeforeNavigate2", {L"cancel"}));
    EXPECT_EQ(L"0x400000c ", Logged(standin, L"call", L"GetHostInfo", {L"flags"}));
    RECT page{0, 72, 700, 460}, panel{30, 40, 1246, 764}, popup{482, 240, 1182, 700};
    EXPECT_TRUE(IsRectEmpty(&hidden));
    EXPECT_TRUE(EqualRect(&page, &placed));
    EXPECT_TRUE(EqualRect(&panel, &panelAt));
    EXPECT_TRUE(EqualRect(&popup, &popupAt));
    // Three completed documents, one update check.
    EXPECT_EQ(3u, standin.Lines(L"event", L"DocumentComplete").size());
    std::string requests = test::ReadBytes(test::SimState(L"requests.log"));
    EXPECT_NE(std::string::npos, requests.find("getClientVersion.php?p=morvane"));
    EXPECT_EQ(requests.find("getClientVersion.php"), requests.rfind("getClientVersion.php"));

    const RememberedAccount& account = GetRememberedAccount();
    EXPECT_EQ(L"password 0 1",
              account.password + L" " + account.remember + L" " + account.autoLogin);
}

TEST(LoginScreen, KeysReachThePageOrAreSwallowedAndAltF4Asks) {
    test::StandinRun standin(L"keys", kLoginPage + "complete\nfocus\n");
    PanelRun run;
    HWND page = nullptr;
    int phase = 0;
    bool bothOpen = false;
    run.step = [&](int tick) {
        HWND active = GetActiveWindow();
        bool asking = active && active != run.panel.m_hWnd && active != run.Popup();
        if (tick == 10) {
            page = run.PageWindow();
            for (int key : {VK_SPACE, VK_ESCAPE, VK_RETURN, VK_TAB, int('A')})
                PostMessageW(page, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        } else if (tick == 11 || tick == 13) {
            keybd_event(VK_CONTROL, 0, tick == 11 ? 0 : KEYEVENTF_KEYUP, 0);
        } else if (tick == 12) {
            PostMessageW(page, WM_KEYDOWN, 'C', 0);
        } else if (tick > 13 && (phase == 0 || phase == 2)) {
            // Alt+F4 on the panel, declined; then on the popup, confirmed.
            bothOpen = IsWindowVisible(run.panel.m_hWnd) && IsWindowVisible(run.Popup());
            PostMessageW(phase++ ? run.Popup() : run.panel.m_hWnd, WM_SYSKEYDOWN, VK_F4, 1 << 29);
        } else if ((phase == 1 || phase == 3) && asking) {
            PostMessageW(active, WM_COMMAND, phase++ == 1 ? IDCANCEL : IDOK, 0);
        } else if (phase == 4 && !asking) {
            run.panel.EndDialog(0);
        }
    };
    run.Run();

    EXPECT_EQ(L"0xd 0x41 0x11 ", Logged(standin, L"key", L"WM_KEYDOWN", {L"code"}));
    EXPECT_EQ(L"0x9 0 server consumed 0x43 1 server consumed ",
              Logged(standin, L"key", L"accelerator", {L"code", L"ctrl", L"target", L"result"}));
    EXPECT_TRUE(bothOpen);
    EXPECT_EQ(std::vector<int>{0}, g_exits);
}

TEST(LoginScreen, VersionTextIsPartOfTheLayeredImage) {
    auto skin = LoadPngResourceImage(319);
    ASSERT_TRUE(skin);
    int w = static_cast<int>(skin->GetWidth()), h = static_cast<int>(skin->GetHeight());
    auto compose = [&](const wchar_t* text) {
        fw::UniqueGdiObject image = ComposePanelImage(skin.get(), w, h, text);
        DIBSECTION section{};
        GetObjectW(image.Get(), sizeof(section), &section);
        auto* bits = static_cast<const UINT32*>(section.dsBm.bmBits);
        return std::vector<UINT32>(bits, bits + static_cast<size_t>(w) * h);
    };
    std::vector<UINT32> plain = compose(L""), marked = compose(L"8.8.8.8");
    int inColour = 0;
    for (size_t i = 0; i < marked.size(); ++i) {
        UINT32 p = marked[i];
        if (p == plain[i])
            continue;
        EXPECT_TRUE(static_cast<int>(i % w) >= w - 60 && static_cast<int>(i / w) >= h - 33) << i;
        // Opaque, and as near the colour as the smoothed strokes of a
        // 10-pixel font come.
        inColour += p >> 24 == 0xFF && uitest::ChannelDistance(p & 0xFFFFFF, 0xCBAE5B) <= 32;
    }
    EXPECT_GT(inColour, 0);
}

} // namespace
