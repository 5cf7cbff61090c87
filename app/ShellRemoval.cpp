#include "app/ShellRemoval.h"

#include "app/UninstallPaths.h"
#include "framework/Handles.h"
#include "framework/Strings.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

bool RecycleDelete(const std::wstring& path) {
    wchar_t list[kDeleteListChars];
    if (!FillDeleteList(path, list))
        return false;
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list;
    operation.pTo = nullptr;
    // The uninstall has no window to answer from: a shortcut already gone or
    // a file in use is a quiet failure, never an error box.
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    return SHFileOperationW(&operation) == 0;
}

void NotifyShellRemoved(std::wstring& path) {
    const UINT flags = SHCNF_PATHW | SHCNF_FLUSH;
    SHChangeNotify(SHCNE_RMDIR | SHCNE_INTERRUPT, flags, path.c_str(), nullptr);
    size_t slash = path.rfind(L'\\');
    if (slash != std::wstring::npos)
        path.resize(slash);
    SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, flags, path.c_str(), nullptr);
}

bool IsDirEmpty(const std::wstring& folder) {
    std::wstring pattern = fw::FormatString(L"%s\\*.*", folder.c_str());
    WIN32_FIND_DATAW found;
    fw::UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search)
        return true;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            return false;
    } while (FindNextFileW(search.Get(), &found));
    return true;
}
