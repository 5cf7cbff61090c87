#include "update/Signature.h"

#include "framework/Handles.h"
#include "framework/Strings.h"

#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

namespace {

struct CertStoreTraits {
    using Type = HCERTSTORE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { CertCloseStore(h, 0); }
};

struct CryptMessageTraits {
    using Type = HCRYPTMSG;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { CryptMsgClose(h); }
};

struct CertContextTraits {
    using Type = PCCERT_CONTEXT;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { CertFreeCertificateContext(h); }
};

const DWORD kEncodings = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;

} // namespace

LONG VerifyFileSignature(const std::wstring& path) {
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof(file);
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof(data);
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_REVOCATION_CHECK_NONE | WTD_CACHE_ONLY_URL_RETRIEVAL;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    HWND noUser = static_cast<HWND>(INVALID_HANDLE_VALUE);
    LONG trust = WinVerifyTrust(noUser, &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(noUser, &action, &data);
    return trust;
}

std::vector<BYTE> SignerSubject(const std::wstring& path) {
    HCERTSTORE rawStore = nullptr;
    HCRYPTMSG rawMessage = nullptr;
    if (!CryptQueryObject(CERT_QUERY_OBJECT_FILE, path.c_str(),
                          CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED, CERT_QUERY_FORMAT_FLAG_BINARY,
                          0, nullptr, nullptr, nullptr, &rawStore, &rawMessage, nullptr))
        return {};
    fw::UniqueResource<CertStoreTraits> store(rawStore);
    fw::UniqueResource<CryptMessageTraits> message(rawMessage);

    DWORD size = 0;
    if (!CryptMsgGetParam(message.Get(), CMSG_SIGNER_INFO_PARAM, 0, nullptr, &size) || size == 0)
        return {};
    std::vector<BYTE> signerBytes(size);
    if (!CryptMsgGetParam(message.Get(), CMSG_SIGNER_INFO_PARAM, 0, signerBytes.data(), &size))
        return {};
    const auto* signer = reinterpret_cast<const CMSG_SIGNER_INFO*>(signerBytes.data());

    // The signer's certificate is the one its issuer and serial number name.
    CERT_INFO wanted{};
    wanted.Issuer = signer->Issuer;
    wanted.SerialNumber = signer->SerialNumber;
    fw::UniqueResource<CertContextTraits> certificate(CertFindCertificateInStore(
        store.Get(), kEncodings, 0, CERT_FIND_SUBJECT_CERT, &wanted, nullptr));
    if (!certificate)
        return {};
    const CERT_NAME_BLOB& subject = certificate.Get()->pCertInfo->Subject;
    return std::vector<BYTE>(subject.pbData, subject.pbData + subject.cbData);
}

std::wstring PublisherRejection(const std::vector<BYTE>& runningPublisher, LONG downloadTrust,
                                const std::vector<BYTE>& downloadPublisher) {
    if (downloadTrust == TRUST_E_NOSIGNATURE)
        return L"ERROR!Download file is not signed,deleted";
    if (downloadTrust != ERROR_SUCCESS)
        return fw::FormatString(L"ERROR!Download file signature is not trusted(0x%08lx),deleted",
                                static_cast<unsigned long>(downloadTrust));
    if (downloadPublisher != runningPublisher)
        return L"ERROR!Download file is signed by another publisher,deleted";
    return std::wstring();
}
