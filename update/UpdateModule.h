// The update pass: trims the update log, asks the platform's update service
// whether a newer executable exists and, when it names one, downloads it and
// hands over to the self-replacement relay.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ExchangeProgress;

namespace fw {
class CException;
class CHttpFile;
class CInternetSession;
} // namespace fw

// Runs one whole pass on the calling thread. Returns when no update was made;
// a completed download whose program starts ends the process.
void RunUpdatePass();

// Deletes the log at logPath when it is larger than the bound; a log that
// cannot be opened is left alone.
void TrimUpdateLog(const std::wstring& logPath);

// One update pass's paths and the service's reply.
class CUpdateModule {
public:
    // What follows a complete download: by default LaunchUpdater, which starts
    // the downloaded file and ends the process.
    using Handover =
        std::function<void(const std::wstring& cacheFile, const std::wstring& installFile)>;
    // The bytes free to this user on the volume of folder; false when unknown.
    using FreeSpaceQuery = std::function<bool(const std::wstring& folder, uint64_t& freeBytes)>;

    // fileName: the cache file's name with its leading separator;
    // dataFolder: the install folder below %APPDATA%, with both separators.
    // Creates %APPDATA%\cache when missing and deletes a stale cache file.
    CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder);
    CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder, Handover handover);
    // The same below the given application-data folder. An empty one (the
    // shell could not name it) leaves both paths empty and touches nothing:
    // the pass then has nowhere to download to.
    CUpdateModule(const std::wstring& fileName, const std::wstring& dataFolder, Handover handover,
                  const std::wstring& appData);

    // Asks the service; true when it named an executable to download, whose
    // address is then Reply().
    bool CheckVersion(const std::wstring& base, const std::wstring& query,
                      const std::wstring& version);
    // The service's reply to CheckAddress(); empty on every failure.
    std::wstring QueryServiceText();
    // Appends the body at url to the cache file; on completion hands over,
    // unless the file is not a program to install (then it is deleted).
    // Does nothing without a cache file.
    void DownloadUpdate(const std::wstring& url);

    // Replaces the system's answer to how much room the cache folder has.
    void SetFreeSpaceQuery(FreeSpaceQuery query) { freeSpace_ = std::move(query); }

    const std::wstring& CheckAddress() const { return checkAddress_; }
    const std::wstring& CacheFile() const { return cacheFile_; }
    const std::wstring& InstallFile() const { return installFile_; }
    const std::wstring& DataFolder() const { return dataFolder_; }
    const std::wstring& Reply() const { return reply_; }

private:
    std::wstring checkAddress_;
    std::wstring cacheFile_;
    std::wstring installFile_;
    std::wstring dataFolder_;
    std::wstring reply_;
    Handover handover_;
    FreeSpaceQuery freeSpace_;
};

// Opens url on session with the connect and receive timeouts of every request
// to the update service, so that a dead host or a stalled answer ends in an
// exception instead of holding the login; null as OpenURL answers it.
std::unique_ptr<fw::CHttpFile> OpenServiceAddress(fw::CInternetSession& session,
                                                  const std::wstring& url);

// Runs one exchange with the update service on a worker thread, bounded by
// kServiceQuietLimitMs without data and, in all, by the time limit of a
// 1 KiB answer, which the exchange raises once it knows how much is coming.
// Internet and file exceptions it raises, and a service that goes quiet or
// runs past its limit, are logged as LogDownloadException does. True when
// the exchange ended by itself.
bool RunServiceExchange(std::function<void(ExchangeProgress&)> exchange);

// Writes "Try Download File Exception" and the exception's text (at most 254
// characters) as two log lines.
void LogDownloadException(const fw::CException& e);
