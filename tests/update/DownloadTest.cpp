// The version check and the download against the platform stand-in, over real
// HTTP on 127.0.0.1: the log lines of every outcome, the cache file, and the
// requests the stand-in received.
#include "update/Md5.h"
#include "update/UpdateModule.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "framework/Strings.h"
#include "tests/support/PlatformSim.h"
#include "tests/update/UpdateTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

const wchar_t kQuery[] = L"getClientVersion.php?p=morvane&g=vrk&v=";
using Lines = std::vector<std::wstring>;

class AgainstStandIn : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::SimRunning()) << "run through cmake/with-platform-sim.sh";
        ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res"));
        test::RemoveTree(test::AppDataFolder() + L"\\cache");
        payload_ = MakePayload(5000);
        payloadPath_ = test::SimState(L"new.exe");
        test::WriteBytes(payloadPath_, payload_);
    }
    void TearDown() override {
        Configure("{}");
        test::RemoveTree(GetDataDir());
    }

    static std::string MakePayload(size_t size) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        return bytes;
    }

    // Replaced whole, so that the stand-in never reads half a file.
    static void Configure(const std::string& json) {
        std::wstring temp = test::SimState(L"config.tmp");
        test::WriteBytes(temp, json);
        ASSERT_TRUE(MoveFileExW(temp.c_str(), test::SimState(L"config.json").c_str(),
                                MOVEFILE_REPLACE_EXISTING));
    }

    void ServeDownload(const std::string& extra) {
        std::string file = fw::ToNarrow(payloadPath_, CP_UTF8).substr(2);
        for (char& c : file)
            if (c == '\\')
                c = '/';
        Configure("{\"download_file\": \"" + file + "\"" + extra + "}");
    }

    std::wstring DownloadAddress() const { return test::SimBase() + L"/download/vrk_client.exe"; }

    // The log of a download the service answered with 200, then rest.
    Lines AnsweredDownloadLog(Lines rest) const {
        rest.insert(rest.begin(),
                    {L"ExcuUpdate,URL=" + DownloadAddress(), L"Http QueryInfoStatusCode:200"});
        return rest;
    }

    CUpdateModule MakeModule() {
        return CUpdateModule(L"\\q7vktmp.exe", L"\\morvane\\vrk\\",
                             [this](const std::wstring& cache, const std::wstring& install) {
                                 handovers_.emplace_back(cache, install);
                             });
    }

    std::string payload_;
    std::wstring payloadPath_;
    std::vector<std::pair<std::wstring, std::wstring>> handovers_;
};

TEST_F(AgainstStandIn, RefusalsEndTheCheck) {
    for (const char* reply : {"0", "-1", "12345", "-2 http://127.0.0.1/x.exe"}) {
        test::RemoveTree(UpdateLogPath());
        Configure(std::string("{\"version_reply\": \"") + reply + "\"}");
        CUpdateModule module = MakeModule();
        EXPECT_FALSE(module.CheckVersion(test::SimBase() + L"/showMiniIndex", kQuery, L"1.0.0.1"));
        Lines expected = {L"Http QueryInfoStatusCode:200",
                          L"Server response check version msg:" + fw::ToWide(reply),
                          L"Finish Update.", L"====================="};
        EXPECT_EQ(expected, test::UpdateLogMessages()) << reply;
    }
}

TEST_F(AgainstStandIn, AddressReplyIsKeptAndVersionTravelsUnencoded) {
    Configure("{\"version_reply\": \"{base}/download/vrk_client.exe\"}");
    CUpdateModule module = MakeModule();
    ASSERT_TRUE(module.CheckVersion(test::SimBase() + L"/showMiniIndex", kQuery, L"1, 0, 0, 1"));
    EXPECT_EQ(DownloadAddress(), module.Reply());
    EXPECT_EQ(test::SimBase() + L"/showMiniIndex/" + kQuery + L"1, 0, 0, 1", module.CheckAddress());
    Lines expected = {L"Http QueryInfoStatusCode:200",
                      L"Server response check version msg:" + DownloadAddress()};
    EXPECT_EQ(expected, test::UpdateLogMessages());

    // The address is formed unencoded; the internet layer may still escape
    // the spaces on the wire, as Wine's does.
    std::string requests = test::ReadBytes(test::SimState(L"requests.log"));
    for (size_t at; (at = requests.find("%20")) != std::string::npos;)
        requests.replace(at, 3, " ");
    EXPECT_NE(std::string::npos,
              requests.find("\"/showMiniIndex/getClientVersion.php?p=morvane&g=vrk&v=1, 0, 0, 1\""))
        << requests;
}

