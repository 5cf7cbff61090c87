// Reading of the script file: UTF-8 text (a byte-order mark is skipped),
// bounded in size so a wrong path cannot make the stand-in read a huge file.
#include "ScriptFile.h"

#include "EnvironmentPath.h"

#include <windows.h>

#include <string>

namespace standin {
namespace {

constexpr DWORD kMaxScriptBytes = 1 << 20;

class InputFile {
public:
    explicit InputFile(const std::wstring& path)
        : h_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }

    bool ReadAll(std::string* bytes) {
        if (h_ == INVALID_HANDLE_VALUE)
            return false;
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(h_, &size) || size.QuadPart > kMaxScriptBytes)
            return false;
        bytes->resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!bytes->empty() &&
            !::ReadFile(h_, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr))
            return false;
        bytes->resize(read);
        return true;
    }

private:
    HANDLE h_;
};

std::wstring FromUtf8(const std::string& bytes) {
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int length = static_cast<int>(bytes.size() - start);
    if (length == 0)
        return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, nullptr, 0);
    std::wstring text(size > 0 ? size : 0, L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, &text[0], size);
    return text;
}

} // namespace

Script LoadScriptFromEnvironment() {
    std::wstring path = PathFromEnvironment(L"BROWSER_STANDIN_SCRIPT");
    if (path.empty())
        return {};
    std::string bytes;
    if (!InputFile(path).ReadAll(&bytes)) {
        Script script;
        script.problems.push_back(L"cannot read script " + path);
        return script;
    }
    return ParseScript(FromUtf8(bytes));
}

} // namespace standin
