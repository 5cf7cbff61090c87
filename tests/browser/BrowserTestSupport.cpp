#include "tests/browser/BrowserTestSupport.h"

#include "browser/ShellSeam.h"

namespace test {

namespace {

std::vector<ShellCall>& RecordedCalls() {
    static std::vector<ShellCall> calls;
    return calls;
}

std::vector<std::wstring>& RecordedLines() {
    static std::vector<std::wstring> lines;
    return lines;
}

std::wstring Text(LPCWSTR text) {
    return text ? text : L"";
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show) {
    RecordedCalls().push_back(
        {owner != nullptr, Text(verb), Text(file), Text(parameters), directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(42);
}

void WINAPI RecordDebugOutput(LPCWSTR text) {
    RecordedLines().push_back(Text(text));
}

const wchar_t kHostClass[] = L"LanderBrowserTestHost";

} // namespace

ShellRecorder::ShellRecorder() {
    RecordedCalls().clear();
    RecordedLines().clear();
    shellseam::shellExecute = RecordShellExecute;
    shellseam::outputDebugString = RecordDebugOutput;
}

ShellRecorder::~ShellRecorder() {
    shellseam::shellExecute = ShellExecuteW;
    shellseam::outputDebugString = OutputDebugStringW;
}

const std::vector<ShellCall>& ShellRecorder::Calls() const {
    return RecordedCalls();
}
const std::vector<std::wstring>& ShellRecorder::DebugLines() const {
    return RecordedLines();
}

HostWindow::HostWindow(int width, int height) {
    static ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        return RegisterClassW(&wc);
    }();
    (void)atom;
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW, 10, 10,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() {
    if (IsWindow(window_))
        DestroyWindow(window_);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return done();
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace test
