#include "tests/browser/EventArgs.h"

namespace test {

EventArgs::~EventArgs() {
    for (VARIANT& value : declared_)
        VariantClear(&value);
    for (VARIANT& value : inner_)
        VariantClear(&value);
}

VARIANT& EventArgs::Add() {
    declared_.emplace_back();
    VariantInit(&declared_.back());
    return declared_.back();
}

EventArgs& EventArgs::Dispatch(IDispatch* value) {
    VARIANT& v = Add();
    v.vt = VT_DISPATCH;
    v.pdispVal = value;
    if (value)
        value->AddRef();
    return *this;
}

EventArgs& EventArgs::Text(const wchar_t* value) {
    VARIANT& v = Add();
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(value);
    return *this;
}

EventArgs& EventArgs::TextByRef(const wchar_t* value) {
    inner_.emplace_back();
    VARIANT& inner = inner_.back();
    VariantInit(&inner);
    inner.vt = VT_BSTR;
    inner.bstrVal = SysAllocString(value);
    VARIANT& v = Add();
    v.vt = VT_BYREF | VT_VARIANT;
    v.pvarVal = &inner;
    return *this;
}

EventArgs& EventArgs::Long(long value) {
    VARIANT& v = Add();
    v.vt = VT_I4;
    v.lVal = value;
    return *this;
}

EventArgs& EventArgs::BoolRef(VARIANT_BOOL* value) {
    VARIANT& v = Add();
    v.vt = VT_BYREF | VT_BOOL;
    v.pboolVal = value;
    return *this;
}

EventArgs& EventArgs::DispatchRef(IDispatch** value) {
    VARIANT& v = Add();
    v.vt = VT_BYREF | VT_DISPATCH;
    v.ppdispVal = value;
    return *this;
}

EventArgs& EventArgs::Empty() {
    Add();
    return *this;
}

DISPPARAMS* EventArgs::Params() {
    reversed_.assign(declared_.rbegin(), declared_.rend());
    params_.rgvarg = reversed_.empty() ? nullptr : reversed_.data();
    params_.cArgs = static_cast<UINT>(reversed_.size());
    params_.rgdispidNamedArgs = nullptr;
    params_.cNamedArgs = 0;
    return &params_;
}

} // namespace test
