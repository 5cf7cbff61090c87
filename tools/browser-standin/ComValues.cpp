// Conversions of automation values to text for navigation addresses and the log.
#include "ComValues.h"

#include <objbase.h>

namespace standin {

std::wstring VariantText(const VARIANT* value) {
    if (!value)
        return {};
    // Addresses come as plain strings, as references to strings, or (in the
    // events) as references to variants that hold strings.
    if (V_VT(value) == (VT_BYREF | VT_VARIANT))
        return VariantText(V_VARIANTREF(value));
    Variant text;
    if (FAILED(VariantChangeType(text.Get(), const_cast<VARIANT*>(value), 0, VT_BSTR)))
        return {};
    BSTR s = V_BSTR(text.Get());
    return s ? std::wstring(s, SysStringLen(s)) : std::wstring();
}

std::wstring GuidText(REFGUID guid) {
    wchar_t buffer[40] = {};
    StringFromGUID2(guid, buffer, 40);
    return buffer;
}

} // namespace standin