TEST_F(AgainstStandIn, ReplyInTheAnsiCodePageIsConverted) {
    // "http://" followed by the two GBK bytes of a Chinese character.
    Configure("{\"version_reply\": \"http://\\u4e2d\", \"version_encoding\": \"gbk\"}");
    CUpdateModule module = MakeModule();
    ASSERT_TRUE(module.CheckVersion(test::SimBase() + L"/showMiniIndex", kQuery, L"1.0.0.1"));
    EXPECT_EQ(fw::ToWide(std::string("http://\xD6\xD0"), CP_THREAD_ACP), module.Reply());
}

TEST_F(AgainstStandIn, ErrorStatusAndOversizedReplyAreRefused) {
    Configure("{\"version_status\": 500}");
    CUpdateModule module = MakeModule();
    EXPECT_FALSE(module.CheckVersion(test::SimBase() + L"/showMiniIndex", kQuery, L"1.0.0.1"));
    Lines expected = {L"Http QueryInfoStatusCode:500", L"Server response check version msg:",
                      L"Finish Update.", L"====================="};
    EXPECT_EQ(expected, test::UpdateLogMessages());

    test::RemoveTree(UpdateLogPath());
    Configure("{\"version_reply\": \"http://127.0.0.1/" + std::string(1100, 'a') + "\"}");
    EXPECT_FALSE(module.CheckVersion(test::SimBase() + L"/showMiniIndex", kQuery, L"1.0.0.1"));
    expected[0] = L"Http QueryInfoStatusCode:200";
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_EQ(L"", module.Reply());
}

TEST_F(AgainstStandIn, UnreachableServiceIsLoggedAsException) {
    CUpdateModule module = MakeModule();
    // Port 1 on the loopback: refused at once.
    EXPECT_FALSE(module.CheckVersion(L"http://127.0.0.1:1/showMiniIndex", kQuery, L"1.0.0.1"));
    Lines messages = test::UpdateLogMessages();
    ASSERT_EQ(5u, messages.size());
    EXPECT_EQ(L"Try Download File Exception", messages[0]);
    EXPECT_FALSE(messages[1].empty());
    EXPECT_EQ(L"Server response check version msg:", messages[2]);
}

TEST_F(AgainstStandIn, NotFoundEndsWithTheStatusLine) {
    Configure("{}");
    CUpdateModule module = MakeModule();
    module.DownloadUpdate(DownloadAddress());
    Lines expected = {L"ExcuUpdate,URL=" + DownloadAddress(), L"Http QueryInfoStatusCode:404"};
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_FALSE(test::FileExists(module.CacheFile()));
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, MissingLengthNeverDownloads) {
    ServeDownload(", \"download_length\": \"none\"");
    CUpdateModule module = MakeModule();
    module.DownloadUpdate(DownloadAddress());
    Lines expected = AnsweredDownloadLog(
        {L"Content length:0", L"ERROR!Before download dwFileSize == dwToatlSize,exit"});
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_EQ("", test::ReadBytes(module.CacheFile()));
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, BodyEndingEarlyOrRunningLongLeavesThePartialFileSilently) {
    ServeDownload(", \"download_cut\": 3000");
    CUpdateModule module = MakeModule();
    module.DownloadUpdate(DownloadAddress());
    Lines expected = AnsweredDownloadLog({L"Content length:5000"});
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_EQ(payload_.substr(0, 3000), test::ReadBytes(module.CacheFile()));
    // A body longer than announced is not read on once it has passed the
    // length. The transport may itself end the body at the announced length;
    // then those 100 bytes are a whole download, refused as no program.
    ServeDownload(", \"download_length\": 100");
    MakeModule().DownloadUpdate(DownloadAddress());
    Lines log = test::UpdateLogMessages();
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(L"Content length:100", log[5]);
    if (log.size() != 6u) {
        ASSERT_EQ(9u, log.size());
        EXPECT_EQ(L"Finish download,file size=100", log[6]);
        EXPECT_EQ(L"ERROR!Download file is not a Windows program,deleted", log[8]);
    }
    EXPECT_GE(1024u, test::ReadBytes(module.CacheFile()).size());
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, WholeBodyIsLoggedAndHandedOver) {
    // Another build than the running one: this program with a byte more.
    payload_ = test::ReadBytes(fw::ModulePath()) + '\0';
    test::WriteBytes(payloadPath_, payload_);
    ServeDownload("");
    CUpdateModule module = MakeModule();
    module.DownloadUpdate(DownloadAddress());
    EXPECT_EQ(payload_, test::ReadBytes(module.CacheFile()));
    std::wstring digest;
    ASSERT_TRUE(FileMd5Hex(payloadPath_, digest));
    std::wstring size = std::to_wstring(payload_.size());
    Lines expected =
        AnsweredDownloadLog({L"Content length:" + size, L"Finish download,file size=" + size,
                             L"Finish download,file md5=" + digest});
    EXPECT_EQ(expected, test::UpdateLogMessages());
    ASSERT_EQ(1u, handovers_.size());
    EXPECT_EQ(module.CacheFile(), handovers_[0].first);
    EXPECT_EQ(module.InstallFile(), handovers_[0].second);
}

