#include "update/UpdateLog.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Strings.h"
#include "update/UpdateRules.h"

#include <ctime>
#include <windows.h>

LogTime CurrentLogTime() {
    LogTime fields;
    time_t now = time(nullptr);
    if (const tm* local = localtime(&now)) {
        fields.year = local->tm_year + 1900;
        fields.month = local->tm_mon + 1;
        fields.day = local->tm_mday;
        fields.hour = local->tm_hour;
        fields.minute = local->tm_min;
        fields.second = local->tm_sec;
    }
    return fields;
}

std::wstring FormatUpdateLogLine(const LogTime& t, const std::wstring& message) {
    return fw::FormatString(L"%2d-%2d-%2d %2d:%2d:%2d : \t%s\t", t.year, t.month, t.day, t.hour,
                            t.minute, t.second, L"UpdateModule") +
           message;
}

std::wstring UpdateLogPath() {
    std::wstring dataDir = GetDataDir();
    return dataDir.empty() ? std::wstring() : dataDir + L"res\\update.log";
}

int WriteUpdateLog(const std::wstring& message) {
    std::wstring line = FormatUpdateLogLine(CurrentLogTime(), LogLineText(message)) + L"\r\n";
    std::wstring path = UpdateLogPath();
    if (path.empty())
        return -1;

    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() == ERROR_FILE_NOT_FOUND) {
        // CREATE_NEW rather than CREATE_ALWAYS: if another process made the
        // file in the meantime, its lines are not wiped.
        file.Reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    if (!file)
        return -1;

    if (SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return -1;
    DWORD bytes = static_cast<DWORD>(line.size() * sizeof(wchar_t));
    DWORD written = 0;
    if (!WriteFile(file.Get(), line.data(), bytes, &written, nullptr) || written != bytes)
        return -1;
    return 0;
}
