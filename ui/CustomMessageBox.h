// The program's own question and notice box: a small borderless skinned
// dialog with a title, a message and confirm / cancel / close image buttons.
// Run it modally; IDOK means the player confirmed.
#pragma once

#include "framework/Dialog.h"
#include "ui/TouchButton.h"

#include <gdiplus.h>

#include <memory>
#include <string>

class CCustomMessageBox : public fw::CDialog {
public:
    CCustomMessageBox();

    void SetTexts(std::wstring title, std::wstring message);

    // IDOK for the confirm button or Enter; IDCANCEL for the cancel or close
    // button or Esc.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintFace(HDC dc);

    CTouchButton confirmButton_;
    CTouchButton cancelButton_;
    CTouchButton closeButton_;
    std::unique_ptr<Gdiplus::Image> background_;
    std::wstring title_;
    std::wstring message_;
};
