// Loads the script named by BROWSER_STANDIN_SCRIPT.
#pragma once

#include "Script.h"

namespace standin {

// Reads and parses the script afresh, so a test can change it between two
// controls of one process. No variable gives an empty script (every address
// completes); an unreadable file, or one over 1 MiB, gives an empty script
// with a problem noted.
Script LoadScriptFromEnvironment();

} // namespace standin
