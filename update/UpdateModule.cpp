#include "update/UpdateModule.h"

#include "framework/Exceptions.h"
#include "framework/Handles.h"
#include "framework/Internet.h"
#include "framework/Paths.h"
#include "framework/Strings.h"
#include "resources/resource.h"
#include "update/ExchangeWatch.h"
#include "update/FileVersion.h"
#include "update/SelfReplace.h"
#include "update/UpdateLog.h"
#include "update/UpdateRules.h"

#include <windows.h>
#include <shlobj.h>

namespace {

const DWORD kConnectTimeoutMs = 5000;
const UINT kMessageTextChars = 255;

bool FreeBytesOnVolume(const std::wstring& folder, uint64_t& freeBytes) {
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr))
        return false;
    freeBytes = available.QuadPart;
    return true;
}

} // namespace

std::unique_ptr<fw::CHttpFile> OpenServiceAddress(fw::CInternetSession& session,
                                                  const std::wstring& url) {
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, kConnectTimeoutMs);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, kServiceQuietLimitMs);
    std::unique_ptr<fw::CHttpFile> request = session.OpenURL(url);
    // Not every internet layer hands the session's receive timeout down to
    // its requests (Wine's does not); the body's reads get it here anyway.
    if (request)
        request->SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, kServiceQuietLimitMs);
    return request;
}

bool RunServiceExchange(std::function<void(ExchangeProgress&)> exchange) {
    auto guarded = [exchange = std::move(exchange)](ExchangeProgress& progress) {
        try {
            exchange(progress);
        } catch (const fw::CException& e) {
            progress.WhileWanted([&] { LogDownloadException(e); });
        }
    };
    if (RunWatchedExchange(guarded, kServiceQuietLimitMs, ExchangeTimeLimitMs(kReplyBufferBytes)))
        return true;
    LogDownloadException(fw::CInternetException(ERROR_INTERNET_TIMEOUT));
    return false;
}

void LogDownloadException(const fw::CException& e) {
    wchar_t text[kMessageTextChars] = {};
    e.GetErrorMessage(text, kMessageTextChars);
    WriteUpdateLog(L"Try Download File Exception");
    WriteUpdateLog(text);
}

void TrimUpdateLog(const std::wstring& logPath) {
    uint64_t size = 0;
    {
        // Reading the size needs no data access; sharing reads only, so a log
        // that a writer holds open right now is left for the next pass.
        fw::UniqueHandle log(CreateFileW(logPath.c_str(), FILE_READ_EA, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER bytes{};
        if (!log || !GetFileSizeEx(log.Get(), &bytes))
            return;
        size = static_cast<uint64_t>(bytes.QuadPart);
    }
    if (UpdateLogTooLarge(size))
        DeleteFileW(logPath.c_str());
}

void RunUpdatePass() {
    // The pass runs inside a browser event: internet and file failures are
    // logged where they happen, and nothing else may unwind into the control.
    try {
        TrimUpdateLog(UpdateLogPath());

        CUpdateModule module(fw::LoadResString(IDS_DOWNLOAD_FILE),
                             fw::LoadResString(IDS_DATA_FOLDER) + fw::LoadResString(IDS_GAME_CODE) +
                                 L"\\");
        std::wstring base = fw::LoadResString(IDS_UPDATE_SERVICE);
        std::wstring query = fw::LoadResString(IDS_VERSION_QUERY);
        std::wstring version = GetFileVersionString(fw::ModulePath());

        if (module.CacheFile().empty())
            return;
        WriteUpdateLog(FormatCheckAddress(base, query, version));
        if (module.CheckVersion(base, query, version))
            module.DownloadUpdate(module.Reply());
    } catch (...) {
        // Out of memory or the like: the player simply gets no update.
    }
}

CUpdateModule::CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder)
    : CUpdateModule(fileName, dataFolder, LaunchUpdater) {
}

CUpdateModule::CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder,
                             Handover handover)
    : CUpdateModule(fileName, dataFolder, std::move(handover), fw::ShellFolderPath(CSIDL_APPDATA)) {
}

CUpdateModule::CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder,
                             Handover handover, const std::wstring& appData)
    : dataFolder_(dataFolder), handover_(std::move(handover)), freeSpace_(FreeBytesOnVolume) {
    if (appData.empty())
        return;
    std::wstring cacheFolder = appData + L"\\cache";
    if (!fw::PathExists(cacheFolder))
        CreateDirectoryW(cacheFolder.c_str(), nullptr);
    cacheFile_ = cacheFolder + fileName;
    // Every pass starts without a partial download.
    if (fw::PathExists(cacheFile_))
        DeleteFileW(cacheFile_.c_str());

    installFile_ = appData + dataFolder + fw::ModuleFileName();
}

bool CUpdateModule::CheckVersion(const std::wstring& base, const std::wstring& query,
                                 const std::wstring& version) {
    checkAddress_ = FormatCheckAddress(base, query, version);
    std::wstring reply = QueryServiceText();
    WriteUpdateLog(L"Server response check version msg:" + reply);
    if (!IsUpdateOffered(reply)) {
        WriteUpdateLog(L"Finish Update.");
        WriteUpdateLog(kLogSeparator);
        return false;
    }
    reply_ = reply;
    return true;
}

std::wstring CUpdateModule::QueryServiceText() {
    auto reply = std::make_shared<std::wstring>();
    std::wstring address = checkAddress_;
    bool ended = RunServiceExchange([reply, address](ExchangeProgress& progress) {
        fw::CInternetSession session;
        std::unique_ptr<fw::CHttpFile> request = OpenServiceAddress(session, address);
        progress.Tick();
        if (!request)
            return;

        DWORD status = 0;
        request->QueryInfoStatusCode(status);
        progress.Log(fw::FormatString(L"Http QueryInfoStatusCode:%ld", static_cast<long>(status)));
        if (status >= HTTP_STATUS_BAD_REQUEST)
            return;

        // Reads until the body ends or the buffer is full; never more than
        // the buffer, however long the body.
        std::string body(kReplyBufferBytes, '\0');
        size_t filled = 0;
        while (filled < body.size()) {
            UINT read = request->Read(&body[filled], static_cast<UINT>(body.size() - filled));
            if (read == 0)
                break;
            progress.Tick();
            filled += read;
        }
        body.resize(filled);
        *reply = fw::ToWide(ReplyFromBody(body));
    });
    return ended ? *reply : std::wstring();
}
