#include "frame/TuningWorker.h"

#include "frame/ThreadPost.h"
#include "link/RadioLink.h"

#include <QApplication>
#include <QEventLoop>

TuningWorker::TuningWorker(std::shared_ptr<CRadioLink> link, QObject* parent)
    : QObject(parent), m_link(std::move(link)), m_post(new ThreadPost(this))
{
}

TuningWorker::~TuningWorker()
{
    m_queue.clear();
    m_worker.join();
    setBusyCursor(false);
}

void TuningWorker::post(Job job, std::function<void()> done)
{
    m_queue.push_back({std::move(job), std::move(done)});
    setBusyCursor(true);
    if (!m_running) startNext();
}

void TuningWorker::startNext()
{
    if (m_queue.empty()) {
        setBusyCursor(false);
        emit becameIdle();
        return;
    }
    Entry next = std::move(m_queue.front());
    m_queue.pop_front();
    m_done = std::move(next.done);
    m_running = true;
    // The thread of the previous job has ended (jobEnded joined it), so the
    // link passes from one job to the next without being shared.
    // The destructor joins the thread first, so the post box outlives it.
    m_worker.start(
        [link = m_link, job = std::move(next.job)] {
            job(*link);
            return TransferResult{};
        },
        [this, post = m_post](const TransferResult&) { post->post([this] { jobEnded(); }); });
}

void TuningWorker::jobEnded()
{
    m_worker.join();
    m_running = false;
    if (auto done = std::move(m_done)) {
        m_done = nullptr;
        done();
    }
    if (!m_running) startNext();
}

void TuningWorker::waitIdle()
{
    if (!busy()) return;
    QEventLoop loop;
    connect(this, &TuningWorker::becameIdle, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TuningWorker::setBusyCursor(bool on)
{
    if (on == m_cursor || !qApp) return;
    m_cursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}
