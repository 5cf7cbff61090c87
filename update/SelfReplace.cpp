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
    if (!started)
        return false;
    // The relay never waits for the processes it starts.
    fw::UniqueHandle processHandle(process.hProcess);
    fw::UniqueHandle threadHandle(process.hThread);
    return true;
}

void LaunchUpdater(const std::wstring& cacheFile, const std::wstring& installFile) {
    if (StartRelayProcess(cacheFile, L"-d " + installFile)) {
        // This runs inside a browser event with the login windows and the
        // control still alive: end at once rather than run static destructors
        // (which shut OLE down) under their feet.
        ExitProcess(0);
    }
    DWORD error = GetLastError();
    WriteUpdateLog(fw::FormatString(L"ERROR!Update program did not start,Error Code:%ld,deleted",
                                    static_cast<long>(error)));
    DeleteFileW(cacheFile.c_str());
}

namespace {

const DWORD kRetryStepMs = 250;

bool IsInUse(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

// One attempt to move staged over installPath. A file another process holds
// open answers the sharing error, as a copy over it would; the move itself
// would only say that access was denied.
DWORD MoveIntoPlace(const std::wstring& staged, const std::wstring& installPath) {
    {
        fw::UniqueHandle installed(CreateFileW(installPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD error = installed ? ERROR_SUCCESS : GetLastError();
        if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND)
            return error;
    }
    if (!MoveFileExW(staged.c_str(), installPath.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    return ERROR_SUCCESS;
}

} // namespace

bool CopyWholeFile(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

DWORD ReplaceInstalledFile(const std::wstring& source, const std::wstring& installPath,
                           CopyStep copy, DWORD inUseRetryMs) {
    std::wstring staged = installPath + L".new";
    if (!copy(source, staged)) {
        DWORD error = GetLastError();
        DeleteFileW(staged.c_str());
        return error;
    }
    DWORD started = GetTickCount();
    for (;;) {
        DWORD error = MoveIntoPlace(staged, installPath);
        if (error == ERROR_SUCCESS)
            return ERROR_SUCCESS;
        if (!IsInUse(error) || GetTickCount() - started >= inUseRetryMs) {
            DeleteFileW(staged.c_str());
            return error;
        }
        Sleep(kRetryStepMs);
    }
}

void ApplyUpdate(const std::wstring& installPath) {
    DWORD error = ReplaceInstalledFile(fw::ModulePath(), installPath);
    if (error != ERROR_SUCCESS) {
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
