// The two stages of removing the program from the player's profile.
#pragma once

#include <string>

// First stage, started by the system's list of installed programs.
void UninstallConfirm();

// Second stage, run from a temporary copy with the whole command line.
void UninstallRemove(const std::wstring& commandLine);
