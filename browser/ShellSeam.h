// The calls of the embedded browser whose only effect lies outside the
// process: opening an address in the player's own web browser, and writing a
// line to the debugger output. They go through replaceable function pointers
// (the real calls by default) so that tests can watch them.
#pragma once

#include <windows.h>

#include <string>

namespace shellseam {

using ShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
using DebugOutputProc = void(WINAPI*)(LPCWSTR);

extern ShellExecuteProc shellExecute;
extern DebugOutputProc outputDebugString;

// Opens an http or https address with the shell's handler for it, the
// player's default browser: verb "Open", the address as the file, no
// parameters, owner or working directory, shown normally. The result is not
// examined: a browser that does not start changes nothing for the program.
// The page chooses the address, so any other scheme (a file, a program's own
// protocol, script) is not handed to the shell; a debugger line notes it.
void OpenInDefaultBrowser(const std::wstring& url);

} // namespace shellseam
