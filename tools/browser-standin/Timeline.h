// Delayed steps of the scripted pages. Timers belong to a hidden window of the
// control's thread, so every delayed event reaches the host from its own
// message loop, as the real control's events do.
#pragma once

#include "WindowClass.h"

#include <functional>
#include <map>

namespace standin {

class Timeline {
public:
    Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;
    ~Timeline();

    void Schedule(unsigned delayMs, std::function<void()> action);
    void CancelAll();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);

    WindowClassUse class_;
    HWND window_ = nullptr;
    UINT_PTR nextId_ = 1;
    std::map<UINT_PTR, std::function<void()>> actions_;
};

} // namespace standin
