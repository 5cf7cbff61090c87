// The update log: one UTF-16 line per step of a self-update, appended to
// res\update.log in the data directory.
#pragma once

#include <string>

// Local date and time fields of one log line; a failed conversion leaves -1 in
// the time fields and 0 in the date fields.
struct LogTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

LogTime CurrentLogTime();

// "yyyy-mm-dd hh:mm:ss : \tUpdateModule\t<message>" with space-padded fields,
// without the line end.
std::wstring FormatUpdateLogLine(const LogTime& time, const std::wstring& message);

// res\update.log in the data folder; empty without a data folder, and then
// no line is written.
std::wstring UpdateLogPath();

// Appends one line (CR LF as UTF-16, no byte-order mark), with the message's
// control characters written as spaces. Answers 0 when the line was written,
// -1 when the file could not be opened or written; the file is opened without
// sharing, so a writer that finds it busy loses its line.
int WriteUpdateLog(const std::wstring& message);
