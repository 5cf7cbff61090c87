// Self-test of the browser stand-in: the script parser directly, then the
// registered DLL through OleCreate as a host uses it. Prints one line per
// failed check and a summary; the exit code is 1 when any check failed.
#include "BrowserTests.h"
#include "Check.h"

#include <ole2.h>

#include <cstdio>

int main() {
    selftest::RunLogicTests();
    if (FAILED(OleInitialize(nullptr))) {
        std::printf("OleInitialize failed\n");
        return 1;
    }
    selftest::RunBrowserTests();
    selftest::RunRobustnessTests();
    OleUninitialize();
    std::printf("%d checks, %d failed\n", selftest::CheckCount(), selftest::FailureCount());
    return selftest::FailureCount() > 0 ? 1 : 0;
}
