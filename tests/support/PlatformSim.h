// What a test run by cmake/with-platform-sim.sh knows of the platform stand-in:
// its address and the files of its state folder.
#pragma once

#include <string>

namespace test {

// False when the test was started without the stand-in.
bool SimRunning();
// http://127.0.0.1:<port> of the running stand-in.
std::wstring SimBase();
// A file of the stand-in's state folder (config.json, requests.log) as Wine
// sees it through its Z: drive.
std::wstring SimState(const wchar_t* file);

} // namespace test
