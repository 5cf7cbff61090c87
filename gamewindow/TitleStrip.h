// The game window's 30-pixel title strip: a fixed left end, a middle image
// tiled across, and a fixed right end.
#pragma once

#include <windows.h>
#include <gdiplus.h>

inline constexpr int kTitleStripHeight = 30;

// Composes the strip for the client rectangle off-screen and copies it to
// target at (0, 0) in one blit, so that repainting does not flicker.
void DrawTitleStrip(HDC target, const RECT& client, Gdiplus::Image& left, Gdiplus::Image& middle,
                    Gdiplus::Image& right);
