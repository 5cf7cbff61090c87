// Until the login panel exists, the game page is the platform's start page
// and nobody is asked to log in.
#include "gamewindow/LoginStep.h"

#include "framework/Strings.h"
#include "resources/resource.h"

namespace {

std::wstring StartPageWithoutLogin(HWND) {
    return fw::LoadResString(IDS_UPDATE_SERVICE);
}

} // namespace

LoginStepProc RunLoginStep = StartPageWithoutLogin;
