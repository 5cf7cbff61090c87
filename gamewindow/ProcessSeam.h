// Starting a new process of the program, through a replaceable function
// pointer (the real CreateProcessW by default) so that tests can watch it
// without a process being started.
#pragma once

#include <windows.h>

namespace processseam {

using CreateProcessProc = BOOL(WINAPI*)(LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES,
                                        LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
                                        LPSTARTUPINFOW, LPPROCESS_INFORMATION);

extern CreateProcessProc createProcess;

// Starts the running executable again without arguments. Whether it started
// is not reported: the caller ends this instance either way.
void StartOwnExecutableAgain();

} // namespace processseam
