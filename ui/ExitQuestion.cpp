#include "ui/ExitQuestion.h"

#include "framework/Strings.h"
#include "resources/resource.h"
#include "ui/CustomMessageBox.h"

bool PlayerConfirmsExit() {
    std::wstring title = fw::LoadResString(IDS_CLIENT_TITLE);
    CCustomMessageBox box;
    box.SetTexts(L"关闭提示", fw::FormatString(L"是否退出%s？", title.c_str()));
    return box.DoModal() == IDOK;
}
