#include "tests/support/PlatformSim.h"

#include <windows.h>

namespace test {

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? value : L"";
}

} // namespace

bool SimRunning() {
    return !Env(L"LANDER_SIM_PORT").empty();
}

std::wstring SimBase() {
    return L"http://127.0.0.1:" + Env(L"LANDER_SIM_PORT");
}

std::wstring SimState(const wchar_t* file) {
    std::wstring path = L"Z:" + Env(L"LANDER_SIM_STATE") + L"/" + file;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

} // namespace test
