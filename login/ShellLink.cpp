#include "login/ShellLink.h"

#include "framework/Handles.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

bool CreateShellLink(const std::wstring& folder, const std::wstring& name,
                     const std::wstring& target, const std::wstring& arguments,
                     bool withUninstallIcon) {
    fw::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER |
                                    CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                                IID_IShellLinkW, link.PutVoid())))
        return false;
    fw::ComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
    if (!file)
        return false;

    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(L"");
    if (withUninstallIcon) {
        std::wstring icon = target.substr(0, target.rfind(L'\\')) + L"\\res\\uninstall.ico";
        link->SetIconLocation(icon.c_str(), 0);
    }
    link->SetShowCmd(SW_SHOWNORMAL);
    std::wstring path = folder + L"\\" + name;
    return SUCCEEDED(file->Save(path.c_str(), TRUE));
}
