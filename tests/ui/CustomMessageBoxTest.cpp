// The message box run modally and answered the ways a player can: its
// results, its layout, its drag-by-face hit test and its texts on the face.
#include "ui/CustomMessageBox.h"

#include "resources/resource.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using uitest::Pixels;

// Acts on the box once it is on screen, from a thread timer that the modal
// loop dispatches. A box that does not end gives up with -2 instead of
// hanging the run.
class BoxDriver {
public:
    INT_PTR Run(CCustomMessageBox& box, std::function<void(HWND)> act) {
        current_ = this;
        box_ = &box;
        act_ = std::move(act);
        UINT_PTR timer = SetTimer(nullptr, 0, 50, &BoxDriver::OnTick);
        INT_PTR result = box.DoModal();
        KillTimer(nullptr, timer);
        current_ = nullptr;
        return result;
    }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
        BoxDriver* self = current_;
        if (!self || !self->box_->m_hWnd)
            return;
        HWND box = self->box_->m_hWnd;
        if (++self->ticks_ > 100) {
            self->box_->EndDialog(-2);
            return;
        }
        if (self->acted_ || !IsWindowVisible(box))
            return;
        self->acted_ = true;
        RedrawWindow(box, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_UPDATENOW);
        self->act_(box);
    }

    static BoxDriver* current_;
    CCustomMessageBox* box_ = nullptr;
    std::function<void(HWND)> act_;
    int ticks_ = 0;
    bool acted_ = false;
};

BoxDriver* BoxDriver::current_ = nullptr;

INT_PTR Answer(CCustomMessageBox& box, std::function<void(HWND)> act) {
    BoxDriver driver;
    return driver.Run(box, std::move(act));
}

void Click(HWND box, int id) {
    PostMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

void Key(HWND box, WPARAM key) {
    PostMessageW(box, WM_KEYDOWN, key, 0);
}

// The face as drawn, with the given texts (none: the defaults).
Pixels Face(const wchar_t* title, const wchar_t* message) {
    CCustomMessageBox box;
    if (title)
        box.SetTexts(title, message);
    Pixels face;
    Answer(box, [&](HWND window) {
        face = uitest::CaptureClient(window);
        Key(window, VK_ESCAPE);
    });
    return face;
}

TEST(CustomMessageBox, EachAnswerGivesItsResult) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"confirm button", [](HWND box) { Click(box, IDOK); }, IDOK},
        {"Enter", [](HWND box) { Key(box, VK_RETURN); }, IDOK},
        {"cancel button", [](HWND box) { Click(box, IDCANCEL); }, IDCANCEL},
        {"close button", [](HWND box) { Click(box, IDC_MSGBOX_CLOSE); }, IDCANCEL},
        {"Esc", [](HWND box) { Key(box, VK_ESCAPE); }, IDCANCEL},
        {"system close", [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        CCustomMessageBox box;
        box.SetTexts(L"卸载", L"确定要卸载吗？");
        EXPECT_EQ(c.expected, Answer(box, c.act)) << c.name;
        EXPECT_EQ(nullptr, box.m_hWnd) << c.name << ": the window is gone after the run";
    }
}

TEST(CustomMessageBox, IsABorderless253By106FaceWithItsButtonsInPlace) {
    CCustomMessageBox box;
    RECT window{};
    LONG style = 0;
    RECT close{}, confirm{}, cancel{};
    Answer(box, [&](HWND hwnd) {
        GetWindowRect(hwnd, &window);
        style = GetWindowLongW(hwnd, GWL_STYLE);
        auto childRect = [hwnd](int id) {
            RECT rect{};
            GetWindowRect(GetDlgItem(hwnd, id), &rect);
            MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&rect), 2);
            return rect;
        };
        close = childRect(IDC_MSGBOX_CLOSE);
        confirm = childRect(IDOK);
        cancel = childRect(IDCANCEL);
        Key(hwnd, VK_ESCAPE);
    });
    EXPECT_EQ(253, window.right - window.left);
    EXPECT_EQ(106, window.bottom - window.top);
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_NE(0, style & WS_MINIMIZEBOX);
    EXPECT_EQ(228, close.left);
    EXPECT_EQ(10, close.top);
    EXPECT_EQ(28, close.right - close.left);
    EXPECT_EQ(45, confirm.left);
    EXPECT_EQ(61, confirm.top);
    EXPECT_EQ(82, confirm.right - confirm.left);
    EXPECT_EQ(34, confirm.bottom - confirm.top);
    EXPECT_EQ(137, cancel.left);
    EXPECT_EQ(61, cancel.top);
}

TEST(CustomMessageBox, DragsByItsFaceButNotByItsButtons) {
    CCustomMessageBox box;
    box.SetTexts(L"选服", L"是否退出当前区服，重新选择新区服？");
    LRESULT onBackground = 0, onTitle = 0, outside = 0;
    HWND atConfirm = nullptr, confirm = nullptr;
    Answer(box, [&](HWND hwnd) {
        auto hit = [hwnd](int x, int y) {
            POINT point{x, y};
            ClientToScreen(hwnd, &point);
            return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        };
        onBackground = hit(10, 90);
        onTitle = hit(126, 14);
        outside = hit(-20, -20);
        confirm = GetDlgItem(hwnd, IDOK);
        atConfirm = ChildWindowFromPoint(hwnd, POINT{60, 70});
        Key(hwnd, VK_ESCAPE);
    });
    EXPECT_EQ(HTCAPTION, onBackground);
    EXPECT_EQ(HTCAPTION, onTitle);
    EXPECT_NE(HTCAPTION, outside);
    EXPECT_EQ(confirm, atConfirm);
}

TEST(CustomMessageBox, ShowsTheDefaultTitleAndNoMessageWithoutTexts) {
    Pixels defaults = Face(nullptr, nullptr);
    ASSERT_EQ(253, defaults.width);
    EXPECT_EQ(defaults, Face(L"温馨提示", L""));
    EXPECT_NE(defaults, Face(L"关闭提示", L""));
}

TEST(CustomMessageBox, TrimsALongMessageAboveTheButtons) {
    Pixels empty = Face(L"温馨提示", L"");
    std::wstring longText;
    for (int i = 0; i < 12; ++i)
        longText += L"缓存清理中，请稍后再试。";
    Pixels crowded = Face(L"温馨提示", longText.c_str());
    uitest::SaveArtifact(crowded, L"message_box_long_text.png");
    RECT message{28, 33, 248, 63};
    RECT below{0, 63, 253, 106};
    EXPECT_NE(empty.Crop(message), crowded.Crop(message)) << "the message is drawn";
    EXPECT_EQ(empty.Crop(below), crowded.Crop(below)) << "nothing below its two lines";
}

TEST(CustomMessageBox, LooksFinished) {
    Pixels face = Face(L"关闭提示", L"是否退出《Vorrak》微端？");
    ASSERT_EQ(106, face.height);
    std::wstring path = uitest::SaveArtifact(face, L"message_box.png");
    EXPECT_FALSE(path.empty());
    // The title is white text: some pixels of its line are near white.
    int white = 0;
    for (int y = 7; y < 32; ++y)
        for (int x = 85; x < 185; ++x)
            white += uitest::ChannelDistance(face.At(x, y), 0xFFFFFF) < 40;
    EXPECT_GT(white, 10);
}

} // namespace
