#include "frame/ThreadPost.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <atomic>
#include <thread>
#include <vector>

namespace {

template <class Pred>
bool pumpUntil(Pred done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace

TEST(ThreadPost, CallsFromSeveralThreadsRunOnTheOwnThreadInTheirOrder)
{
    ThreadPost post;
    const auto own = std::this_thread::get_id();
    std::vector<std::vector<int>> seen(3);
    std::atomic<int> ran{0};
    bool elsewhere = false;
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < 200; ++i)
                post.post([&, w, i] {
                    if (std::this_thread::get_id() != own) elsewhere = true;
                    seen[w].push_back(i);
                    ++ran;
                });
        });
    for (auto& t : workers) t.join();
    ASSERT_TRUE(pumpUntil([&] { return ran == 600; }));
    EXPECT_FALSE(elsewhere);
    for (const auto& s : seen) {
        ASSERT_EQ(s.size(), 200u);
        for (int i = 0; i < 200; ++i) EXPECT_EQ(s[i], i);
    }
}

TEST(ThreadPost, CallWaitsForTheResultAndRunsAtOnceOnItsOwnThread)
{
    ThreadPost post;
    EXPECT_EQ(post.call([] { return 7; }), 7);  // own thread: no event loop needed

    std::atomic<int> result{0};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        int step = 0;
        post.call([&] { step = 1; });  // void calls wait too
        result = post.call([&] { return step + 41; });
        finished = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return finished.load(); }));
    worker.join();
    EXPECT_EQ(result, 42);
}

TEST(ThreadPost, ACallStillQueuedWhenTheBoxGoesAwayReturnsTheDefault)
{
    auto post = std::make_unique<ThreadPost>();
    ThreadPost* box = post.get();
    std::optional<std::string> answer = "unset";
    bool ran = false;
    std::thread worker([&] {
        answer = box->call([&]() -> std::optional<std::string> {
            ran = true;
            return "typed";
        });
    });
    // The worker is waiting; the window closes without running its events.
    while (post->waiting() == 0) std::this_thread::yield();
    post.reset();
    worker.join();
    EXPECT_FALSE(ran);
    EXPECT_EQ(answer, std::nullopt);
}

TEST(ThreadPost, ACallThatRunsANestedLoopKeepsTheRestInOrder)
{
    ThreadPost post;
    std::vector<int> order;
    post.post([&] {
        order.push_back(1);
        // A dialog opened here runs its own loop, which drains further calls.
        QEventLoop inner;
        post.post([&] { order.push_back(3); inner.quit(); });
        inner.exec();
        order.push_back(4);
    });
    post.post([&] { order.push_back(2); });
    ASSERT_TRUE(pumpUntil([&] { return order.size() == 4; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST(ThreadPost, ACallMayDestroyTheBox)
{
    auto* post = new ThreadPost;
    int after = 0;
    post->post([&] { delete post; });
    post->post([&] { ++after; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(after, 0);  // the box is gone, and with it what it still held
}
