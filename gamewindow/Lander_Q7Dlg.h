// The main game window.
#pragma once

#include "framework/Dialog.h"

// Placeholder until the game window arrives: the bare window of its template.
class CLander_Q7Dlg : public fw::CDialog {
public:
    CLander_Q7Dlg();
};
