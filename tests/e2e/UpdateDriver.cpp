// Stand-in for the login form in the update relay test: an old version of the
// program, named like it, that runs one update pass as the form will once its
// first page has loaded. Ends with exit code 3 when the pass made no update.
#include "update/UpdateModule.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    RunUpdatePass();
    return 3;
}
