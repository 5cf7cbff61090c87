// The image button of every skinned window: three PNG state images (normal,
// hover, pressed) composited once over the parent's own pixels, a hand cursor,
// a brighter look while the mouse rests on it, and an optional tooltip.
#pragma once

#include "framework/Button.h"
#include "framework/Dc.h"
#include "framework/ToolTipCtrl.h"
#include "ui/GdiPlusBitmap.h"

#include <memory>
#include <string>

class CTouchButton : public fw::CButton {
public:
    // "PNG" resource ids; call once, after the control exists and before its
    // first paint. A missing image leaves that state showing the background.
    void SetStateImages(WORD normal, WORD hover, WORD pressed);
    // An empty text does nothing.
    void SetToolTipText(const std::wstring& text, bool activate);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildStateImages(HDC target);
    bool CaptureBackground(int width, int height);
    std::unique_ptr<fw::CBitmapDC> ComposeState(HDC scratch, Gdiplus::Graphics& graphics,
                                                Gdiplus::Bitmap* image, bool brighten, int width,
                                                int height);
    void OnMouseHover();

    bool cacheReady_ = false;
    bool hover_ = false;
    bool tracking_ = false;
    std::unique_ptr<CGdiPlusBitmapResource> hoverImage_;
    std::unique_ptr<CGdiPlusBitmapResource> normalImage_;
    std::unique_ptr<CGdiPlusBitmapResource> pressedImage_;
    std::wstring toolTipText_;
    std::unique_ptr<fw::CToolTipCtrl> toolTip_;
    std::unique_ptr<fw::CBitmapDC> background_;
    std::unique_ptr<fw::CBitmapDC> normal_;
    std::unique_ptr<fw::CBitmapDC> pressed_;
    std::unique_ptr<fw::CBitmapDC> hovered_;
    // The state that the next paint copies to the screen.
    fw::CBitmapDC* current_ = nullptr;
};
