// The page engine of the system's browser control in this program. Without a
// choice of its own under the current user's Internet Explorer feature keys,
// the control renders every page in an old document mode that has no canvas
// and announces an old browser; the choice is made per executable file name.
#pragma once

#include <string>

// Makes the current user's feature keys hold, under the running executable's
// file name, the newest document mode (whatever a page declares) and canvas
// drawn by the graphics hardware. Writes only a value that is missing or
// different, and nothing else in those keys. Must run before the process
// creates its first browser control: the control reads the keys when it is
// first loaded.
void EnsureBrowserEngineMode();

// Removes the two values named exeName from the current user's feature keys.
void RemoveBrowserEngineMode(const std::wstring& exeName);
