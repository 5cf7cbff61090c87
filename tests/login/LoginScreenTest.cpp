// The login panel and popup run modally in process, with the scripted browser
// stand-in playing the login page and the platform stand-in answering the
// update check (reached as the proxy, since the program's server address is
// fixed at build time).
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

#include <functional>
#include <vector>

namespace {

using Urls = std::vector<std::wstring>;
const wchar_t kLogin[] = L"http://127.0.0.1:28080/showMiniIndex";
const wchar_t kCapitals[] = L"http://127.0.0.1:28080/PLAY_GAMECODE?x=1";
const wchar_t kGame[] = L"http://127.0.0.1:28080/play_gamecode?g=vrk&user=ab";

std::vector<int> g_exits;
Urls g_reports;

class LoginEnvironment : public ::testing::Environment {
    void SetUp() override {
        processexit::exitProcess = [](int code) { g_exits.push_back(code); };
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", 0,
                        nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        DWORD on = 1;
        std::wstring proxy = test::SimBase().substr(7);
        RegSetValueExW(key, L"ProxyEnable", 0, REG_DWORD, reinterpret_cast<BYTE*>(&on), 4);
        RegSetValueExW(key, L"ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(proxy.c_str()),
                       static_cast<DWORD>((proxy.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
};
const auto* g_environment = ::testing::AddGlobalTestEnvironment(new LoginEnvironment);

LRESULT CALLBACK RecordReports(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    if (msg == WM_COMMAND && LOWORD(wParam) == ID_FORM_NAVIGATE)
        g_reports.push_back(LastFormUrl);
    return DefSubclassProc(window, msg, wParam, lParam);
}

// Runs the panel modally and calls step from its loop every 50 ms, with the
// tick's number; a run that does not end gives up after 15 s.
struct PanelRun {
    CLanderLogin panel;
    std::function<void(int)> step;
    int ticks = 0;
    static PanelRun* current;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current || !current->panel.m_hWnd)
            return;
        if (++current->ticks > 300)
            return current->panel.EndDialog(-2);
        current->step(current->ticks);
    }
    void Run() {
        g_reports.clear();
        g_exits.clear();
        current = this;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
        panel.DoModal();
        KillTimer(nullptr, timer);
        current = nullptr;
    }
    HWND Popup() const { return panel.Popup()->GetSafeHwnd(); }
};
PanelRun* PanelRun::current = nullptr;

TEST(LoginScreen, PageEndsTheRunWithTheGameAddress) {
    std::wstring settings = SettingsFilePath();
    test::MakeDirectories(settings.substr(0, settings.find_last_of(L"\\/")));
    WriteSetting(L"Info", L"pwd", L" cGFz\tc3dv cmQ");
    WriteSetting(L"Info", L"rem", L"0");
    WriteSetting(L"Setting", L"autologin", L"no");
    std::string game = fw::ToNarrow(kGame);
    test::StandinRun standin(L"login", "page http://127.0.0.1:28080/showMiniIndex*\n  wait 1500\n"
                                       "  frame http://127.0.0.1:28080/showMiniIndex/form.html\n"
                                       "  complete\n  wait 200\n  navigate " +
                                           fw::ToNarrow(kCapitals) +
                                           "\npage *PLAY_GAMECODE*\n  complete\n  wait 200\n"
                                           "  navigate " +
                                           game + "\n");
    PanelRun run;
    RECT hiddenRect{1, 1, 2, 2}, panelAt{}, popupAt{};
    std::wstring firstReport;
    run.step = [&](int tick) {
        if (tick != 1)
            return;
        hiddenRect = run.panel.Popup()->WebForm()->ControlRect();
        firstReport = LastFormUrl;
        SetWindowSubclass(run.Popup(), RecordReports, 1, 0);
        SetWindowPos(run.panel.m_hWnd, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(run.panel.m_hWnd, &panelAt);
        GetWindowRect(run.Popup(), &popupAt);
    };
    run.Run();

    EXPECT_EQ(kGame, run.panel.GetGameUrl());
    EXPECT_EQ(kLogin, firstReport);
    EXPECT_EQ((Urls{L"http://127.0.0.1:28080/showMiniIndex/form.html", kCapitals, kGame}),
              g_reports);
    EXPECT_TRUE(IsRectEmpty(&hiddenRect));
    RECT page{0, 72, 700, 460};
    EXPECT_TRUE(EqualRect(&page, &run.panel.Popup()->WebForm()->ControlRect()));
    RECT panel{30, 40, 30 + 1216, 40 + 724}, popup{482, 240, 482 + 700, 240 + 460};
    EXPECT_TRUE(EqualRect(&panel, &panelAt));
    EXPECT_TRUE(EqualRect(&popup, &popupAt));

    auto navigations = standin.Lines(L"event", L"BeforeNavigate2");
    ASSERT_EQ(4u, navigations.size());
    EXPECT_EQ(L"0", navigations[2].Field(L"cancel"));
    EXPECT_EQ(L"1", navigations[3].Field(L"cancel"));
    EXPECT_EQ(3u, standin.Lines(L"event", L"DocumentComplete").size());
    EXPECT_EQ(L"0xc", standin.Lines(L"call", L"GetHostInfo").at(0).Field(L"flags"));
    std::string requests = test::ReadBytes(test::SimState(L"requests.log"));
    size_t first = requests.find("getClientVersion.php?p=morvane");
    EXPECT_NE(std::string::npos, first);
    EXPECT_EQ(std::string::npos, requests.find("getClientVersion.php", first + 1));

    const RememberedAccount& account = GetRememberedAccount();
    EXPECT_EQ(L"password", account.password);
    EXPECT_EQ(L"0", account.remember);
    EXPECT_EQ(L"1", account.autoLogin);
}

TEST(LoginScreen, KeysReachThePageOrAreSwallowed) {
    test::StandinRun standin(L"keys", "page http://127.0.0.1:28080/showMiniIndex*\n"
                                      "  complete\n  focus\n");
    PanelRun run;
    HWND page = nullptr;
    bool popupShown = false;
    run.step = [&](int tick) {
        if (tick == 10) {
            page = run.panel.Popup()->WebForm()->FindServerWindow();
            for (int key : {VK_SPACE, VK_ESCAPE, VK_RETURN, VK_TAB, int('A')})
                PostMessageW(page, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        } else if (tick == 11) {
            keybd_event(VK_CONTROL, 0, 0, 0);
        } else if (tick == 12) {
            PostMessageW(page, WM_KEYDOWN, 'C', 0);
        } else if (tick == 14) {
            keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
            popupShown = IsWindowVisible(run.Popup());
            run.panel.EndDialog(0);
        }
    };
    run.Run();

    ASSERT_NE(nullptr, page);
    EXPECT_TRUE(popupShown);
    std::wstring received;
    for (const auto& line : standin.Lines(L"key", L"WM_KEYDOWN"))
        received += line.Field(L"code") + L" ";
    EXPECT_EQ(L"0xd 0x41 0x11 ", received);
    std::wstring accelerated;
    for (const auto& line : standin.Lines(L"key", L"accelerator"))
        accelerated += line.Field(L"code") + line.Field(L"ctrl") + line.Field(L"target") +
                       line.Field(L"result") + L" ";
    EXPECT_EQ(L"0x90serverconsumed 0x431serverconsumed ", accelerated);
}

// The window of this thread that the exit question opened.
HWND FindQuestion(HWND panel, HWND popup) {
    struct Search {
        HWND panel, popup, found;
    } search{panel, popup, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            if (window != s->panel && window != s->popup && IsWindowVisible(window))
                s->found = window;
            return s->found == nullptr ? TRUE : FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(LoginScreen, AltF4OnEitherWindowAsksBeforeExiting) {
    test::StandinRun standin(L"exit", "page http://127.0.0.1:28080/showMiniIndex*\n  wait 0\n");
    PanelRun run;
    int phase = 0, questions = 0;
    bool bothOpenAfterDecline = false;
    auto altF4 = [](HWND window) { PostMessageW(window, WM_SYSKEYDOWN, VK_F4, 1 << 29); };
    run.step = [&](int) {
        HWND question = FindQuestion(run.panel.m_hWnd, run.Popup());
        if (phase == 0 || phase == 2) {
            if (phase == 2)
                bothOpenAfterDecline =
                    !question && IsWindowVisible(run.panel.m_hWnd) && IsWindowVisible(run.Popup());
            altF4(phase == 0 ? run.panel.m_hWnd : run.Popup());
            ++phase;
        } else if ((phase == 1 || phase == 3) && question) {
            ++questions;
            PostMessageW(question, WM_COMMAND, phase == 1 ? IDCANCEL : IDOK, 0);
            ++phase;
        } else if (phase == 4 && !question) {
            run.panel.EndDialog(0);
        }
    };
    run.Run();

    EXPECT_EQ(2, questions);
    EXPECT_TRUE(bothOpenAfterDecline);
    EXPECT_EQ(std::vector<int>{0}, g_exits);
    EXPECT_EQ(L"", run.panel.GetGameUrl());
}

TEST(LoginScreen, VersionTextIsPartOfTheLayeredImage) {
    auto skin = LoadPngResourceImage(319);
    ASSERT_TRUE(skin);
    int w = static_cast<int>(skin->GetWidth()), h = static_cast<int>(skin->GetHeight());
    auto pixels = [&](const wchar_t* text) {
        fw::UniqueGdiObject image = ComposePanelImage(skin.get(), w, h, text);
        DIBSECTION section{};
        GetObjectW(image.Get(), sizeof(section), &section);
        auto* bits = static_cast<const UINT32*>(section.dsBm.bmBits);
        return std::vector<UINT32>(bits, bits + static_cast<size_t>(w) * h);
    };
    std::vector<UINT32> plain = pixels(L""), marked = pixels(L"8.8.8.8");
    Gdiplus::RectF rect = VersionTextRect(w, h);
    int changed = 0, inColour = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            UINT32 p = marked[static_cast<size_t>(y) * w + x];
            if (p == plain[static_cast<size_t>(y) * w + x])
                continue;
            ++changed;
            EXPECT_TRUE(rect.Contains(static_cast<float>(x), static_cast<float>(y)))
                << x << "," << y;
            // Opaque, and as near the text colour as a 10-pixel font's
            // smoothed strokes come.
            inColour += p >> 24 == 0xFF && uitest::ChannelDistance(p & 0xFFFFFF, 0xCBAE5B) <= 32;
        }
    EXPECT_GT(changed, 20);
    EXPECT_GT(inColour, 0);
}

} // namespace
