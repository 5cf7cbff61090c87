// The first run's copy of a newer running program over the installed copy.
#pragma once

#include "update/SelfReplace.h"

#include <string>

// Puts a copy of source in installed's place without ever leaving a damaged
// or missing installed program: the copy is written beside it and moved over
// it in one step. An installed copy in use (the player runs it) stays as it
// is at once, without waiting for it: the login goes on with the running
// program. False when the installed copy was not replaced; no copy is left
// behind either way.
bool ReplaceInstalledCopy(const std::wstring& source, const std::wstring& installed,
                          CopyStep copy = CopyWholeFile);
