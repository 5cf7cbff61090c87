// The translucent pane that covers the game window while the browser cache is
// cleared: a dark mask, a small four-frame animation and a waiting text. The
// owner creates it once, then shows it (with timer 5000) and hides it.
#pragma once

#include "framework/Dialog.h"

#include <gdiplus.h>

#include <memory>

class CMenbanDlg : public fw::CDialog {
public:
    // The animation timer the owner starts on this window, and its period.
    static constexpr UINT_PTR kTimerId = 5000;
    static constexpr UINT kTimerPeriodMs = 200;

    CMenbanDlg();

protected:
    BOOL OnInitDialog() override;
    // The pane stays until the clearing is over: Enter, Esc and closing do
    // not end it.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void Draw(HDC dc, int width, int height);
    void Advance();
    // Where the current frame is drawn in a client area of that size.
    RECT FrameRect(int width, int height) const;

    std::unique_ptr<Gdiplus::Image> mask_;
    std::unique_ptr<Gdiplus::Image> frames_[4];
    Gdiplus::Image* currentFrame_ = nullptr;
    // The frame that the next timer tick shows, 1 to 4.
    int frameCounter_ = 0;
};
