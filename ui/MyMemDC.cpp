#include "ui/MyMemDC.h"

CMyMemDC::CMyMemDC(HDC target, const RECT* rect)
    : target_(target), memory_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER) {
    if (!memory_) {
        m_bPrinting = true;
        m_hDC = m_hAttribDC = target;
        return;
    }
    if (rect && !IsRectEmpty(rect))
        rect_ = *rect;
    else
        GetClipBox(target, &rect_);
    if (!CreateCompatibleDC(target))
        return;
    bitmap_ = CreateCompatibleBitmap(target, rect_.right - rect_.left, rect_.bottom - rect_.top);
    if (bitmap_)
        previousBitmap_ = SelectObject(m_hDC, bitmap_);
    SetWindowOrgEx(m_hDC, rect_.left, rect_.top, nullptr);
}

CMyMemDC::~CMyMemDC() {
    if (!memory_) {
        // Borrowed handles belong to the target.
        m_hDC = m_hAttribDC = nullptr;
        return;
    }
    if (m_hDC && bitmap_) {
        BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
               m_hDC, rect_.left, rect_.top, SRCCOPY);
        SelectObject(m_hDC, previousBitmap_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
}
