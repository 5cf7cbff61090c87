// Self-test helpers.
#include "Support.h"

#include "Check.h"

#include <cstdio>
#include <memory>

namespace selftest {
namespace {

int g_failures = 0;
int g_checks = 0;
std::wstring g_logPath;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

} // namespace

void Fail(const char* file, int line, const std::string& what) {
    ++g_failures;
    std::printf("FAILED %s:%d: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

int FailureCount() {
    return g_failures;
}
int CheckCount() {
    return g_checks;
}
void CountCheck() {
    ++g_checks;
}

std::string Narrow(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    return out;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (done())
                return true;
        }
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

void WriteUtf8File(const std::wstring& path, const std::string& bytes) {
    File file(_wfopen(path.c_str(), L"wb"));
    if (file)
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

std::string ReadLog() {
    std::string text;
    File file(_wfopen(g_logPath.c_str(), L"rb"));
    if (!file)
        return text;
    char buffer[4096];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0)
        text.append(buffer, read);
    return text;
}

int CountLogLines(const std::string& log, std::initializer_list<const char*> fragments) {
    int count = 0;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos)
            end = log.size();
        std::string line = log.substr(start, end - start);
        bool all = true;
        for (const char* fragment : fragments)
            all = all && line.find(fragment) != std::string::npos;
        if (all)
            ++count;
        start = end + 1;
    }
    return count;
}

void UseScript(const wchar_t* name, const std::string& script) {
    std::wstring scriptPath = TempPath((std::wstring(L"standin-") + name + L".txt").c_str());
    g_logPath = TempPath((std::wstring(L"standin-") + name + L".log").c_str());
    WriteUtf8File(scriptPath, script);
    DeleteFileW(g_logPath.c_str());
    SetEnvironmentVariableW(L"BROWSER_STANDIN_SCRIPT", scriptPath.c_str());
    SetEnvironmentVariableW(L"BROWSER_STANDIN_LOG", g_logPath.c_str());
}

} // namespace selftest
