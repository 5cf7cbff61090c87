// The decisions of the self-update that depend on text and numbers only: the
// version-check address, the reading of the service's reply, the announced
// length of a download and the size bound of the log. Kept apart from WinINet
// and the file system so that each rule is tested directly.
#pragma once

#include <cstdint>
#include <string>

// The reply of the update service is read into a buffer of this size; a body
// that fills it is not a reply of the protocol.
constexpr size_t kReplyBufferBytes = 1024;

// The update log is deleted before a pass when it is larger than this.
constexpr uint64_t kUpdateLogLimitBytes = 10ull * 1024 * 1024;

constexpr wchar_t kLogSeparator[] = L"=====================";

// "<base>/<query><version>", nothing escaped: the service reads the version
// text exactly as the version resource holds it, spaces included.
std::wstring FormatCheckAddress(const std::wstring& base, const std::wstring& query,
                                const std::wstring& version);

// The reply bytes of a response body: everything before the first zero byte,
// or nothing when the body fills the whole reply buffer, so that an oversized
// body is refused instead of being taken for an address in pieces.
std::string ReplyFromBody(const std::string& body);

// Five characters or fewer, or a negative leading number: no update. Anything
// else (in practice an absolute address, whose leading number reads as 0) is
// the address of the new executable.
bool IsUpdateOffered(const std::wstring& reply);

// The Content-Length header text as a number; 0 when it is missing or does
// not begin with one, and kLengthOutsideDesign when it is negative or does
// not fit a 32-bit signed size: downloads of 2 GiB or more are not taken.
constexpr long kLengthOutsideDesign = -1;
long AnnouncedLength(const std::wstring& headerText);

// The download is whole when what the cache file held before plus what was
// received adds up to the announced length.
bool IsDownloadComplete(long sizeBefore, long received, long announced);

// False once the cache file would hold more than the announced length.
bool IsWithinAnnouncedLength(long sizeBefore, long received, long announced);

bool UpdateLogTooLarge(uint64_t size);

// How long the update service may go without answering or sending data
// before the check or the download gives it up.
constexpr uint32_t kServiceQuietLimitMs = 30000;

// The slowest transfer still taken for a live one. A service that keeps
// sending a byte now and then is never quiet for long, yet may never end.
constexpr uint64_t kSlowestServiceBytesPerSecond = 16 * 1024;

// How long an exchange that expects bytes may run in all: what they take at
// the slowest live rate, plus the quiet limit for the answer to begin.
uint32_t ExchangeTimeLimitMs(uint64_t bytes);

// A download must leave at least this much free on the cache folder's
// volume, so that the player's disk is never filled by an update.
constexpr uint64_t kDiskReserveBytes = 64ull * 1024 * 1024;

// True when announced more bytes would leave less than the reserve free.
bool LeavesTooLittleSpace(uint64_t freeBytes, long announced);

// What the update log writes of a message: every control character
// (carriage returns and line feeds among them) as a space, so that a text
// the service sent can never begin a line of its own.
std::wstring LogLineText(const std::wstring& message);

// How much of a downloaded file is read to recognise a program: its DOS
// header, the offset of the PE header and that header must lie within it.
constexpr size_t kProgramHeadBytes = 4096;

// True when head, the beginning of a file, is that of a Windows program: a DOS
// header pointing at a PE signature whose file header marks an executable
// image that is not a library.
bool IsProgramImage(const std::string& head);
