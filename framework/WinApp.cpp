#include "framework/WinApp.h"

#include "framework/Handles.h"
#include "framework/Paths.h"

#include <vector>

namespace fw {

namespace {

CWinApp* g_app = nullptr;

} // namespace

CWinApp::CWinApp() : appName_(ModuleBaseName()) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Instance() {
    return g_app;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, msg);
}

int CWinApp::Run() {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got < 0)
            break;
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    ole_.reset();
    return exitCode_;
}

void CWinApp::EnableControlContainer() {
    if (!ole_)
        ole_ = std::make_unique<OleInitializer>();
}

void CWinApp::SetRegistryKey(const wchar_t* key) {
    registryKey_ = key ? key : L"";
}

std::wstring CWinApp::SectionKeyPath(const wchar_t* section) const {
    return L"Software\\" + registryKey_ + L"\\" + appName_ + L"\\" + section;
}

std::wstring CWinApp::GetProfileString(const wchar_t* section, const wchar_t* entry,
                                       const wchar_t* defaultValue) const {
    std::wstring fallback = defaultValue ? defaultValue : L"";
    if (registryKey_.empty())
        return fallback;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, KEY_READ, &raw) !=
        ERROR_SUCCESS)
        return fallback;
    UniqueRegKey key(raw);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), entry, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) != ERROR_SUCCESS)
        return fallback;
    return std::wstring(value.data());
}

bool CWinApp::WriteProfileString(const wchar_t* section, const wchar_t* entry,
                                 const wchar_t* value) {
    if (registryKey_.empty())
        return false;
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueRegKey key(raw);
    if (!entry)
        return true;
    if (!value)
        return RegDeleteValueW(key.Get(), entry) == ERROR_SUCCESS;
    DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          bytes) == ERROR_SUCCESS;
}

} // namespace fw
