// Authenticode signatures of executables: whether the system trusts the
// signature a file carries, and which publisher it names. A signed program
// takes updates only from its own publisher.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// WinVerifyTrust's answer for the signature embedded in the file, asked with
// no user interface and no revocation look-up over the network: ERROR_SUCCESS
// when the system trusts it, TRUST_E_NOSIGNATURE when there is none, another
// code when it does not match the content or its chain is not trusted.
LONG VerifyFileSignature(const std::wstring& path);

// The encoded subject name of the certificate that signed the file, the
// publisher's name as its certificates carry it through every renewal;
// empty when the file carries no signature. Says nothing of validity.
std::vector<BYTE> SignerSubject(const std::wstring& path);

// The update-log line that refuses a download signed otherwise than by
// runningPublisher; empty when the download's signature is trusted and names
// the same publisher.
std::wstring PublisherRejection(const std::vector<BYTE>& runningPublisher, LONG downloadTrust,
                                const std::vector<BYTE>& downloadPublisher);
