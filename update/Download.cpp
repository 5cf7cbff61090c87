// The download of the new executable into the cache file, chunk by chunk,
// appended to whatever the file already holds.
#include "update/UpdateModule.h"

#include "framework/Exceptions.h"
#include "framework/Handles.h"
#include "framework/Internet.h"
#include "framework/Strings.h"
#include "update/Md5.h"
#include "update/UpdateLog.h"
#include "update/UpdateRules.h"

#include <windows.h>

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

} // namespace

void CUpdateModule::DownloadUpdate(const std::wstring& url) {
    try {
        WriteUpdateLog(L"ExcuUpdate,URL=" + url);
        fw::CInternetSession session;
        std::unique_ptr<fw::CHttpFile> request = session.OpenURL(url);
        if (!request)
            return;

        DWORD status = 0;
        request->QueryInfoStatusCode(status);
        WriteUpdateLog(
            fw::FormatString(L"Http QueryInfoStatusCode:%ld", static_cast<long>(status)));
        if (status >= HTTP_STATUS_BAD_REQUEST)
            return;

        std::wstring lengthText;
        request->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, lengthText);
        long announced = AnnouncedLength(lengthText);
        WriteUpdateLog(fw::FormatString(L"Content length:%ld", announced));

        long sizeBefore = MeasureCacheFile(cacheFile_);
        if (sizeBefore == announced) {
            WriteUpdateLog(L"ERROR!Before download dwFileSize == dwToatlSize,exit");
            return;
        }

        // No ranged request: the pass deleted the cache file, so the body is
        // always wanted from its first byte.
        AppendFile file(cacheFile_);
        if (!file.IsOpen())
            return;
        long received = 0;
        char buffer[kChunkBytes];
        for (;;) {
            ZeroMemory(buffer, sizeof(buffer));
            UINT read = request->Read(buffer, kChunkBytes);
            if (read == 0)
                break;
            file.Write(buffer, read);
            received += static_cast<long>(read);
        }
        file.Close();
        request->Close();

        if (!IsDownloadComplete(sizeBefore, received, announced))
            return;
        WriteUpdateLog(fw::FormatString(L"Finish download,file size=%ld", announced));
        std::wstring digest;
        FileMd5Hex(cacheFile_, digest);
        WriteUpdateLog(fw::FormatString(L"Finish download,file md5=%s", digest.c_str()));
        handover_(cacheFile_, installFile_);
    } catch (const fw::CException& e) {
        LogDownloadException(e);
    }
}
