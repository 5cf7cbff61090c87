// The framework's push button: a button control bound to an object, which
// draws owner-draw buttons through the reflected WM_DRAWITEM.
#pragma once

#include "framework/Wnd.h"

namespace fw {

class CButton : public CWnd {
protected:
    // Paints an owner-draw button; the default draws nothing.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

} // namespace fw
