#include "framework/Dc.h"

namespace fw {

CDC::~CDC() {
    if (m_hDC)
        DeleteDC(m_hDC);
}

bool CDC::CreateCompatibleDC(HDC reference) {
    if (m_hDC)
        return false;
    m_hDC = ::CreateCompatibleDC(reference);
    m_hAttribDC = m_hDC;
    return m_hDC != nullptr;
}

CBitmapDC::~CBitmapDC() {
    // The bitmap can only be deleted once it is no longer selected.
    if (m_hDC && previous_)
        SelectObject(m_hDC, previous_);
    if (bitmap_)
        DeleteObject(bitmap_);
}

bool CBitmapDC::Create(HDC reference, int width, int height) {
    if (m_hDC || !CreateCompatibleDC(reference))
        return false;
    bitmap_ = CreateCompatibleBitmap(reference, width, height);
    if (!bitmap_) {
        DeleteDC(m_hDC);
        m_hDC = m_hAttribDC = nullptr;
        return false;
    }
    previous_ = SelectObject(m_hDC, bitmap_);
    return true;
}

} // namespace fw
