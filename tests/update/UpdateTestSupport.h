// Helpers of the update tests: the messages of the update log without their
// time stamps, and the folders the update pass works in.
#pragma once

#include "framework/Paths.h"
#include "update/UpdateLog.h"
#include "tests/support/TestFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace test {

// Every line's message, in order; the text before "\tUpdateModule\t" dropped.
inline std::vector<std::wstring> UpdateLogMessages() {
    std::string bytes = ReadBytes(UpdateLogPath());
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    std::vector<std::wstring> messages;
    const std::wstring tag = L" : \tUpdateModule\t";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        size_t at = line.find(tag);
        messages.push_back(at == std::wstring::npos ? line : line.substr(at + tag.size()));
        start = end + 2;
    }
    return messages;
}

inline std::wstring AppDataFolder() {
    return fw::ShellFolderPath(CSIDL_APPDATA);
}

} // namespace test
