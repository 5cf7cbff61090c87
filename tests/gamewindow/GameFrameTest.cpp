// The game frame as a host sees it: the real program started with
// "-frameWnd=" on a window of this test, which plays the game window.
#include "gamewindow/GameMessages.h"
#include "tests/browser/StandinSupport.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

HWND g_attached = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GAMEFRAME_ATTACH)
        g_attached = reinterpret_cast<HWND>(wParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Whether window sits at rect in the client coordinates of parent.
bool PlacedAt(HWND window, HWND parent, RECT rect) {
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return EqualRect(&place, &rect);
}

class GameFrame : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = HostProc;
        windowClass.lpszClassName = L"GameFrameTestHost";
        RegisterClassW(&windowClass);
        host_ = CreateWindowW(windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                              10, 820, 640, nullptr, nullptr, nullptr, nullptr);
        g_attached = nullptr;
        std::wstring line = L"Lander_Q7.exe -frameWnd=" +
                            std::to_wstring(reinterpret_cast<INT_PTR>(host_)) +
                            L" -gameurl=http://127.0.0.1/play_gamecode?id=7";
        process_ = test::StartProcess(L"Z:" LANDER_PROGRAM_EXE, line);
        ASSERT_TRUE(process_);
        ASSERT_TRUE(test::PumpUntil([] { return g_attached != nullptr; }, 20000)) << "not attached";
    }
    void TearDown() override {
        DestroyWindow(host_);
        if (WaitForSingleObject(process_.Get(), 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.Get(), 1);
    }
    bool EndsWithin(DWORD ms) {
        DWORD code = 1;
        return test::PumpUntil([&] { return WaitForSingleObject(process_.Get(), 0) == 0; }, ms) &&
               GetExitCodeProcess(process_.Get(), &code) && code == 0;
    }

    // Set before the frame's process starts, which inherits the settings.
    test::StandinRun standin_{L"frame", ""};
    HWND host_ = nullptr;
    fw::UniqueHandle process_;
};

TEST_F(GameFrame, FollowsItsHostAndClosesOnlyWhenTold) {
    HWND frame = g_attached;
    RECT client{}, frameClient{};
    GetClientRect(host_, &client);
    RECT gameArea{0, 30, client.right, client.bottom};
    EXPECT_EQ(host_, GetAncestor(frame, GA_PARENT));
    EXPECT_TRUE(PlacedAt(frame, host_, gameArea));
    HWND view = FindWindowExW(frame, nullptr, nullptr, L"MyWebBrowser");
    GetClientRect(frame, &frameClient);
    EXPECT_TRUE(PlacedAt(view, frame, frameClient));

    SendMessageW(frame, WM_GAMEFRAME_LAYOUT, 1, 0);
    EXPECT_TRUE(PlacedAt(frame, host_, client));
    ShowWindow(frame, SW_HIDE);
    SendMessageW(frame, WM_GAMEFRAME_LAYOUT, 0, 0);
    EXPECT_TRUE(PlacedAt(frame, host_, gameArea) && IsWindowVisible(frame));

    for (WPARAM key : {VK_RETURN, VK_ESCAPE})
        PostMessageW(view, WM_KEYDOWN, key, 0);
    PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(frame, WM_GAMEFRAME_REFRESH, 0, 0);
    EXPECT_TRUE(
        test::PumpUntil([&] { return !standin_.Lines(L"call", L"Refresh").empty(); }, 5000));
    EXPECT_TRUE(IsWindow(frame)) << "Enter, Escape or cancel closed the frame";

    SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(EndsWithin(5000));
}

TEST_F(GameFrame, EndsWithinTwoSecondsOfItsHost) {
    DestroyWindow(host_);
    EXPECT_TRUE(EndsWithin(2500));
}

} // namespace
