// The shell operations the uninstall uses to take files away: to the Recycle
// Bin, with the shell told so that open folder views update.
#pragma once

#include <string>

// Sends a file or folder to the Recycle Bin without progress, questions or
// error boxes.
// True when the shell reported success; false at once for a path that does
// not fit the operation's list (see FillDeleteList).
bool RecycleDelete(const std::wstring& path);

// Tells the shell that path was removed and that its parent changed. Leaves
// path cut at its last "\" (the parent).
void NotifyShellRemoved(std::wstring& path);

// True when folder holds nothing but "." and "..", and also when it cannot
// be searched at all (a missing folder).
bool IsDirEmpty(const std::wstring& folder);
