// One timer per scheduled action, on a message-only window.
#include "Timeline.h"

#include "Module.h"

namespace standin {
namespace {

const wchar_t kClassName[] = L"BrowserStandinTimeline";

} // namespace

Timeline::Timeline() : class_(kClassName, &Timeline::Procedure, nullptr, nullptr) {
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ModuleInstance(), this);
}

Timeline::~Timeline() {
    if (window_)
        DestroyWindow(window_);
}

void Timeline::Schedule(unsigned delayMs, std::function<void()> action) {
    if (!window_)
        return;
    UINT_PTR id = nextId_++;
    actions_[id] = std::move(action);
    // A zero delay still goes through the message loop, like the control's
    // own asynchronous work.
    SetTimer(window_, id, delayMs, nullptr);
}

void Timeline::CancelAll() {
    for (const auto& entry : actions_)
        KillTimer(window_, entry.first);
    actions_.clear();
}

void Timeline::OnTimer(UINT_PTR id) {
    KillTimer(window_, id);
    auto found = actions_.find(id);
    if (found == actions_.end())
        return;
    std::function<void()> action = std::move(found->second);
    actions_.erase(found);
    // Last statement: the action may end the control and this timeline with it.
    action();
}

LRESULT CALLBACK Timeline::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Timeline*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_TIMER) {
        self->OnTimer(wParam);
        return 0;
    }
    if (self && message == WM_NCDESTROY) {
        self->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace standin
