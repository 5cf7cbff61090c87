// Interface, event and service ids of the embedded browser that the import
// libraries do not all provide.
#pragma once

#include <windows.h>

// The HTML document's event interface, the one the click sink is connected to.
inline constexpr IID kDiidHtmlDocumentEvents2 = {
    0x3050f613, 0x98b5, 0x11cf, {0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b}};
// The further interface the click sink answers with its dispatch interface.
inline constexpr IID kIidDocEvtHandlerEvents = {
    0x3050f617, 0x98b5, 0x11cf, {0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b}};
// The service that answers the browser's top window.
inline constexpr GUID kSidShellBrowser = {
    0x000214e2, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Dispatch id of the click, in every HTML event interface.
inline constexpr DISPID kDispidOnClick = -600;
