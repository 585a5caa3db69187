#pragma once
// Hands work from worker threads to the thread this object was made on (the
// window's). Calls run there in the order they were posted.
//
// The hand-over goes through a queue guarded by a std::mutex and a queued
// wake-up that carries no data. Qt's own queued calls would do the same job,
// but their lock lives inside Qt, where a thread checker cannot see it, so
// every capture they carry would look like a race.
#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>

class ThreadPost : public QObject {
    Q_OBJECT
public:
    explicit ThreadPost(QObject* parent = nullptr);
    ~ThreadPost() override;

    // Any thread: runs fn later on this object's thread.
    void post(std::function<void()> fn);

    // Any thread: runs fn on this object's thread and waits for it. Called on
    // that thread, it runs fn at once. Should this object go away before fn
    // ran, the caller gets a default value (a question counts as cancelled).
    template <class Fn>
    auto call(Fn fn) -> decltype(fn());

    // Any thread: how many calls wait for their turn.
    std::size_t waiting() const;

private:
    Q_INVOKABLE void drain();
    bool onOwnThread() const;

    // Tells the waiting caller when the posted call is gone, whether it ran
    // or was dropped unrun.
    struct Done {
        std::mutex mutex;
        std::condition_variable cv;
        bool done = false;
    };
    struct DoneSignal {
        explicit DoneSignal(std::shared_ptr<Done> s) : state(std::move(s)) {}
        DoneSignal(const DoneSignal&) = delete;
        DoneSignal& operator=(const DoneSignal&) = delete;
        ~DoneSignal();
        std::shared_ptr<Done> state;
    };

    mutable std::mutex m_mutex;
    std::deque<std::function<void()>> m_queue;
    bool m_wakePending = false;
};

template <class Fn>
auto ThreadPost::call(Fn fn) -> decltype(fn())
{
    using Result = decltype(fn());
    if (onOwnThread()) return fn();
    auto state = std::make_shared<Done>();
    std::conditional_t<std::is_void_v<Result>, int, Result> result{};
    {
        auto signal = std::make_shared<DoneSignal>(state);
        post([&fn, &result, signal] {
            if constexpr (std::is_void_v<Result>) fn();
            else result = fn();
        });
    }
    std::unique_lock lock(state->mutex);
    state->cv.wait(lock, [&] { return state->done; });
    if constexpr (!std::is_void_v<Result>) return result;
}
