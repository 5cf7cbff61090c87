// A CWebBrowserBase subclass for tests: hosts the control in a given window
// and records what its hooks were told.
#pragma once

#include "browser/WebBrowserBase.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace test {

class RecordingHost : public CWebBrowserBase {
public:
    HWND GetHostWindow() override { return host; }
    void OnDocumentComplete(std::wstring url) override {
        if (throwFromHooks)
            throw std::runtime_error("hook failed");
        completed.push_back(std::move(url));
    }
    void OnBeforeNavigate(std::wstring url, VARIANT_BOOL* cancel) override {
        navigations.push_back(url);
        if (cancelContaining.size() && url.find(cancelContaining) != std::wstring::npos)
            *cancel = 1;
    }

    void WithholdInPlaceInterfaces() { inPlaceWithheld_ = true; }

    HWND host = nullptr;
    bool throwFromHooks = false;
    std::wstring cancelContaining;
    std::vector<std::wstring> completed;
    std::vector<std::wstring> navigations;
};

} // namespace test
