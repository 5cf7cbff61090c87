#include "app/BrowserEngineMode.h"

#include "framework/Handles.h"
#include "framework/Paths.h"

#include <windows.h>

namespace {

const wchar_t kFeatureControl[] = L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\";

struct FeatureValue {
    const wchar_t* feature;
    DWORD value;
};

// 11001: the newest document mode for every page, whatever it declares.
// 1: canvas and the page's other drawing done by the graphics hardware.
const FeatureValue kFeatures[] = {{L"FEATURE_BROWSER_EMULATION", 11001},
                                  {L"FEATURE_GPU_RENDERING", 1}};

std::wstring FeatureKey(const FeatureValue& feature) {
    return std::wstring(kFeatureControl) + feature.feature;
}

void EnsureValue(const FeatureValue& feature, const std::wstring& exeName) {
    std::wstring path = FeatureKey(feature);
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return;
    fw::UniqueRegKey key(raw);
    DWORD current = 0;
    DWORD size = sizeof(current);
    // A value of another type is as wrong as another number.
    if (RegGetValueW(key.Get(), nullptr, exeName.c_str(), RRF_RT_REG_DWORD, nullptr, &current,
                     &size) == ERROR_SUCCESS &&
        current == feature.value)
        return;
    RegSetValueExW(key.Get(), exeName.c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&feature.value), sizeof(feature.value));
}

} // namespace

void EnsureBrowserEngineMode() {
    std::wstring exeName = fw::ModuleFileName();
    if (exeName.empty())
        return;
    for (const FeatureValue& feature : kFeatures)
        EnsureValue(feature, exeName);
}

void RemoveBrowserEngineMode(const std::wstring& exeName) {
    if (exeName.empty())
        return;
    for (const FeatureValue& feature : kFeatures) {
        HKEY raw = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, FeatureKey(feature).c_str(), 0, KEY_SET_VALUE, &raw) !=
            ERROR_SUCCESS)
            continue;
        fw::UniqueRegKey key(raw);
        RegDeleteValueW(key.Get(), exeName.c_str());
    }
}
