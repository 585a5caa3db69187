#include "link/TransferWorker.h"

TransferWorker::~TransferWorker()
{
    join();
}

bool TransferWorker::start(std::function<TransferResult()> session, std::function<void(const TransferResult&)> done)
{
    if (m_busy) return false;
    join();
    m_busy = true;
    m_thread = std::thread([this, session = std::move(session), done = std::move(done)] {
        TransferResult result = session();
        if (done) done(result);
        m_busy = false;
    });
    return true;
}

void TransferWorker::join()
{
    if (m_thread.joinable()) m_thread.join();
}
