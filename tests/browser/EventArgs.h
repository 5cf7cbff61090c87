// Builds the argument array of a synthetic event call the way an event source
// does: arguments are added in declared order and handed over last first.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <deque>
#include <vector>

namespace test {

class EventArgs {
public:
    EventArgs() = default;
    EventArgs(const EventArgs&) = delete;
    EventArgs& operator=(const EventArgs&) = delete;
    ~EventArgs();

    EventArgs& Dispatch(IDispatch* value);
    EventArgs& Text(const wchar_t* value);
    // A string inside a variant passed by reference, as the browser sends URLs.
    EventArgs& TextByRef(const wchar_t* value);
    EventArgs& Long(long value);
    EventArgs& BoolRef(VARIANT_BOOL* value);
    EventArgs& DispatchRef(IDispatch** value);
    EventArgs& Empty();

    DISPPARAMS* Params();

private:
    VARIANT& Add();

    std::vector<VARIANT> declared_;
    std::deque<VARIANT> inner_;
    std::vector<VARIANT> reversed_;
    DISPPARAMS params_{};
};

} // namespace test
