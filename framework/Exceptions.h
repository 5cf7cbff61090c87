// The framework's exceptions for file and internet failures. Callers fetch the
// message text into a fixed buffer, as the update code does for its log.
#pragma once

#include <windows.h>
#include <string>

namespace fw {

class CException {
public:
    virtual ~CException() = default;

    // Copies the message into buffer (maxChars including the terminator),
    // cutting it to fit. Returns false when there is no text.
    bool GetErrorMessage(wchar_t* buffer, UINT maxChars) const;

    virtual std::wstring Message() const = 0;
};

// A failed file operation: the system error code and the file's name.
class CFileException : public CException {
public:
    CFileException(DWORD osError, std::wstring fileName)
        : osError_(osError), fileName_(std::move(fileName)) {}
    DWORD OsError() const { return osError_; }
    std::wstring Message() const override;

private:
    DWORD osError_;
    std::wstring fileName_;
};

// A failed internet operation: the WinINet or system error code.
class CInternetException : public CException {
public:
    explicit CInternetException(DWORD error) : error_(error) {}
    DWORD Error() const { return error_; }
    std::wstring Message() const override;

private:
    DWORD error_;
};

// The system's text for an error code, looked up in the system's messages and,
// when given, in a module's own message table; empty when neither knows it.
std::wstring SystemErrorText(DWORD error, HMODULE messageModule = nullptr);

} // namespace fw
