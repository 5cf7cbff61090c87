// The login panel's whole appearance as one premultiplied 32-bit image, ready
// for a layered window: the skin at its own size with the program's version
// drawn over its bottom right corner. A layered window shows only this image,
// never what WM_PAINT would draw, so the text has to be part of it.
#pragma once

#include "framework/Handles.h"

#include <windows.h>
#include <gdiplus.h>

#include <string>

// A top-down 32-bit DIB section of width x height holding the skin (drawn
// unscaled at the origin) and the version text; null when the size is empty
// or the bitmap cannot be made.
fw::UniqueGdiObject ComposePanelImage(Gdiplus::Image* skin, int width, int height,
                                      const std::wstring& version);
