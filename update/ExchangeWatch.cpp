#include "update/ExchangeWatch.h"

#include "framework/Handles.h"
#include "update/UpdateLog.h"

namespace {

const DWORD kPollMs = 100;

// Holds the lock exclusively for the life of the object.
class ExclusiveHold {
public:
    explicit ExclusiveHold(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;
    ~ExclusiveHold() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK& lock_;
};

// Delivers what other threads and programs have sent to this thread's
// windows, and counts, for the system, as a look at the queue: a thread that
// has not looked for five seconds makes its windows "Not responding". Posted
// messages and input stay queued, so no click or key reaches the windows and
// nothing of theirs runs but what a sender waits for.
void AnswerSentMessages() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

struct Worker {
    std::function<void(ExchangeProgress&)> exchange;
    std::shared_ptr<ExchangeProgress> progress;
};

DWORD WINAPI RunWorker(void* parameter) {
    std::unique_ptr<Worker> worker(static_cast<Worker*>(parameter));
    // Nothing may escape a thread entry; the exchange logs its own failures.
    try {
        worker->exchange(*worker->progress);
    } catch (...) {
    }
    return 0;
}

} // namespace

void ExchangeProgress::Log(const std::wstring& message) {
    WhileWanted([&] { WriteUpdateLog(message); });
}

bool ExchangeProgress::WhileWanted(const std::function<void()>& step) {
    ExclusiveHold hold(lock_);
    if (givenUp_)
        return false;
    step();
    return true;
}

void ExchangeProgress::GiveUp() {
    ExclusiveHold hold(lock_);
    givenUp_ = true;
}

bool RunWatchedExchange(std::function<void(ExchangeProgress&)> exchange, DWORD quietMs,
                        DWORD limitMs) {
    auto progress = std::make_shared<ExchangeProgress>();
    progress->LimitTo(limitMs);
    auto* worker = new Worker{std::move(exchange), progress};
    fw::UniqueHandle thread(CreateThread(nullptr, 0, RunWorker, worker, 0, nullptr));
    if (!thread) {
        // No thread to spare: the exchange runs here, unbounded.
        RunWorker(worker);
        return true;
    }
    HANDLE handle = thread.Get();
    unsigned seen = progress->Ticks();
    DWORD started = GetTickCount();
    DWORD quietSince = started;
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, kPollMs, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        AnswerSentMessages();
        DWORD now = GetTickCount();
        if (progress->Ticks() != seen) {
            seen = progress->Ticks();
            quietSince = now;
        }
        if (now - quietSince >= quietMs || now - started >= progress->LimitMs()) {
            progress->GiveUp();
            return false;
        }
    }
    return true;
}
