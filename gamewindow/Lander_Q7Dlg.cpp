#include "gamewindow/Lander_Q7Dlg.h"

#include "resources/resource.h"

CLander_Q7Dlg::CLander_Q7Dlg() : CDialog(IDD_LANDER_Q7_DIALOG, nullptr) {}
