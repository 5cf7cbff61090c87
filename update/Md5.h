// The MD5 digest of a whole file as text, written to the update log so that a
// downloaded or installed executable can be identified afterwards.
#pragma once

#include <string>

// Appends the digest of the file at path as 32 lower-case hexadecimal digits to
// hex and answers true; answers false (hex unchanged) when the file cannot be
// read or the digest cannot be computed.
bool FileMd5Hex(const std::wstring& path, std::wstring& hex);