TEST_F(AgainstStandIn, DownloadThatIsNoProgramIsDeletedWithItsReason) {
    // This program with its version value's key renamed (last in the file, in its resources).
    std::string running = test::ReadBytes(fw::ModulePath());
    std::string versionless = running;
    versionless[versionless.rfind(std::string("F\0i\0l\0e\0V\0e\0r", 14))] = 'X';
    const wchar_t* notProgram = L"ERROR!Download file is not a Windows program,deleted";
    std::vector<std::pair<std::string, const wchar_t*>> cases = {
        {"<html>503</html>", notProgram},
        {"MZ" + std::string(2046, 'Z'), notProgram},
        {versionless.substr(0, 0x3E), notProgram},
        {versionless, L"ERROR!Download file has no file version,deleted"},
        {running, L"ERROR!Download file is the running program,deleted"}};
    for (const auto& [bytes, reason] : cases) {
        test::RemoveTree(UpdateLogPath());
        test::WriteBytes(payloadPath_, bytes);
        ServeDownload("");
        MakeModule().DownloadUpdate(DownloadAddress());
        Lines log = test::UpdateLogMessages();
        ASSERT_EQ(6u, log.size());
        EXPECT_EQ(reason, log[5]);
        EXPECT_FALSE(test::FileExists(test::AppDataFolder() + L"\\cache\\q7vktmp.exe"));
    }
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, LengthBeyondTheDesignWritesNothing) {
    ServeDownload(", \"download_length\": 3000000000");
    CUpdateModule module = MakeModule();
    module.DownloadUpdate(DownloadAddress());
    Lines expected = AnsweredDownloadLog({L"ERROR!Content length out of range:3000000000,exit"});
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_FALSE(test::FileExists(module.CacheFile()));
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, CacheFileHeldElsewhereStopsBeforeTheTransfer) {
    ServeDownload("");
    CUpdateModule module = MakeModule();
    test::WriteBytes(module.CacheFile(), "");
    {
        fw::UniqueHandle holder(CreateFileW(module.CacheFile().c_str(), GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder.Valid());
        module.DownloadUpdate(DownloadAddress());
    }
    Lines expected = AnsweredDownloadLog({L"Content length:5000"});
    EXPECT_EQ(expected, test::UpdateLogMessages());
    EXPECT_EQ("", test::ReadBytes(module.CacheFile()));
    EXPECT_TRUE(handovers_.empty());
}

TEST_F(AgainstStandIn, DownloadThatWouldLeaveTooLittleRoomWritesNothing) {
    ServeDownload("");
    const uint64_t reserve = 64ull * 1024 * 1024;
    for (uint64_t freeBytes : {reserve + 4999, reserve + 5000}) {
        test::RemoveTree(UpdateLogPath());
        CUpdateModule module = MakeModule();
        std::wstring askedFor;
        module.SetFreeSpaceQuery([&](const std::wstring& folder, uint64_t& bytes) {
            askedFor = folder;
            bytes = freeBytes;
            return true;
        });
        module.DownloadUpdate(DownloadAddress());
        EXPECT_EQ(test::AppDataFolder() + L"\\cache\\", askedFor);
        Lines log = test::UpdateLogMessages();
        ASSERT_LE(4u, log.size());
        // With room for it the body arrives (and is refused as no program).
        EXPECT_EQ(freeBytes < reserve + 5000 ? L"ERROR!Not enough disk space,64 MB free,exit"
                                             : L"Finish download,file size=5000",
                  log[3]);
        EXPECT_FALSE(test::FileExists(module.CacheFile()));
    }
    EXPECT_TRUE(handovers_.empty());
}

} // namespace
