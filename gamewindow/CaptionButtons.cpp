#include "gamewindow/CaptionButtons.h"

#include "resources/resource.h"

namespace {

struct CaptionButton {
    UINT id;
    WORD normal, hover, pressed;
    int width, height;
    // Distance of the left edge from the client's right edge.
    int xFromRight;
    const wchar_t* toolTip;
};

// By CaptionButtonIndex, which is also the order the buttons get their
// images in.
const CaptionButton kCaptionButtons[kCaptionButtonCount] = {
    {IDC_BTN_CLOSE, 207, 208, 227, 28, 26, 28, L""},
    {IDC_BTN_MAXIMIZE, 220, 213, 228, 28, 26, 57, L""},
    {IDC_BTN_RESTORE, 221, 217, 229, 28, 26, 57, L""},
    {IDC_BTN_MINIMIZE, 209, 210, 230, 28, 26, 86, L""},
    {IDC_BTN_CHANGE_SERVER, 211, 212, 231, 59, 24, 522, L"选择新的服务器"},
    {IDC_BTN_BOSSKEY, 223, 215, 233, 97, 24, 294, L"老板键（快捷键F10）"},
    {IDC_BTN_FULLSCREEN, 224, 214, 234, 85, 24, 192, L"全屏/取消全屏（快捷键F11）"},
    {IDC_BTN_REFRESH, 226, 219, 236, 78, 24, 458, L"刷新"},
    {IDC_BTN_CLEAR_CACHE, 252, 253, 261, 85, 24, 384, L"清除缓存"},
};
constexpr int kCaptionButtonTop = 3;

} // namespace

UINT CaptionButtonId(size_t index) {
    return kCaptionButtons[index].id;
}

void SetUpCaptionButtons(CaptionButtonRow& buttons) {
    for (size_t i = 0; i < kCaptionButtonCount; ++i) {
        const CaptionButton& b = kCaptionButtons[i];
        buttons[i].SetStateImages(b.normal, b.hover, b.pressed);
        buttons[i].SetToolTipText(b.toolTip, true);
    }
}

void PlaceCaptionButtons(CaptionButtonRow& buttons, int clientWidth) {
    for (size_t i = 0; i < kCaptionButtonCount; ++i) {
        const CaptionButton& b = kCaptionButtons[i];
        SetWindowPos(buttons[i].m_hWnd, nullptr, clientWidth - b.xFromRight, kCaptionButtonTop,
                     b.width, b.height, SWP_NOZORDER);
    }
}

void ShowCaptionButtons(CaptionButtonRow& buttons, int showCommand, int changeServerShow) {
    for (size_t i = 0; i < kCaptionButtonCount; ++i)
        ShowWindow(buttons[i].m_hWnd, i == kChangeServer ? changeServerShow : showCommand);
}

void ShowRestoreButton(CaptionButtonRow& buttons, bool restoreShown) {
    ShowWindow(buttons[kMaximize].m_hWnd, restoreShown ? SW_HIDE : SW_SHOW);
    ShowWindow(buttons[kRestore].m_hWnd, restoreShown ? SW_SHOW : SW_HIDE);
}
