// An off-screen drawing surface over a target context: drawing goes into a
// memory bitmap, and destruction copies the result to the target in one blit.
// A printing target is drawn into directly.
#pragma once

#include "framework/Dc.h"

class CMyMemDC : public fw::CDC {
public:
    // rect is in the target's logical coordinates; null or empty means the
    // target's clip box.
    CMyMemDC(HDC target, const RECT* rect);
    ~CMyMemDC() override;

    const RECT& Rect() const { return rect_; }

private:
    HGDIOBJ bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HDC target_;
    RECT rect_{};
    bool memory_;
};
