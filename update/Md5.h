// The MD5 digest of a whole file as text, written to the update log so that a
// downloaded or installed executable can be identified afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Appends the digest of the file at path as 32 lower-case hexadecimal digits to
// hex and answers true; answers false (hex unchanged) when the file cannot be
// read or the digest cannot be computed.
bool FileMd5Hex(const std::wstring& path, std::wstring& hex);

// Gives the buffer into which the whole file of the given size is read; may
// throw std::bad_alloc, which the digest answers with false.
using WholeFileAllocator = std::vector<BYTE> (*)(DWORD size);
std::vector<BYTE> AllocateWholeFile(DWORD size);
bool FileMd5Hex(const std::wstring& path, std::wstring& hex, WholeFileAllocator allocate);
