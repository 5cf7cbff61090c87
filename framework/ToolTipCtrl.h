// The framework's tooltip control: a common-controls tooltip window bound to
// an object, with the few tool operations the program's buttons use.
#pragma once

#include "framework/Wnd.h"

#include <string>

namespace fw {

class CToolTipCtrl : public CWnd {
public:
    // A tooltip window owned by parent, with WS_POPUP added to style.
    bool Create(HWND parent, DWORD style);

    void Activate(bool activate);
    // A tool for the rectangle of owner's client area, told apart by id.
    bool AddTool(HWND owner, const std::wstring& text, const RECT& rect, UINT_PTR id);
    void UpdateTipText(const std::wstring& text, HWND owner, UINT_PTR id);
    int GetToolCount() const;
    // TTDT_AUTOMATIC: the other delays follow in the control's proportions.
    void SetDelayTime(UINT milliseconds);
    void RelayEvent(const MSG* msg);
    void Update();
};

} // namespace fw
