#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

namespace fw {

namespace {

// The record size that both the old and the new common controls accept.
TOOLINFOW ToolInfo(HWND owner, UINT_PTR id, std::wstring* text) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text ? &(*text)[0] : nullptr;
    return info;
}

} // namespace

bool CToolTipCtrl::Create(HWND parent, DWORD style) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, rect, parent, 0);
}

void CToolTipCtrl::Activate(bool activate) {
    SendMessageW(m_hWnd, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

bool CToolTipCtrl::AddTool(HWND owner, const std::wstring& text, const RECT& rect, UINT_PTR id) {
    std::wstring buffer = text;
    TOOLINFOW info = ToolInfo(owner, id, &buffer);
    info.rect = rect;
    return SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateTipText(const std::wstring& text, HWND owner, UINT_PTR id) {
    std::wstring buffer = text;
    TOOLINFOW info = ToolInfo(owner, id, &buffer);
    SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::SetDelayTime(UINT milliseconds) {
    SendMessageW(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::RelayEvent(const MSG* msg) {
    SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::Update() {
    SendMessageW(m_hWnd, TTM_UPDATE, 0, 0);
}

} // namespace fw
