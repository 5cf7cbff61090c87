// The commands the browser's document sends its host through IOleCommandTarget
// on the host's site. Both hosts answer them alike: a script error of a page
// is taken as handled, so the page's scripts go on and no error box comes up
// in front of the game or the login; every other command is left to the
// control's own behaviour. The page's own alert and confirm are not commands
// and still show.
#pragma once

#include <windows.h>
#include <docobj.h>

namespace fw {

// The document host's command group.
inline constexpr GUID kCgidDocHostCommandHandler = {
    0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};

// IOleCommandTarget::Exec: the script-error command answers S_OK with
// VARIANT_TRUE in out (go on running scripts); any other command is declined
// with OLECMDERR_E_NOTSUPPORTED, or OLECMDERR_E_UNKNOWNGROUP for a group
// other than the standard one and the document host's.
HRESULT ExecHostCommand(const GUID* group, DWORD id, VARIANT* out);

} // namespace fw
