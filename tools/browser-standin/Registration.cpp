// Self-registration for regsvr32. The stand-in takes over CLSID_WebBrowser in
// the machine's class registry of the (test) Wine prefix: Wine ignores
// per-user class registrations, and a native "ieframe" override would replace
// the whole browser library for every process of the prefix. The previous
// server path is kept beside it, and unregistering puts it back.
#include "Module.h"

#include <windows.h>
#include <olectl.h>

#include <string>

namespace {

const wchar_t kServerKey[] =
    L"Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";
const wchar_t kSavedValue[] = L"BrowserStandinSaved";

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (key_)
            RegCloseKey(key_);
    }
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool ReadString(HKEY key, const wchar_t* name, std::wstring* value) {
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    *value = buffer;
    return true;
}

LONG WriteString(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

extern "C" HRESULT WINAPI DllRegisterServer() {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameW(standin::ModuleInstance(), path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2)
        return SELFREG_E_CLASS;
    RegKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kServerKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    std::wstring current, saved;
    // Registering twice must not save the stand-in's own path as the original.
    if (!ReadString(key.Get(), kSavedValue, &saved) && ReadString(key.Get(), nullptr, &current))
        WriteString(key.Get(), kSavedValue, current);
    if (WriteString(key.Get(), nullptr, path) != ERROR_SUCCESS ||
        WriteString(key.Get(), L"ThreadingModel", L"Apartment") != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    return S_OK;
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    RegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kServerKey, 0, KEY_READ | KEY_WRITE, key.Receive()) !=
        ERROR_SUCCESS)
        return S_OK;
    std::wstring saved;
    if (!ReadString(key.Get(), kSavedValue, &saved))
        return S_OK;
    if (WriteString(key.Get(), nullptr, saved) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    RegDeleteValueW(key.Get(), kSavedValue);
    return S_OK;
}
