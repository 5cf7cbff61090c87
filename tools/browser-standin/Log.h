// The stand-in's record of what it did and what hosts asked of it: one line per
// event or call, appended to the file named by BROWSER_STANDIN_LOG.
//
// A line is "<source> <kind> <name>" followed by "key=value" fields, separated
// by single spaces. Values are written in UTF-8 with space, '%', tab, CR and LF
// percent-encoded, so every field is one word.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

class LogLine {
public:
    // source is "b<N>" for browser control N, "dll" for the module itself.
    LogLine(const std::wstring& source, const wchar_t* kind, const std::wstring& name);

    LogLine& Add(const wchar_t* key, const std::wstring& value);
    LogLine& Add(const wchar_t* key, const wchar_t* value);
    LogLine& Add(const wchar_t* key, long long value);
    LogLine& Hex(const wchar_t* key, unsigned long value);
    LogLine& Result(HRESULT hr);

    // Appends the line to the log file; without BROWSER_STANDIN_LOG it is dropped.
    void Write();

private:
    std::wstring text_;
};

std::wstring SourceName(int controlId);

// The name of a keyboard message for the log ("other" for anything else).
const wchar_t* KeyMessageName(UINT message);

// Notes a call of a method the stand-in does not model; returns E_NOTIMPL.
HRESULT LogUnimplemented(int controlId, const char* method);

} // namespace standin
