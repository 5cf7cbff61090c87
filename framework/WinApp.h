// The application object: start-up and shut-down hooks, the message loop that
// offers every message to the windows' PreTranslateMessage first, and the
// per-user profile values kept in the registry.
#pragma once

#include "framework/Handles.h"
#include "framework/Wnd.h"

#include <memory>
#include <string>

namespace fw {

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    static CWinApp* Instance();

    // TRUE runs the message loop (Run); FALSE ends the process after
    // ExitInstance.
    virtual BOOL InitInstance() { return TRUE; }
    // Answers the process exit code. Releases what the base set up.
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Profile values live under HKCU\Software\<key>\<application name>.
    void SetRegistryKey(const wchar_t* key);
    std::wstring GetProfileString(const wchar_t* section, const wchar_t* entry,
                                  const wchar_t* defaultValue) const;
    bool WriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value);

    // The executable's file name without its extension.
    const std::wstring& AppName() const { return appName_; }

    void SetExitCode(int code) { exitCode_ = code; }

    // Prepares the process to host ActiveX controls (OLE, kept until exit).
    void EnableControlContainer();

    CWnd* m_pMainWnd = nullptr;

private:
    std::wstring SectionKeyPath(const wchar_t* section) const;

    std::wstring appName_;
    std::wstring registryKey_;
    int exitCode_ = 0;
    std::unique_ptr<OleInitializer> ole_;
};

} // namespace fw
