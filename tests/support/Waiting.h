// Waiting on other threads and processes from a test's thread, which keeps
// answering the messages they send it.
#pragma once

#include "framework/Handles.h"

#include <string>

namespace test {

// Runs this thread's message loop until done() holds; false after ms.
template <typename Done> bool PumpUntil(Done done, DWORD ms) {
    for (DWORD start = GetTickCount(); !done(); Sleep(10)) {
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&msg);
        if (GetTickCount() - start > ms)
            return false;
    }
    return true;
}

// Starts exe (or the first word of commandLine) in the folder C:\.
inline fw::UniqueHandle StartProcess(const wchar_t* exe, std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    CreateProcessW(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup,
                   &process);
    fw::UniqueHandle thread(process.hThread);
    return fw::UniqueHandle(process.hProcess);
}

} // namespace test
