// Helpers of the self-test: message pumping with a deadline, files in the
// prefix's temporary folder, and reading back the stand-in's log.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace selftest {

// Dispatches messages as a host's loop does until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

std::wstring TempPath(const wchar_t* name);
void WriteUtf8File(const std::wstring& path, const std::string& bytes);

// The log, and lines of it containing every given fragment.
std::string ReadLog();
int CountLogLines(const std::string& log, std::initializer_list<const char*> fragments);

// Points the stand-in at a new script and a fresh log, both named after the
// test group ("standin-<name>.txt" and ".log" in the temporary folder), so a
// failed run leaves each group's log to read.
void UseScript(const wchar_t* name, const std::string& script);

} // namespace selftest
