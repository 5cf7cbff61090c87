// Bounds the wait for the update service. The version check and the download
// block the user-interface thread; a service that stops sending must not hold
// the login. A receive timeout is set on every request, but not every internet
// layer honours it (Wine's blocks in a read until the connection ends, and
// closing the handle does not wake it), so the exchange runs on a worker
// thread that the waiting thread gives up once it has made no progress for
// a while, or once it has run longer than its time limit: a service that
// sends a byte now and then is never quiet, yet must not hold the login for
// ever. A worker given up on ends, whenever its call returns, without
// writing anything more.
//
// The waiting thread is the user-interface thread. It looks at its message
// queue while it waits, so that the system never takes its windows for hung
// ("Not responding", a ghost window, an offer to close the program): it
// delivers the messages that other threads and programs send to its windows
// and wait on (broadcasts among them), and leaves everything posted, input
// included, in the queue for the loop that runs after the exchange.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

// What an exchange and its waiter share; outlives whichever ends last.
class ExchangeProgress {
public:
    // A sign of life: a response arrived or a read returned data.
    void Tick() { ++ticks_; }
    unsigned Ticks() const { return ticks_; }

    // How long the exchange may run in all, counted from its start; raised
    // by the exchange once it knows how much is coming.
    void LimitTo(DWORD ms) { limitMs_ = ms; }
    DWORD LimitMs() const { return limitMs_; }

    // Writes one update-log line unless the waiter has given up.
    void Log(const std::wstring& message);
    // Runs step unless the waiter has given up; no line or file is touched
    // by the exchange after GiveUp has returned.
    bool WhileWanted(const std::function<void()>& step);
    void GiveUp();

private:
    // A slim lock of the system rather than std::mutex, whose failure path
    // would bring the runtime library's system-error machinery into the
    // program; it needs no clean-up.
    SRWLOCK lock_ = SRWLOCK_INIT;
    bool givenUp_ = false;
    std::atomic<unsigned> ticks_{0};
    std::atomic<DWORD> limitMs_{INFINITE};
};

// Runs exchange on a worker thread and waits for it. True when it ended;
// false when it went quietMs without a tick or ran past its limit (limitMs
// unless it raised it), after which it is given up.
bool RunWatchedExchange(std::function<void(ExchangeProgress&)> exchange, DWORD quietMs,
                        DWORD limitMs);
