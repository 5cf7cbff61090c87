// The login screen's way out of the process when the player confirms the
// exit question. It goes through a replaceable function pointer (the runtime
// library's normal exit by default) so that tests can watch it.
#pragma once

namespace processexit {

using ExitProc = void (*)(int);

extern ExitProc exitProcess;

} // namespace processexit
