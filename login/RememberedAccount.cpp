#include "login/RememberedAccount.h"

#include "app/Settings.h"
#include "login/Base64.h"

namespace {

RememberedAccount& Account() {
    static RememberedAccount account;
    return account;
}

std::wstring Flag(const std::wstring& stored) {
    return stored == L"0" ? L"0" : L"1";
}

} // namespace

const RememberedAccount& GetRememberedAccount() {
    return Account();
}

void LoadRememberedAccount() {
    RememberedAccount& account = Account();
    std::wstring code = ReadSetting(L"Info", L"code", L"");
    if (!code.empty())
        account.code = Base64DecodeAnsi(code);
    std::wstring password = ReadSetting(L"Info", L"pwd", L"");
    if (!password.empty())
        account.password = Base64DecodeAnsi(password);
    account.remember = Flag(ReadSetting(L"Info", L"rem", L"1"));
    account.autoLogin = Flag(ReadSetting(L"Setting", L"autologin", L"0"));
}
