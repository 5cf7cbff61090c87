// The two halves of clearing the browser cache: the entries the system's
// internet cache knows, and the files left in its folder on disk. Both write
// their progress lines to the debugger output through a replaceable call.
#pragma once

#include <windows.h>

#include <string>

namespace cachecleaner {

// OutputDebugStringW by default. Called from worker threads, possibly from
// two at once.
using DebugOutputProc = void(WINAPI*)(LPCWSTR);
extern DebugOutputProc outputDebugString;

// Deletes every internet-cache entry except cookies. False when the
// enumeration could not be opened (an empty cache).
bool DeleteUrlCacheEntries();

// Deletes everything below folder except files named desktop.ini and the
// folders Content.Outlook, Content.MSO and Content.Word with all they hold
// (and the folders that still hold any of them), clearing read-only bits
// first. False when the folder cannot be searched.
bool EmptyCacheFolder(const std::wstring& folder);

} // namespace cachecleaner
