// The relay that replaces the installed executable: the old process starts
// the downloaded file with "-d" and the install path and ends; that process
// copies itself over the installed file, starts it and ends.
#pragma once

#include <windows.h>

#include <string>

// Starts application with commandLine (none when empty) the way both halves
// of the relay do: default start-up block, inheritable security attributes,
// no inherited handles, the default error mode. True when the process started;
// otherwise the last error is the start's.
bool StartRelayProcess(const std::wstring& application, const std::wstring& commandLine);

// Starts cacheFile with "-d " followed by installFile and ends the process
// with exit code 0. When the system refuses the start (security software or a
// policy that blocks programs in the cache folder, say), logs the error code,
// deletes cacheFile and returns, so that the login goes on as when no update
// was offered instead of the program vanishing at every start.
void LaunchUpdater(const std::wstring& cacheFile, const std::wstring& installFile);

// Copies the running executable over installPath, logs its digest and version,
// starts it and ends the process with exit code 0. Returns only when the
// replacement failed, after logging the error code: the caller then starts
// normally, and the installed file is as it was.
void ApplyUpdate(const std::wstring& installPath);

// Copies from to to, as CopyFileW does: false with the last error set when it
// failed, having written all, part or none of to.
using CopyStep = bool (*)(const std::wstring& from, const std::wstring& to);
bool CopyWholeFile(const std::wstring& from, const std::wstring& to);

// How long the relay tries again to replace an installed file still in use:
// the old process is just ending.
constexpr DWORD kInUseRetryMs = 5000;

// Puts a copy of source in installPath's place without ever leaving a damaged
// or missing file there: the copy is written beside it and moved over it in
// one step, tried again for up to inUseRetryMs while the installed file is in
// use. Answers ERROR_SUCCESS, or the code of the step that failed; no copy is
// left behind on failure.
DWORD ReplaceInstalledFile(const std::wstring& source, const std::wstring& installPath,
                           CopyStep copy = CopyWholeFile, DWORD inUseRetryMs = kInUseRetryMs);
