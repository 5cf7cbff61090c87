// Turns any start of the program into an installation in the player's
// profile: data folder, default files, the installed copy, shortcuts and the
// uninstall entries. Every step is guarded, so later starts only refresh what
// is missing or outdated.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Opens the system's list of installed programs for every user, under
// HKEY_LOCAL_MACHINE, with the access asked for. Windows refuses write access
// there to a standard user and to an administrator whose rights it filters;
// the program is then listed in the user's own list. Tests put their own
// answer in its place.
using MachineUninstallOpen = LONG (*)(REGSAM access, HKEY* key);
LONG OpenMachineUninstallKey(REGSAM access, HKEY* key);

void RunFirstStartSetup(MachineUninstallOpen openMachineKey = OpenMachineUninstallKey);

// Tells the platform about a first installation; the answer is returned for
// the caller to drop (empty on any failure). Nobody reads it, so at most
// kFirstStartAnswerLimit bytes of it are kept: a reply that never ends must
// not fill the memory.
constexpr std::size_t kFirstStartAnswerLimit = 64 * 1024;
std::wstring SendFirstStartPing(const std::wstring& address);
