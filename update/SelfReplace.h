// The relay that replaces the installed executable: the old process starts
// the downloaded file with "-d" and the install path and ends; that process
// copies itself over the installed file, starts it and ends.
#pragma once

#include <string>

// Starts application with commandLine (none when empty) the way both halves
// of the relay do: default start-up block, inheritable security attributes,
// no inherited handles, the default error mode. True when the process started.
bool StartRelayProcess(const std::wstring& application, const std::wstring& commandLine);

// Starts cacheFile with "-d " followed by installFile, then ends the process
// with exit code 0 whether or not the start succeeded.
[[noreturn]] void LaunchUpdater(const std::wstring& cacheFile, const std::wstring& installFile);

// Copies the running executable over installPath, logs its digest and version,
// starts it and ends the process with exit code 0. Returns only when the copy
// failed, after logging the error code: the caller then starts normally.
void ApplyUpdate(const std::wstring& installPath);
