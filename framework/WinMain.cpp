// Process entry: hands control to the one application object.
#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    fw::CWinApp* app = fw::CWinApp::Instance();
    if (!app)
        return 1;
    if (app->InitInstance())
        return app->Run();
    return app->ExitInstance();
}
