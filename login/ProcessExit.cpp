#include "login/ProcessExit.h"

#include <cstdlib>

namespace processexit {

// Exit handlers and static destructors run; no window is destroyed first.
ExitProc exitProcess = std::exit;

} // namespace processexit
