// The game frame as its host sees it: the real program started with
// "-frameWnd=" on a window of this test, which plays the game window.
#include "gamewindow/GameMessages.h"
#include "tests/browser/StandinSupport.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>

namespace {

HWND g_frame = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GAMEFRAME_ATTACH)
        g_frame = reinterpret_cast<HWND>(wParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Whether the frame sits at left, top, right, bottom in the host's client area.
bool PlacedAt(HWND host, LONG left, LONG top, LONG right, LONG bottom) {
    RECT place{}, expected{left, top, right, bottom};
    GetWindowRect(g_frame, &place);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&place), 2);
    return EqualRect(&place, &expected);
}

// A host window with a frame process attached to it.
fw::UniqueHandle StartFrame(HWND& host) {
    host = CreateWindowW(L"GameFrameTestHost", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 820,
                         640, nullptr, nullptr, nullptr, nullptr);
    g_frame = nullptr;
    fw::UniqueHandle process = test::StartProcess(
        L"Z:" LANDER_PROGRAM_EXE, L"Lander_Q7.exe -frameWnd=" +
                                      std::to_wstring(reinterpret_cast<INT_PTR>(host)) +
                                      L" -gameurl=http://127.0.0.1/play_gamecode?id=7");
    EXPECT_TRUE(test::PumpUntil([] { return g_frame != nullptr; }, 20000)) << "not attached";
    return process;
}

bool EndsWithin(const fw::UniqueHandle& process, DWORD ms) {
    DWORD code = 1;
    return test::PumpUntil([&] { return WaitForSingleObject(process.Get(), 0) == 0; }, ms) &&
           GetExitCodeProcess(process.Get(), &code) && code == 0;
}

TEST(GameFrame, FollowsItsHostAndEndsWithIt) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.lpszClassName = L"GameFrameTestHost";
    RegisterClassW(&windowClass);
    test::StandinRun standin(L"frame", "");
    HWND host = nullptr;
    fw::UniqueHandle process = StartFrame(host);
    RECT client{};
    GetClientRect(host, &client);
    EXPECT_EQ(host, GetAncestor(g_frame, GA_PARENT));
    EXPECT_TRUE(PlacedAt(host, 0, 30, client.right, client.bottom));
    SendMessageW(g_frame, WM_GAMEFRAME_LAYOUT, 1, 0);
    EXPECT_TRUE(PlacedAt(host, 0, 0, client.right, client.bottom));
    ShowWindow(g_frame, SW_HIDE);
    SendMessageW(g_frame, WM_GAMEFRAME_LAYOUT, 0, 0);
    EXPECT_TRUE(PlacedAt(host, 0, 30, client.right, client.bottom) && IsWindowVisible(g_frame));

    // Posted after the keys, the refresh shows that they have been handled.
    HWND view = FindWindowExW(g_frame, nullptr, nullptr, L"MyWebBrowser");
    for (WPARAM key : {VK_RETURN, VK_ESCAPE})
        PostMessageW(view, WM_KEYDOWN, key, 0);
    PostMessageW(g_frame, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(g_frame, WM_GAMEFRAME_REFRESH, 0, 0);
    EXPECT_TRUE(
        test::PumpUntil([&] { return !standin.Lines(L"call", L"Refresh").empty(); }, 15000));
    EXPECT_FALSE(EndsWithin(process, 1000)) << "Enter, Escape or cancel closed the frame";
    SendMessageW(g_frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(EndsWithin(process, 5000));
    DestroyWindow(host);

    process = StartFrame(host);
    DestroyWindow(host);
    // The watcher looks once a second and gives the close a second more; the
    // rest is room for a loaded machine.
    EXPECT_TRUE(EndsWithin(process, 5000)) << "still running 5 s after its host went";
}

} // namespace
