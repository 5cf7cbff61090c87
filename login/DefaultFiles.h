// Unpacks the default files carried in the program's ZIP resource into the
// data folder, once per installation.
#pragma once

#include <string>

// dataFolder has no trailing separator (%APPDATA%\morvane\vrk). Keeps an
// existing settings file, always rewrites the other files, and marks the
// settings file so that later starts skip the unpacking.
void ExtractDefaultFiles(const std::wstring& dataFolder);
