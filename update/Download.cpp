// The download of the new executable into the cache file, chunk by chunk,
// appended to whatever the file already holds.
#include "update/UpdateModule.h"

#include "framework/Exceptions.h"
#include "framework/FileCompare.h"
#include "framework/Handles.h"
#include "framework/Internet.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "update/ExchangeWatch.h"
#include "update/FileVersion.h"
#include "update/Md5.h"
#include "update/Signature.h"
#include "update/UpdateLog.h"
#include "update/UpdateRules.h"

#include <windows.h>

#include <memory>

namespace {

const UINT kChunkBytes = 1024;

// The cache file's size as the completion test counts it: its low 32 bits,
// or -1 when it cannot be opened. Creates the file when missing.
long MeasureCacheFile(const std::wstring& path) {
    fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD size = file ? GetFileSize(file.Get(), nullptr) : INVALID_FILE_SIZE;
    return static_cast<long>(size);
}

// Appends to an existing cache file (creating it when missing, never
// truncating it); write failures raise CFileException.
class AppendFile {
public:
    explicit AppendFile(const std::wstring& path) : path_(path) {
        file_.Reset(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_ &&
            SetFilePointer(file_.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
            GetLastError() != NO_ERROR)
            throw fw::CFileException(GetLastError(), path_);
    }
    bool IsOpen() const { return file_.Valid(); }
    void Write(const void* data, UINT count) {
        DWORD written = 0;
        if (!WriteFile(file_.Get(), data, count, &written, nullptr) || written != count)
            throw fw::CFileException(GetLastError(), path_);
    }
    void Close() { file_.Reset(); }

private:
    std::wstring path_;
    fw::UniqueHandle file_;
};

// The reason, as an update-log line, why a downloaded file must not replace
// the installed program; empty when it may. Whatever the server sent with
// the right length arrives here, an error page as well as a program, and the
// relay would install and start it. The new program needs a FileVersion:
// without one it could never tell the update service what it is. A copy of
// the running program would change nothing but restart it, and a service
// that keeps offering it would restart every player's program at each start.
// A signed program takes only programs its own publisher signed; unsigned
// (development) builds take any program with a FileVersion.
std::wstring RejectionOfDownload(const std::wstring& path) {
    std::string head(kProgramHeadBytes, '\0');
    DWORD read = 0;
    {
        fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file ||
            !ReadFile(file.Get(), &head[0], static_cast<DWORD>(head.size()), &read, nullptr))
            read = 0;
    }
    head.resize(read);
    if (!IsProgramImage(head))
        return L"ERROR!Download file is not a Windows program,deleted";
    std::wstring version = GetFileVersionString(path);
    if (version.empty() || version == kNoVersionText)
        return L"ERROR!Download file has no file version,deleted";
    std::wstring running = fw::ModulePath();
    if (fw::SameFileContent(path, running))
        return L"ERROR!Download file is the running program,deleted";
    std::vector<BYTE> publisher = SignerSubject(running);
    if (publisher.empty())
        return std::wstring();
    return PublisherRejection(publisher, VerifyFileSignature(path), SignerSubject(path));
}

// The transfer of the body into the cache file, run on the exchange's
// worker thread; complete is read by the pass once the worker has ended.
struct Transfer {
    std::wstring url;
    std::wstring cacheFile;
    CUpdateModule::FreeSpaceQuery freeSpace;
    long announced = 0;
    bool complete = false;
};

// Internet and file exceptions are the caller's (RunServiceExchange).
void RunTransfer(Transfer& transfer, ExchangeProgress& progress) {
    fw::CInternetSession session;
    std::unique_ptr<fw::CHttpFile> request = OpenServiceAddress(session, transfer.url);
    progress.Tick();
    if (!request)
        return;

    DWORD status = 0;
    request->QueryInfoStatusCode(status);
    progress.Log(fw::FormatString(L"Http QueryInfoStatusCode:%ld", static_cast<long>(status)));
    if (status >= HTTP_STATUS_BAD_REQUEST)
        return;

    std::wstring lengthText;
    request->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, lengthText);
    long announced = AnnouncedLength(lengthText);
    if (announced == kLengthOutsideDesign) {
        progress.Log(L"ERROR!Content length out of range:" + lengthText + L",exit");
        return;
    }
    progress.Log(fw::FormatString(L"Content length:%ld", announced));
    progress.LimitTo(ExchangeTimeLimitMs(static_cast<uint64_t>(announced)));

    // Checked before the cache file is even created. Room that cannot be
    // measured is not a reason to refuse.
    uint64_t freeBytes = 0;
    std::wstring cacheFolder = transfer.cacheFile.substr(0, transfer.cacheFile.rfind(L'\\') + 1);
    if (transfer.freeSpace(cacheFolder, freeBytes) && LeavesTooLittleSpace(freeBytes, announced)) {
        progress.Log(fw::FormatString(L"ERROR!Not enough disk space,%lu MB free,exit",
                                      static_cast<unsigned long>(freeBytes / (1024 * 1024))));
        return;
    }

    long sizeBefore = MeasureCacheFile(transfer.cacheFile);
    if (sizeBefore == announced) {
        progress.Log(L"ERROR!Before download dwFileSize == dwToatlSize,exit");
        return;
    }

    // No ranged request: the pass deleted the cache file, so the body is
    // always wanted from its first byte.
    AppendFile file(transfer.cacheFile);
    if (!file.IsOpen())
        return;
    long received = 0;
    char buffer[kChunkBytes];
    for (;;) {
        ZeroMemory(buffer, sizeof(buffer));
        UINT read = request->Read(buffer, kChunkBytes);
        if (read == 0)
            break;
        progress.Tick();
        if (!progress.WhileWanted([&] { file.Write(buffer, read); }))
            return;
        received += static_cast<long>(read);
        // A body longer than announced can never complete; stop before an
        // endless one fills the disk (or the count wraps).
        if (!IsWithinAnnouncedLength(sizeBefore, received, announced))
            break;
    }
    file.Close();
    request->Close();
    transfer.announced = announced;
    transfer.complete = IsDownloadComplete(sizeBefore, received, announced);
}

} // namespace

void CUpdateModule::DownloadUpdate(const std::wstring& url) {
    if (cacheFile_.empty())
        return;
    WriteUpdateLog(L"ExcuUpdate,URL=" + url);
    auto transfer = std::make_shared<Transfer>();
    transfer->url = url;
    transfer->cacheFile = cacheFile_;
    transfer->freeSpace = freeSpace_;
    if (!RunServiceExchange([transfer](ExchangeProgress& p) { RunTransfer(*transfer, p); }) ||
        !transfer->complete)
        return;
    WriteUpdateLog(fw::FormatString(L"Finish download,file size=%ld", transfer->announced));
    std::wstring digest;
    FileMd5Hex(cacheFile_, digest);
    WriteUpdateLog(fw::FormatString(L"Finish download,file md5=%s", digest.c_str()));
    std::wstring rejection = RejectionOfDownload(cacheFile_);
    if (!rejection.empty()) {
        DeleteFileW(cacheFile_.c_str());
        WriteUpdateLog(rejection);
        return;
    }
    handover_(cacheFile_, installFile_);
}
