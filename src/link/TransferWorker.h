#pragma once
// Runs one radio session on a thread of its own and hands its result to a
// callback on that thread when it ends. The front end marshals the
// callbacks onto its own thread where it needs to (a queued signal in the
// desktop program).
#include "link/TransferResult.h"

#include <atomic>
#include <functional>
#include <thread>

class TransferWorker {
public:
    TransferWorker() = default;
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // False when a session is still running: one transfer at a time.
    bool start(std::function<TransferResult()> session, std::function<void(const TransferResult&)> done);
    bool running() const { return m_busy; }
    // Waits for the session to end.
    void join();

private:
    std::thread m_thread;
    std::atomic<bool> m_busy{false};
};
