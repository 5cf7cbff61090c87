// Starts a program, waits for its windows and reports how long each took and
// the program's working set at that moment, then ends it. Run under the same
// Wine for the client and for the minimal program, so that both pay the same
// process start.
//   bench_launch EXE [TITLE]
// The first figure is taken when the program shows its first top-level window;
// the second, when given, when it shows another one with that title. The
// working set is read a second after each, once the window has settled.
// Prints
//   first <seconds> <working set bytes>
//   titled <seconds> <working set bytes>
#include "framework/Handles.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kTimeoutMs = 60000;
const DWORD kSettleMs = 1000;

struct Search {
    DWORD process;
    const wchar_t* title;    // null: any visible window
    std::vector<HWND>* seen; // windows that no longer count, and the one found
    bool found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window) ||
        std::find(search->seen->begin(), search->seen->end(), window) != search->seen->end())
        return TRUE;
    if (search->title) {
        wchar_t text[256] = L"";
        GetWindowTextW(window, text, 256);
        if (wcscmp(text, search->title) != 0)
            return TRUE;
    }
    search->found = true;
    search->seen->push_back(window);
    return FALSE;
}

double Seconds(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Polls until the window appears or the process ends; false on either failure.
bool WaitAndReport(const char* label, HANDLE process, DWORD id, const wchar_t* title,
                   std::vector<HWND>& seen, const LARGE_INTEGER& start) {
    Search search{id, title, &seen, false};
    for (DWORD waited = 0; waited < kTimeoutMs; waited += 5) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            double elapsed = Seconds(start);
            Sleep(kSettleMs);
            PROCESS_MEMORY_COUNTERS counters{};
            counters.cb = sizeof(counters);
            GetProcessMemoryInfo(process, &counters, sizeof(counters));
            std::printf("%s %.4f %llu\n", label, elapsed,
                        static_cast<unsigned long long>(counters.WorkingSetSize));
            std::fflush(stdout);
            return true;
        }
        if (WaitForSingleObject(process, 5) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_launch EXE [TITLE]\n");
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fprintf(stderr, "cannot start the program (%lu)\n", GetLastError());
        return 1;
    }
    fw::UniqueHandle process(info.hProcess);
    fw::UniqueHandle thread(info.hThread);
    std::vector<HWND> seen;
    bool ok = WaitAndReport("first", process.Get(), info.dwProcessId, nullptr, seen, start);
    if (ok && argc > 2) {
        // Whatever the program shows by now is not the window waited for.
        Search all{info.dwProcessId, nullptr, &seen, false};
        do {
            all.found = false;
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&all));
        } while (all.found);
        ok = WaitAndReport("titled", process.Get(), info.dwProcessId, argv[2], seen, start);
    }
    TerminateProcess(process.Get(), 0);
    WaitForSingleObject(process.Get(), kTimeoutMs);
    if (!ok)
        std::fprintf(stderr, "the window did not appear\n");
    return ok ? 0 : 1;
}
