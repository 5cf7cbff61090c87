// How the raw command line of a process chooses what the process does. Pure
// functions of the text, so that every form can be tested without starting one.
#pragma once

#include <string>

enum class StartRole {
    FinishUpdate,     // "-d" + separator + installed executable's path
    UninstallConfirm, // ends with "-u"
    UninstallRemove,  // "-u" + separator + installed executable's path
    NormalStart,      // anything else
};

struct StartDecision {
    StartRole role = StartRole::NormalStart;
    // For FinishUpdate: everything after the two-character switch and the one
    // separator character that follows it (never examined).
    std::wstring updatePath;
};

StartDecision DecideStartRole(const std::wstring& commandLine);

// What a normal start takes from the command line: a host window handle after
// "-frameWnd=" (0 when absent or not followed by a space) and, only after that
// handle, the game address after "-gameurl=" to the end of the line.
struct NormalStartArgs {
    long frameHandle = 0;
    std::wstring gameUrl;
};

NormalStartArgs ParseNormalStart(const std::wstring& commandLine);
