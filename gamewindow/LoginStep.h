// The step of the game window's initialisation that lets the player log in
// and answers the address of the game page.
#pragma once

#include <windows.h>

#include <string>

// Runs the login and answers the game page address; gameWindow is the still
// hidden game window. Replaceable, so that tests choose their own page.
using LoginStepProc = std::wstring (*)(HWND gameWindow);
extern LoginStepProc RunLoginStep;
