#include "browser/ShellSeam.h"

#include <shellapi.h>

namespace shellseam {

ShellExecuteProc shellExecute = ShellExecuteW;
DebugOutputProc outputDebugString = OutputDebugStringW;

void OpenInInternetExplorer(const std::wstring& url) {
    shellExecute(nullptr, L"Open", L"iexplore.exe", url.c_str(), nullptr, SW_SHOWNORMAL);
}

} // namespace shellseam
