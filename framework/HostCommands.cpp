#include "framework/HostCommands.h"

namespace fw {

namespace {

bool IsDocHostGroup(const GUID* group) {
    return group && *group == kCgidDocHostCommandHandler;
}

// The standard group (none given) and the document host's are known; their
// other commands are declined so the control does what it does by default.
bool IsKnownGroup(const GUID* group) {
    return !group || IsDocHostGroup(group);
}

bool IsScriptError(const GUID* group, DWORD id) {
    return IsDocHostGroup(group) && id == OLECMDID_SHOWSCRIPTERROR;
}

} // namespace

HRESULT ExecHostCommand(const GUID* group, DWORD id, VARIANT* out) {
    if (!IsKnownGroup(group))
        return OLECMDERR_E_UNKNOWNGROUP;
    if (!IsScriptError(group, id))
        return OLECMDERR_E_NOTSUPPORTED;
    if (out) {
        VariantClear(out);
        out->vt = VT_BOOL;
        out->boolVal = VARIANT_TRUE;
    }
    return S_OK;
}

} // namespace fw
