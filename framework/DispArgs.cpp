#include "framework/DispArgs.h"

#include "framework/ComValues.h"

namespace fw {

namespace {

// A variant passed by reference to a variant stands for the inner one.
const VARIANT* Deref(const VARIANT* arg) {
    if (arg && arg->vt == (VT_BYREF | VT_VARIANT))
        return arg->pvarVal;
    return arg;
}

// A converted copy of an argument in out; false when it does not convert.
bool Convert(const VARIANT* source, VARTYPE type, Variant& out) {
    return source && SUCCEEDED(VariantChangeType(out.Get(), const_cast<VARIANT*>(source), 0, type));
}

} // namespace

const VARIANT* DispArg(const DISPPARAMS* params, UINT index) {
    if (!params || !params->rgvarg || index >= params->cArgs)
        return nullptr;
    return &params->rgvarg[params->cArgs - 1 - index];
}

std::wstring DispArgString(const VARIANT* arg) {
    Variant text;
    if (!Convert(Deref(arg), VT_BSTR, text) || !text.Value().bstrVal)
        return std::wstring();
    return std::wstring(text.Value().bstrVal, SysStringLen(text.Value().bstrVal));
}

long DispArgLong(const VARIANT* arg) {
    Variant number;
    return Convert(Deref(arg), VT_I4, number) ? number.Value().lVal : 0;
}

VARIANT_BOOL* DispArgBoolRef(const VARIANT* arg) {
    if (arg && arg->vt == (VT_BYREF | VT_BOOL))
        return arg->pboolVal;
    const VARIANT* inner = Deref(arg);
    if (inner && inner != arg && inner->vt == VT_BOOL)
        return const_cast<VARIANT_BOOL*>(&inner->boolVal);
    return nullptr;
}

IDispatch** DispArgDispatchRef(const VARIANT* arg) {
    if (arg && arg->vt == (VT_BYREF | VT_DISPATCH))
        return arg->ppdispVal;
    return nullptr;
}

IDispatch* DispArgDispatch(const VARIANT* arg) {
    const VARIANT* value = Deref(arg);
    if (!value)
        return nullptr;
    if (value->vt == VT_DISPATCH)
        return value->pdispVal;
    if (value->vt == (VT_BYREF | VT_DISPATCH) && value->ppdispVal)
        return *value->ppdispVal;
    return nullptr;
}

} // namespace fw
