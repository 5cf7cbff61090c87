// Entry names: decoding the stored UTF-8 bytes and reducing the result to a path
// relative to the extraction folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Names are kept to what fits a 260-unit path buffer with its terminator.
constexpr size_t kZipMaxNameUnits = 259;

// UTF-8 to UTF-16. Stops at a NUL byte and after kZipMaxNameUnits units (never in
// the middle of a surrogate pair). Malformed sequences, overlong forms and encoded
// surrogates become U+FFFD, so no byte pattern decodes to a separator or a dot
// that was not written as one.
std::u16string ZipDecodeName(const uint8_t* bytes, size_t length);

// Strips, until none applies: a drive prefix ("C:"), a leading "\" or "/", a
// leading parent step ("../", "..\" or the name ".."), and everything up to and
// including an inner or final parent step ("\..\", "\../", "/../", "/..\", or
// "\.." and "/.." at the end). What remains has no ".." segment, so it never
// climbs above the folder it is joined to.
std::u16string ZipSanitiseName(std::u16string name);

// True when a segment of the path names a Windows device (CON, PRN, AUX, NUL,
// COM1-COM9, LPT1-LPT9, CONIN$, CONOUT$, with any extension and in any case):
// opening such a path reaches the device, not a file in the folder.
bool ZipNameHasDevice(const std::u16string& path);
