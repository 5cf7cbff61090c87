// The one application object of the process.
#include "app/LanderApp.h"

CLander_Q7App theApp;
