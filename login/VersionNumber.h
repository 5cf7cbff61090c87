// Compares program versions the way the installer does: the version text with
// its dots removed, read as one decimal number (1.0.10.0 gives 10100).
#pragma once

#include <string>

// Leading white space and a sign are allowed, reading stops at the first
// non-digit, and no digits (a missing file or version) give 0.
long VersionNumber(const std::wstring& versionText);
