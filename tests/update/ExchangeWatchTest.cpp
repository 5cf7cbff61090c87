// The bound on waiting for the update service: an exchange that goes quiet is
// given up and writes nothing afterwards; one that keeps ticking is waited for
// until its time limit.
#include "update/ExchangeWatch.h"

#include "app/Settings.h"
#include "framework/Handles.h"
#include "tests/update/UpdateTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

TEST(ExchangeWatch, QuietExchangeIsGivenUpAndTickingOneWaitedFor) {
    ASSERT_TRUE(test::MakeDirectories(GetDataDir() + L"res"));
    auto release = std::make_shared<fw::UniqueHandle>(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto ended = std::make_shared<std::atomic<bool>>(false);
    EXPECT_FALSE(RunWatchedExchange(
        [release, ended](ExchangeProgress& progress) {
            progress.Log(L"before the stall");
            WaitForSingleObject(release->Get(), INFINITE);
            progress.Log(L"after the stall");
            *ended = true;
        },
        300, INFINITE));
    SetEvent(release->Get());
    for (int i = 0; i < 50 && !*ended; ++i)
        Sleep(100);
    EXPECT_TRUE(*ended);
    EXPECT_EQ(std::vector<std::wstring>{L"before the stall"}, test::UpdateLogMessages());

    auto tickFor = [](int steps) {
        return [steps](ExchangeProgress& progress) {
            for (int i = 0; i < steps; ++i, progress.Tick())
                Sleep(100);
        };
    };
    EXPECT_TRUE(RunWatchedExchange(tickFor(8), 300, INFINITE));
    // Ticking is no licence to run on: past its limit, which it may raise,
    // the exchange is given up.
    EXPECT_FALSE(RunWatchedExchange(tickFor(8), 300, 500));
    EXPECT_TRUE(RunWatchedExchange(
        [&](ExchangeProgress& progress) {
            progress.LimitTo(2000);
            tickFor(8)(progress);
        },
        300, 500));
    test::RemoveTree(GetDataDir());
}

} // namespace
