// The player logs in on the login panel, which ends its run with the address
// of the game page (or ends the process when the player leaves).
#include "gamewindow/LoginStep.h"

#include "login/LanderLogin.h"

namespace {

std::wstring LogInOnPanel(HWND) {
    CLanderLogin login;
    login.DoModal();
    return login.GetGameUrl();
}

} // namespace

LoginStepProc RunLoginStep = LogInOnPanel;
