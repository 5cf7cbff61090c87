// HTTP GET over WinINet in the shape the update code expects: a session that
// opens addresses, and an HTTP file that answers its status and headers and
// reads its body. Failures of the internet layer raise fw::CInternetException.
#pragma once

#include "framework/Exceptions.h"
#include "framework/Handles.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

namespace fw {

struct InternetHandleTraits {
    using Type = HINTERNET;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { InternetCloseHandle(h); }
};
using UniqueInternetHandle = UniqueResource<InternetHandleTraits>;

// The answer to one request: status, headers and body of an opened address.
class CHttpFile {
public:
    explicit CHttpFile(UniqueInternetHandle request) : request_(std::move(request)) {}

    // The numeric status code; false when the response carries none.
    bool QueryInfoStatusCode(DWORD& status) const;
    // One header as text (HTTP_QUERY_* level); false when it is missing.
    bool QueryInfo(DWORD infoLevel, std::wstring& value) const;
    // Reads up to count bytes; 0 at the end of the body. Raises
    // CInternetException when the transfer fails.
    UINT Read(void* buffer, UINT count);
    // A numeric option of this request, such as INTERNET_OPTION_RECEIVE_TIMEOUT.
    bool SetOption(DWORD option, DWORD value);
    void Close() { request_.Reset(); }

private:
    UniqueInternetHandle request_;
};

class CInternetSession {
public:
    // The agent defaults to the executable's file name without its extension;
    // the system's configured proxy is used. Raises CInternetException when
    // the internet layer cannot be opened.
    explicit CInternetSession(const wchar_t* agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, DWORD flags = 0);

    // A numeric option such as INTERNET_OPTION_CONNECT_TIMEOUT (milliseconds).
    bool SetOption(DWORD option, DWORD value);

    // Sends a GET for url. Raises CInternetException when the request fails;
    // an address WinINet opens but that is not HTTP yields null.
    std::unique_ptr<CHttpFile> OpenURL(const std::wstring& url, DWORD_PTR context = 1,
                                       DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                                       const wchar_t* headers = nullptr);

    void Close() { session_.Reset(); }

private:
    UniqueInternetHandle session_;
    DWORD_PTR context_;
};

} // namespace fw
