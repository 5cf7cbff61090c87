// Shell shortcuts (.lnk files) to the installed program.
#pragma once

#include <string>

// Saves folder\name as a shortcut to target with the given arguments, an empty
// description and the normal show command. With withUninstallIcon the icon is
// res\uninstall.ico beside the target. Returns whether the file was saved; an
// existing file is overwritten.
bool CreateShellLink(const std::wstring& folder, const std::wstring& name,
                     const std::wstring& target, const std::wstring& arguments,
                     bool withUninstallIcon);
