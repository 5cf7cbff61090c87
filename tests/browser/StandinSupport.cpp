#include "tests/browser/StandinSupport.h"

#include "framework/Strings.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>

namespace test {

namespace {

// A path from the harness, which gives Linux paths, as a Windows one.
std::wstring PathVariable(const wchar_t* name) {
    wchar_t value[MAX_PATH] = L"";
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring path = value;
    if (path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring ScratchFolder() {
    std::wstring path = PathVariable(L"LANDER_TEST_SCRATCH");
    if (path.empty())
        path = L"C:\\standin-scratch";
    MakeDirectories(path);
    return path + L"\\";
}

// A log word back to text: UTF-8 with some bytes percent-encoded.
std::wstring DecodeWord(const std::string& word) {
    std::string bytes;
    for (size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '%' && i + 2 < word.size()) {
            bytes += static_cast<char>(std::stoi(word.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += word[i];
        }
    }
    return fw::ToWide(bytes, CP_UTF8);
}

// Registers the stand-in before the first test creates a browser control.
class StandinEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::wstring path = PathVariable(L"BROWSER_STANDIN_DLL");
        ASSERT_FALSE(path.empty()) << "BROWSER_STANDIN_DLL is not set";
        module_ = LoadLibraryW(path.c_str());
        ASSERT_NE(nullptr, module_) << "cannot load the stand-in";
        auto reg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
            reinterpret_cast<void*>(GetProcAddress(module_, "DllRegisterServer")));
        ASSERT_NE(nullptr, reg);
        ASSERT_EQ(S_OK, reg());
    }

private:
    HMODULE module_ = nullptr;
};

const auto* g_environment = ::testing::AddGlobalTestEnvironment(new StandinEnvironment);

} // namespace

std::wstring StandinLine::Field(const wchar_t* key) const {
    for (const auto& field : fields)
        if (field.first == key)
            return field.second;
    return std::wstring();
}

StandinRun::StandinRun(const std::wstring& name, const std::string& script) {
    std::wstring folder = ScratchFolder();
    std::wstring scriptPath = folder + name + L".script";
    logPath_ = folder + name + L".log";
    WriteBytes(scriptPath, script);
    DeleteFileW(logPath_.c_str());
    SetEnvironmentVariableW(L"BROWSER_STANDIN_SCRIPT", scriptPath.c_str());
    SetEnvironmentVariableW(L"BROWSER_STANDIN_LOG", logPath_.c_str());
}

std::vector<StandinLine> StandinRun::Log() const {
    std::vector<StandinLine> lines;
    std::istringstream text(ReadBytes(logPath_));
    std::string row;
    while (std::getline(text, row)) {
        std::istringstream words(row);
        std::string source, kind, name, word;
        if (!(words >> source >> kind >> name))
            continue;
        StandinLine line{DecodeWord(source), DecodeWord(kind), DecodeWord(name), {}};
        while (words >> word) {
            size_t equals = word.find('=');
            line.fields.emplace_back(
                DecodeWord(word.substr(0, equals)),
                equals == std::string::npos ? std::wstring() : DecodeWord(word.substr(equals + 1)));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<StandinLine> StandinRun::Lines(const wchar_t* kind, const wchar_t* name) const {
    std::vector<StandinLine> result;
    for (StandinLine& line : Log())
        if (line.Is(kind, name))
            result.push_back(std::move(line));
    return result;
}

} // namespace test
