// The account values the login screen remembers from an earlier login, read
// from the settings file once the login popup opens.
#pragma once

#include <string>

struct RememberedAccount {
    std::wstring code;
    std::wstring password;
    // "1" or "0"
    std::wstring remember = L"1";
    std::wstring autoLogin = L"0";
};

// The process's values; the defaults until LoadRememberedAccount has run.
const RememberedAccount& GetRememberedAccount();

// Reads [Info] "code", "pwd" (both stored as Base64) and "rem", and
// [Setting] "autologin". A flag is "0" only when stored exactly so.
void LoadRememberedAccount();
