// The application object: prepares the process and decides from the raw
// command line which of its roles this process plays.
#pragma once

#include "framework/WinApp.h"

#include <memory>

class CGameWndDlg;

class CLander_Q7App : public fw::CWinApp {
public:
    CLander_Q7App();
    ~CLander_Q7App() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    void TryFinishUpdate(const std::wstring& installPath);
    BOOL StartNormally(const std::wstring& commandLine);

    ULONG_PTR gdiplusToken_ = 0;
    std::unique_ptr<CGameWndDlg> frame_;
};
