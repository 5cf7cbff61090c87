// The nine image buttons on the game window's title strip: their images,
// tooltips and places, and which of them show.
#pragma once

#include "ui/TouchButton.h"

#include <cstddef>

enum CaptionButtonIndex {
    kClose,
    kMaximize,
    kRestore,
    kMinimize,
    kChangeServer,
    kBossKey,
    kFullScreen,
    kRefresh,
    kClearCache,
    kCaptionButtonCount
};

using CaptionButtonRow = CTouchButton[kCaptionButtonCount];

// The template control id of the button at index.
UINT CaptionButtonId(size_t index);

void SetUpCaptionButtons(CaptionButtonRow& buttons);
// Places every button along the top of a client area of that width.
void PlaceCaptionButtons(CaptionButtonRow& buttons, int clientWidth);
// Every button gets showCommand, except the change-server button, which
// keeps changeServerShow also while the others hide.
void ShowCaptionButtons(CaptionButtonRow& buttons, int showCommand, int changeServerShow);
// Maximise and restore share one place: exactly one of them shows.
void ShowRestoreButton(CaptionButtonRow& buttons, bool restoreShown);
