#include "login/InstalledCopy.h"

#include "framework/Handles.h"

#include <windows.h>

namespace {

// A file another process holds open, or runs, refuses to be opened for
// writing; asking first keeps the move from replacing a file in use where
// the system would allow it.
bool InUse(const std::wstring& path) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && GetLastError() != ERROR_FILE_NOT_FOUND;
}

} // namespace

bool ReplaceInstalledCopy(const std::wstring& source, const std::wstring& installed,
                          CopyStep copy) {
    std::wstring staged = installed + L".new";
    bool replaced = copy(source, staged) && !InUse(installed) &&
                    MoveFileExW(staged.c_str(), installed.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced)
        DeleteFileW(staged.c_str());
    return replaced;
}
