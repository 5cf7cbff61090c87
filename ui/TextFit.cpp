#include "ui/TextFit.h"

namespace {

const wchar_t kEllipsis[] = L"\u2026";

bool Fits(const Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
          const Gdiplus::RectF& rect, const Gdiplus::StringFormat& format) {
    Gdiplus::RectF box;
    INT fitted = 0;
    INT lines = 0;
    Gdiplus::Status status = graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()),
                                                    &font, rect, &format, &box, &fitted, &lines);
    return status == Gdiplus::Ok && fitted >= static_cast<INT>(text.size());
}

} // namespace

std::wstring FitWithEllipsis(const Gdiplus::Graphics& graphics, const std::wstring& text,
                             const Gdiplus::Font& font, const Gdiplus::RectF& rect,
                             const Gdiplus::StringFormat& format) {
    if (text.empty() || Fits(graphics, text, font, rect, format))
        return text;
    // The longest beginning that still fits with the ellipsis after it.
    size_t low = 0;
    size_t high = text.size() - 1;
    while (low < high) {
        size_t middle = (low + high + 1) / 2;
        if (Fits(graphics, text.substr(0, middle) + kEllipsis, font, rect, format))
            low = middle;
        else
            high = middle - 1;
    }
    // Never split a surrogate pair.
    if (low > 0 && IS_HIGH_SURROGATE(text[low - 1]))
        --low;
    return text.substr(0, low) + kEllipsis;
}
