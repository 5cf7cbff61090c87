#include "app/LanderApp.h"

#include "app/BrowserEngineMode.h"
#include "app/CommandLine.h"
#include "app/Uninstall.h"
#include "framework/Exceptions.h"
#include "gamewindow/GameWndDlg.h"
#include "gamewindow/Lander_Q7Dlg.h"
#include "resources/resource.h"
#include "update/SelfReplace.h"
#include "update/UpdateLog.h"

#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

namespace {
const wchar_t kRegistryKey[] = L"应用程序向导生成的本地应用程序";
const UINT kMessageTextChars = 255;
} // namespace

CLander_Q7App::CLander_Q7App() = default;

CLander_Q7App::~CLander_Q7App() = default;

BOOL CLander_Q7App::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = 8;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    EnableControlContainer();
    SetRegistryKey(kRegistryKey);

    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &gdiplusInput, nullptr);

    std::wstring commandLine = GetCommandLineW();
    StartDecision decision = DecideStartRole(commandLine);
    switch (decision.role) {
    case StartRole::FinishUpdate:
        TryFinishUpdate(decision.updatePath);
        break;
    case StartRole::UninstallConfirm:
        UninstallConfirm();
        return FALSE;
    case StartRole::UninstallRemove:
        UninstallRemove(commandLine);
        return FALSE;
    case StartRole::NormalStart:
        break;
    }
    return StartNormally(commandLine);
}

void CLander_Q7App::TryFinishUpdate(const std::wstring& installPath) {
    // A successful replacement ends the process inside ApplyUpdate; whatever
    // comes back here continues as a normal start.
    try {
        ApplyUpdate(installPath);
    } catch (const fw::CException& e) {
        wchar_t text[kMessageTextChars] = {};
        e.GetErrorMessage(text, kMessageTextChars);
        WriteUpdateLog(L"Try Commond -d Exception");
        WriteUpdateLog(text);
    }
}

BOOL CLander_Q7App::StartNormally(const std::wstring& commandLine) {
    // Both roles that show pages (the login and game windows, the frame) go
    // through here before their first browser control, also a failed update
    // that falls back to a normal start; the uninstall roles and a successful
    // update relay show no page and leave the user's keys alone.
    EnsureBrowserEngineMode();
    NormalStartArgs args = ParseNormalStart(commandLine);
    if (args.frameHandle != 0) {
        HWND host = reinterpret_cast<HWND>(static_cast<INT_PTR>(args.frameHandle));
        frame_ = std::make_unique<CGameWndDlg>(host, args.gameUrl);
        // Without a host window there is nothing to show the game in and no
        // window whose end would end the message loop: end the process now.
        if (!IsWindow(host) || !frame_->Create(IDD_GAME_FRAME, host)) {
            frame_.reset();
            SetExitCode(1);
            return FALSE;
        }
        ShowWindow(frame_->m_hWnd, SW_SHOW);
        m_pMainWnd = frame_.get();
        return TRUE;
    }

    CLander_Q7Dlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CLander_Q7App::ExitInstance() {
    frame_.reset();
    if (gdiplusToken_)
        Gdiplus::GdiplusShutdown(gdiplusToken_);
    gdiplusToken_ = 0;
    return CWinApp::ExitInstance();
}
