// DWebBrowserEvents2 and HTMLDocumentEvents2 as the real control raises them:
// arguments in the documented order (the last one first in the parameter
// array), addresses passed by reference, flags the host may set by reference.
#pragma once

#include "ConnectionPoint.h"

#include <mshtml.h>

#include <string>

namespace standin {

struct EventOutcome {
    int sinks = 0;
    bool cancel = false;
};

// source is the browser that navigates: the control for the page, a frame's
// browser for a frame.
EventOutcome FireBeforeNavigate2(ConnectionPoint& events, IDispatch* source,
                                 const std::wstring& url);
int FireNavigateComplete2(ConnectionPoint& events, IDispatch* source, const std::wstring& url);
int FireDocumentComplete(ConnectionPoint& events, IDispatch* source, const std::wstring& url);

// A window the host hands back through ppDisp is released; the stand-in
// never shows one.
EventOutcome FireNewWindow2(ConnectionPoint& events, bool* hostGaveWindow);
EventOutcome FireNewWindow3(ConnectionPoint& events, const std::wstring& url,
                            const std::wstring& context, bool* hostGaveWindow);

int FireDocumentClick(ConnectionPoint& documentEvents, IHTMLEventObj* event);

} // namespace standin
