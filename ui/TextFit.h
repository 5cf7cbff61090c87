// Cuts a text to what fits a layout rectangle and ends it with an ellipsis,
// measured with the same font and format that will draw it.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <string>

// The text itself when it fits the rectangle whole; otherwise its longest
// beginning that fits together with a trailing "…". format should limit the
// layout to whole lines (StringFormatFlagsLineLimit), so that a line cut by
// the rectangle's bottom counts as not fitting.
std::wstring FitWithEllipsis(const Gdiplus::Graphics& graphics, const std::wstring& text,
                             const Gdiplus::Font& font, const Gdiplus::RectF& rect,
                             const Gdiplus::StringFormat& format);
