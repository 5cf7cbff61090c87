// The baseline of the start and memory benchmarks: the least a Win32 program
// does to show one window, built and run the same way as the client. Built
// with LANDER_BENCH_COMPONENTS it first starts the system components the
// client starts (GDI+, OLE, the common controls, WinINet, the shell and a
// browser control), which tells their share of the client's memory.
#include <windows.h>

#ifdef LANDER_BENCH_COMPONENTS
#include <commctrl.h>
#include <exdisp.h>
#include <gdiplus.h>
#include <ole2.h>
#include <shellapi.h>
#include <wininet.h>
#endif

namespace {

LRESULT CALLBACK MinimalProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

#ifdef LANDER_BENCH_COMPONENTS
// Left running until the process ends, as the client keeps them.
void StartClientComponents() {
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    SHFILEINFOW info{};
    SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_DISPLAYNAME);
    IWebBrowser2* browser = nullptr;
    CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IWebBrowser2,
                     reinterpret_cast<void**>(&browser));
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
#ifdef LANDER_BENCH_COMPONENTS
    StartClientComponents();
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"MinimalWindow";
    if (!RegisterClassW(&windowClass))
        return 1;
    HWND window =
        CreateWindowExW(0, L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 640, 400, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
