#include "gamewindow/ProcessSeam.h"

#include "framework/Handles.h"
#include "framework/Paths.h"

// The 32-bit start-up record is 68 bytes.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOW) == 68,
              "the 32-bit start-up record is 68 bytes");

namespace processseam {

CreateProcessProc createProcess = CreateProcessW;

void StartOwnExecutableAgain() {
    std::wstring path = fw::ModulePath();
    SECURITY_ATTRIBUTES processAttributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    SECURITY_ATTRIBUTES threadAttributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (createProcess(path.c_str(), nullptr, &processAttributes, &threadAttributes, FALSE,
                      CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &started)) {
        fw::UniqueHandle process(started.hProcess);
        fw::UniqueHandle thread(started.hThread);
    }
}

} // namespace processseam
