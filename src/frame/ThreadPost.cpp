#include "frame/ThreadPost.h"

#include <QThread>

ThreadPost::ThreadPost(QObject* parent) : QObject(parent) {}

ThreadPost::~ThreadPost()
{
    // Dropping what never ran releases callers still waiting in call().
    std::deque<std::function<void()>> rest;
    {
        std::lock_guard lock(m_mutex);
        rest.swap(m_queue);
    }
}

ThreadPost::DoneSignal::~DoneSignal()
{
    if (!state) return;
    {
        std::lock_guard lock(state->mutex);
        state->done = true;
    }
    state->cv.notify_all();
}

bool ThreadPost::onOwnThread() const { return QThread::currentThread() == thread(); }

std::size_t ThreadPost::waiting() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.size();
}

void ThreadPost::post(std::function<void()> fn)
{
    // The wake-up is sent under the lock, so the destructor (which takes it)
    // cannot run while a worker is still between its push and its wake-up.
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(fn));
    if (!m_wakePending) QMetaObject::invokeMethod(this, "drain", Qt::QueuedConnection);
    m_wakePending = true;
}

void ThreadPost::drain()
{
    // One call per wake-up, and the next wake-up is queued before the call
    // runs: a call that opens a dialog runs a nested event loop, which then
    // goes on with the rest in order. A call may also close the window that
    // owns this object, so nothing here touches it after the call.
    std::function<void()> fn;
    bool more = false;
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.empty()) {
            m_wakePending = false;
            return;
        }
        fn = std::move(m_queue.front());
        m_queue.pop_front();
        more = !m_queue.empty();
        m_wakePending = more;
    }
    if (more) QMetaObject::invokeMethod(this, "drain", Qt::QueuedConnection);
    fn();
}
