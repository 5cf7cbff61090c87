// Helpers shared by the embedded-browser tests: a recorder for the shell and
// debugger calls, a plain host window, and a message pump with a deadline.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test {

struct ShellCall {
    bool hasOwner = false;
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    bool hasDirectory = false;
    int show = 0;
};

// Replaces the shell-execute and debugger-output calls for its lifetime and
// records them instead.
class ShellRecorder {
public:
    ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;
    ~ShellRecorder();

    const std::vector<ShellCall>& Calls() const;
    const std::vector<std::wstring>& DebugLines() const;
};

// A visible top-level window of a plain class, destroyed with the object.
class HostWindow {
public:
    HostWindow(int width, int height);
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    ~HostWindow();

    HWND Get() const { return window_; }

private:
    HWND window_;
};

// Dispatches this thread's messages until done() holds or timeoutMs passes;
// answers done() at the end.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

} // namespace test
