// Registration of the DLL's window classes for as long as some object uses
// them. Classes a DLL registers outlive it unless it unregisters them, and a
// host may load and unload the DLL several times in one process.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

class WindowClassUse {
public:
    WindowClassUse(const wchar_t* name, WNDPROC procedure, HBRUSH background, HCURSOR cursor);
    WindowClassUse(const WindowClassUse&) = delete;
    WindowClassUse& operator=(const WindowClassUse&) = delete;
    ~WindowClassUse();

private:
    std::wstring name_;
};

} // namespace standin
