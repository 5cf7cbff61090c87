// Writes log lines. Each line opens, appends and closes the file, so the log
// is complete even when the host process is killed, and several processes of
// one test can share it.
#include "Log.h"

#include "EnvironmentPath.h"

#include <cstdio>
#include <cstring>

namespace standin {
namespace {

std::wstring Escape(const std::wstring& value) {
    std::wstring out;
    for (wchar_t c : value) {
        if (c == L' ' || c == L'%' || c == L'\t' || c == L'\r' || c == L'\n') {
            wchar_t code[4];
            swprintf(code, 4, L"%%%02X", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size,
                            nullptr, nullptr);
    return out;
}

class AppendFile {
public:
    explicit AppendFile(const std::wstring& path)
        : h_(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    ~AppendFile() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }

    void Write(const std::string& bytes) {
        DWORD written = 0;
        if (h_ != INVALID_HANDLE_VALUE)
            WriteFile(h_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

private:
    HANDLE h_;
};

} // namespace

LogLine::LogLine(const std::wstring& source, const wchar_t* kind, const std::wstring& name)
    : text_(source + L" " + kind + L" " + Escape(name)) {
}

LogLine& LogLine::Add(const wchar_t* key, const std::wstring& value) {
    text_ += L" ";
    text_ += key;
    text_ += L"=";
    text_ += Escape(value);
    return *this;
}

LogLine& LogLine::Add(const wchar_t* key, const wchar_t* value) {
    return Add(key, std::wstring(value ? value : L""));
}

LogLine& LogLine::Add(const wchar_t* key, long long value) {
    return Add(key, std::to_wstring(value));
}

LogLine& LogLine::Hex(const wchar_t* key, unsigned long value) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%lx", value);
    return Add(key, std::wstring(text));
}

LogLine& LogLine::Result(HRESULT hr) {
    return Hex(L"hr", static_cast<unsigned long>(hr));
}

void LogLine::Write() {
    std::wstring path = PathFromEnvironment(L"BROWSER_STANDIN_LOG");
    if (path.empty())
        return;
    AppendFile(path).Write(Utf8(text_) + "\n");
}

std::wstring SourceName(int controlId) {
    return L"b" + std::to_wstring(controlId);
}

const wchar_t* KeyMessageName(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return L"WM_KEYDOWN";
    case WM_KEYUP:
        return L"WM_KEYUP";
    case WM_CHAR:
        return L"WM_CHAR";
    case WM_SYSKEYDOWN:
        return L"WM_SYSKEYDOWN";
    case WM_SYSKEYUP:
        return L"WM_SYSKEYUP";
    case WM_SYSCHAR:
        return L"WM_SYSCHAR";
    default:
        return L"other";
    }
}

HRESULT LogUnimplemented(int controlId, const char* method) {
    LogLine(SourceName(controlId), L"call", L"unimplemented")
        .Add(L"method", std::wstring(method, method + std::strlen(method)))
        .Write();
    return E_NOTIMPL;
}

} // namespace standin
