// The first-installation notification against the platform stand-in, over
// real HTTP on 127.0.0.1: the page text on success, and an empty text for an
// error status or an address nobody listens at.
// Winsock's header has to come before anything that pulls in windows.h.
#include <winsock2.h>

#include "login/FirstStartSetup.h"

#include "framework/Strings.h"
#include "tests/support/PlatformSim.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// The version-check page answers whatever the query; every case asks with a
// query of its own so that no answer can come out of the internet cache.
std::wstring PageAddress(const wchar_t* tag) {
    return test::SimBase() + L"/showMiniIndex/getClientVersion.php?first=" + tag;
}

// A port of 127.0.0.1 that was free a moment ago and has no listener now.
int ClosedPort() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return 0;
    int port = 0;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s != INVALID_SOCKET) {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        int size = sizeof(address);
        if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port = ntohs(address.sin_port);
        closesocket(s);
    }
    WSACleanup();
    return port;
}

class FirstStartPing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::SimRunning()) << "run through cmake/with-platform-sim.sh";
    }
    void TearDown() override { Configure("{}"); }

    // Replaced whole, so that the stand-in never reads half a file.
    static void Configure(const std::string& json) {
        std::wstring temp = test::SimState(L"config.tmp");
        test::WriteBytes(temp, json);
        ASSERT_TRUE(MoveFileExW(temp.c_str(), test::SimState(L"config.json").c_str(),
                                MOVEFILE_REPLACE_EXISTING));
    }

    static std::string Requests() { return test::ReadBytes(test::SimState(L"requests.log")); }
};

TEST_F(FirstStartPing, PageTextIsReturnedWhole) {
    // One piece, exactly one and two whole pieces, and a body with a short tail.
    struct Case {
        const wchar_t* tag;
        std::string body;
    } cases[] = {
        {L"short", "installed ok"},
        {L"one", std::string(1024, 'a')},
        {L"two", std::string(2048, 'b')},
        {L"long", std::string(3000, 'c') + "end"},
    };
    for (const Case& c : cases) {
        Configure("{\"version_reply\": \"" + c.body + "\"}");
        std::wstring text = SendFirstStartPing(PageAddress(c.tag));
        EXPECT_EQ(fw::ToWide(c.body), text) << c.tag;
        EXPECT_NE(
            std::string::npos,
            Requests().find("\"GET\", \"path\": \"/showMiniIndex/getClientVersion.php?first=" +
                            fw::ToNarrow(c.tag, CP_UTF8) + "\""))
            << c.tag;
    }
    // A reply far longer than anyone reads is not kept whole.
    Configure("{\"version_reply\": \"" + std::string(4 * kFirstStartAnswerLimit, 'd') + "\"}");
    EXPECT_EQ(kFirstStartAnswerLimit, SendFirstStartPing(PageAddress(L"huge")).size());
}

TEST_F(FirstStartPing, ErrorStatusGivesEmptyText) {
    // The stand-in sends a short error page with each of these; its text
    // must not come back.
    struct Case {
        const wchar_t* tag;
        int status;
    } cases[] = {{L"s400", 400}, {L"s404", 404}, {L"s500", 500}, {L"s503", 503}};
    for (const Case& c : cases) {
        Configure("{\"version_reply\": \"not this\", \"version_status\": " +
                  std::to_string(c.status) + "}");
        EXPECT_EQ(L"", SendFirstStartPing(PageAddress(c.tag))) << c.status;
        EXPECT_NE(std::string::npos, Requests().find(fw::ToNarrow(c.tag, CP_UTF8))) << c.status;
    }
    // A path the stand-in does not know answers 404.
    EXPECT_EQ(L"", SendFirstStartPing(test::SimBase() + L"/first-start/unknown"));
    EXPECT_NE(std::string::npos, Requests().find("/first-start/unknown"));
}

TEST_F(FirstStartPing, UnreachableAddressGivesEmptyText) {
    int port = ClosedPort();
    ASSERT_NE(0, port);
    std::wstring text = L"unset";
    EXPECT_NO_THROW(text = SendFirstStartPing(L"http://127.0.0.1:" + std::to_wstring(port) +
                                              L"/showMiniIndex/getClientVersion.php"));
    EXPECT_EQ(L"", text);
}

} // namespace
