// Base64 decoding of the remembered account values in the settings file.
#pragma once

#include <string>

// The bytes that the standard alphabet encodes in text. Any other character
// ("=", white space, stray bytes) is skipped. Characters are taken four at a
// time; a final group of two or three gives one or two bytes and a lone
// final character gives nothing. Decoding stops before a group that would
// bring the result to kBase64MaxBytes + 1 bytes, and at a zero byte, since
// the result is read as a zero-terminated string.
std::string DecodeBase64(const std::string& text);

constexpr size_t kBase64MaxBytes = 1023;

// DecodeBase64 of the text in the thread's ANSI code page, read back from
// that code page.
std::wstring Base64DecodeAnsi(const std::wstring& text);
