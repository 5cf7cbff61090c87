#include "update/SelfReplace.h"

#include "framework/Handles.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "update/FileVersion.h"
#include "update/Md5.h"
#include "update/UpdateLog.h"
#include "update/UpdateRules.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

bool StartRelayProcess(const std::wstring& application, const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    SECURITY_ATTRIBUTES processAttributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    SECURITY_ATTRIBUTES threadAttributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    PROCESS_INFORMATION process{};
    // CreateProcess may write into the command line.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    BOOL started = CreateProcessW(application.c_str(), commandLine.empty() ? nullptr : line.data(),
                                  &processAttributes, &threadAttributes, FALSE,
                                  CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process);
    // The relay never waits for the processes it starts.
    fw::UniqueHandle processHandle(process.hProcess);
    fw::UniqueHandle threadHandle(process.hThread);
    return started != FALSE;
}

void LaunchUpdater(const std::wstring& cacheFile, const std::wstring& installFile) {
    StartRelayProcess(cacheFile, L"-d " + installFile);
    // This runs inside a browser event with the login windows and the control
    // still alive: end at once rather than run static destructors (which shut
    // OLE down) under their feet.
    ExitProcess(0);
}

void ApplyUpdate(const std::wstring& installPath) {
    if (!CopyFileW(fw::ModulePath().c_str(), installPath.c_str(), FALSE)) {
        DWORD error = GetLastError();
        WriteUpdateLog(
            fw::FormatString(L"Update failure.Error Code:%ld", static_cast<long>(error)));
        WriteUpdateLog(kLogSeparator);
        return;
    }
    std::wstring digest;
    FileMd5Hex(installPath, digest);
    WriteUpdateLog(fw::FormatString(L"Finish download,current file md5=%s", digest.c_str()));
    WriteUpdateLog(L"Update success.Current Version:" + GetFileVersionString(installPath));
    WriteUpdateLog(kLogSeparator);
    StartRelayProcess(installPath, std::wstring());
    std::exit(0);
}
