// Counted window class registration; only the host's UI thread creates
// controls, so the count needs no lock.
#include "WindowClass.h"

#include "Module.h"

#include <map>

namespace standin {
namespace {

std::map<std::wstring, int>& Users() {
    static std::map<std::wstring, int> users;
    return users;
}

} // namespace

WindowClassUse::WindowClassUse(const wchar_t* name, WNDPROC procedure, HBRUSH background,
                               HCURSOR cursor)
    : name_(name) {
    if (Users()[name_]++ > 0)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

WindowClassUse::~WindowClassUse() {
    if (--Users()[name_] == 0)
        UnregisterClassW(name_.c_str(), ModuleInstance());
}

} // namespace standin
