// DLL entry point and the module's object accounting.
#include "Module.h"

#include "Log.h"

namespace standin {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_liveObjects = 0;
LONG g_locks = 0;

} // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}

LiveObject::LiveObject() {
    InterlockedIncrement(&g_liveObjects);
}
LiveObject::~LiveObject() {
    InterlockedDecrement(&g_liveObjects);
}

long LiveObjectCount() {
    return g_liveObjects;
}

void LockModule(bool lock) {
    if (lock)
        InterlockedIncrement(&g_locks);
    else
        InterlockedDecrement(&g_locks);
}

bool ModuleLocked() {
    return g_locks > 0;
}

} // namespace standin

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        standin::g_instance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        // Objects still alive here were never released by the host: the line
        // lets a test see a leak even when the process simply exits.
        standin::LogLine(L"dll", L"call", L"unload")
            .Add(L"live", static_cast<long long>(standin::g_liveObjects))
            .Write();
    }
    return TRUE;
}
