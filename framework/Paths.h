// Paths the program asks the system for, and the one test every caller makes
// of a path: does something exist there.
#pragma once

#include <string>

namespace fw {

// The running executable's full path, however long; empty if it cannot be read.
std::wstring ModulePath();
// The running executable's file name, with and without its extension.
std::wstring ModuleFileName();
// The part of path after its last separator: the file's name.
std::wstring FileNameOf(const std::wstring& path);
std::wstring ModuleBaseName();

// A shell special folder (CSIDL_*) of the current user; empty when the shell
// cannot name it.
std::wstring ShellFolderPath(int csidl);

// True when a file or folder exists at path.
bool PathExists(const std::wstring& path);

} // namespace fw
