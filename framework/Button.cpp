#include "framework/Button.h"

namespace fw {

void CButton::DrawItem(const DRAWITEMSTRUCT&) {
}

bool CButton::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    return CWnd::OnChildNotify(msg, wParam, lParam, result);
}

} // namespace fw
