#include "framework/Internet.h"

#include "framework/Paths.h"

#include <vector>

namespace fw {

bool CHttpFile::QueryInfoStatusCode(DWORD& status) const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!HttpQueryInfoW(request_.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &value,
                        &size, nullptr))
        return false;
    status = value;
    return true;
}

bool CHttpFile::QueryInfo(DWORD infoLevel, std::wstring& value) const {
    DWORD bytes = 0;
    HttpQueryInfoW(request_.Get(), infoLevel, nullptr, &bytes, nullptr);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0)
        return false;
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!HttpQueryInfoW(request_.Get(), infoLevel, buffer.data(), &bytes, nullptr))
        return false;
    value.assign(buffer.data(), bytes / sizeof(wchar_t));
    return true;
}

UINT CHttpFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    if (!InternetReadFile(request_.Get(), buffer, count, &read))
        throw CInternetException(GetLastError());
    return read;
}

bool CHttpFile::SetOption(DWORD option, DWORD value) {
    return InternetSetOptionW(request_.Get(), option, &value, sizeof(value)) != FALSE;
}

CInternetSession::CInternetSession(const wchar_t* agent, DWORD_PTR context, DWORD accessType,
                                   DWORD flags)
    : context_(context) {
    std::wstring defaultAgent = agent ? std::wstring(agent) : ModuleBaseName();
    session_.Reset(InternetOpenW(defaultAgent.c_str(), accessType, nullptr, nullptr, flags));
    if (!session_)
        throw CInternetException(GetLastError());
}

bool CInternetSession::SetOption(DWORD option, DWORD value) {
    return InternetSetOptionW(session_.Get(), option, &value, sizeof(value)) != FALSE;
}

std::unique_ptr<CHttpFile> CInternetSession::OpenURL(const std::wstring& url, DWORD_PTR context,
                                                     DWORD flags, const wchar_t* headers) {
    UniqueInternetHandle request(InternetOpenUrlW(session_.Get(), url.c_str(), headers,
                                                  headers ? static_cast<DWORD>(-1) : 0, flags,
                                                  context ? context : context_));
    if (!request)
        throw CInternetException(GetLastError());
    DWORD type = 0;
    DWORD size = sizeof(type);
    if (!InternetQueryOptionW(request.Get(), INTERNET_OPTION_HANDLE_TYPE, &type, &size) ||
        type != INTERNET_HANDLE_TYPE_HTTP_REQUEST)
        return nullptr;
    return std::make_unique<CHttpFile>(std::move(request));
}

} // namespace fw
