// Reading the arguments of an automation call (IDispatch::Invoke) by their
// declared position. The parameter array holds them last argument first, and
// event sources pass some of them by reference.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace fw {

// The argument at declared position index (0 = first), or null when the call
// carries fewer arguments.
const VARIANT* DispArg(const DISPPARAMS* params, UINT index);

// The argument as text: a variant reference is followed, then the value is
// converted to a string. Empty when there is no argument or no conversion.
std::wstring DispArgString(const VARIANT* arg);

// A 32-bit integer argument, following a variant reference; 0 when there is
// none or it does not convert.
long DispArgLong(const VARIANT* arg);

// The address of a boolean passed by reference (directly or inside a variant
// reference), so the callee can write it; null otherwise.
VARIANT_BOOL* DispArgBoolRef(const VARIANT* arg);

// The address of a dispatch pointer passed by reference; null otherwise.
IDispatch** DispArgDispatchRef(const VARIANT* arg);

// A dispatch pointer argument, by value or by reference; not AddRef'd.
IDispatch* DispArgDispatch(const VARIANT* arg);

} // namespace fw
