// The last step of a self-update: a freshly downloaded copy, started with
// "-d", copies itself over the installed executable and starts it.
#pragma once

#include <string>

// Returns only when the installed executable could not be replaced; ends the
// process otherwise.
void ApplyUpdate(const std::wstring& installPath);
