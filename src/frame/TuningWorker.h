#pragma once
// Runs the radio work of the tuning screens off the window thread: jobs on
// the link the Adjustment command opened, one at a time and in the order
// they were posted, so the commands reach the radio in the order the user
// gave them. Each job's end reaches its callback on the window thread.
// While jobs are waiting or running the busy cursor shows.
#include "link/TransferWorker.h"

#include <QObject>
#include <deque>
#include <functional>
#include <memory>

class CRadioLink;
class ThreadPost;

class TuningWorker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(CRadioLink&)>;

    explicit TuningWorker(std::shared_ptr<CRadioLink> link, QObject* parent = nullptr);
    // Waits for the job that is running; waiting jobs are dropped.
    ~TuningWorker() override;

    void post(Job job, std::function<void()> done = {});
    bool busy() const { return m_running || !m_queue.empty(); }
    // Keeps the window responsive until every posted job has ended.
    void waitIdle();

signals:
    void becameIdle();

private:
    void startNext();
    void jobEnded();
    void setBusyCursor(bool on);

    struct Entry {
        Job job;
        std::function<void()> done;
    };
    std::shared_ptr<CRadioLink> m_link;
    ThreadPost* m_post;
    TransferWorker m_worker;
    std::deque<Entry> m_queue;
    std::function<void()> m_done;
    bool m_running = false;
    bool m_cursor = false;
};
