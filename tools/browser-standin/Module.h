// Process-wide state of the DLL: its module handle and the count of live
// objects and server locks that decides whether COM may unload it.
#pragma once

#include <windows.h>

namespace standin {

HINSTANCE ModuleInstance();

// Members of every COM object the DLL hands out, so DllCanUnloadNow and the
// unload line in the log know how many are still alive.
class LiveObject {
public:
    LiveObject();
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;
    ~LiveObject();
};

long LiveObjectCount();
void LockModule(bool lock);
bool ModuleLocked();

} // namespace standin
