// The two calls of the embedded browser whose only effect lies outside the
// process: starting the system's Internet Explorer on an address, and writing
// a line to the debugger output. They go through replaceable function
// pointers (the real calls by default) so that tests can watch them.
#pragma once

#include <windows.h>

#include <string>

namespace shellseam {

using ShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
using DebugOutputProc = void(WINAPI*)(LPCWSTR);

extern ShellExecuteProc shellExecute;
extern DebugOutputProc outputDebugString;

// Verb "Open", file "iexplore.exe", the address as the whole parameter string,
// no owner or working directory, shown normally. The result is not examined:
// a browser that does not start changes nothing for the program.
void OpenInInternetExplorer(const std::wstring& url);

} // namespace shellseam
