// The program's exit question, asked by the login screen and the game window
// alike: "exit <window title>?" in the program's own box.
#pragma once

// True when the player confirms; what follows is the caller's.
bool PlayerConfirmsExit();
