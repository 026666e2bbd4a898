#include "link/link_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "tests/link/link_fixture.h"

namespace {

// Counts its turns; each turn pauses as a real one does.
class PausingThread : public quillon::LinkThread {
  public:
    explicit PausingThread(uint32_t pauseMs) : pauseMs_(pauseMs) {}
    ~PausingThread() override { Stop(); }
    std::atomic<int> turns{0};
    std::atomic<int> threadsSeen{0};

  protected:
    void Run() override {
        threadsSeen.fetch_add(1);
        LinkThread::Run();
    }
    void Turn() override {
        turns.fetch_add(1);
        Pause(pauseMs_);
    }

  private:
    uint32_t pauseMs_;
};

TEST(LinkThread, StartRunsTurnsUntilStopAndAStartWhileRunningDoesNothing) {
    PausingThread thread(1);
    EXPECT_FALSE(thread.HasThread());
    thread.Stop();  // no thread: nothing
    thread.Start();
    thread.Start();
    EXPECT_TRUE(thread.HasThread());
    EXPECT_TRUE(thread.IsRunning());
    ASSERT_TRUE(link_test::waitFor([&] { return thread.turns.load() >= 3; }));
    thread.Stop();
    EXPECT_FALSE(thread.HasThread());
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.threadsSeen.load(), 1);
    const int turns = thread.turns.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(thread.turns.load(), turns);  // no turn after the stop
}

TEST(LinkThread, StopWakesAPausingTurnInsteadOfWaitingItOut) {
    PausingThread thread(60000);
    thread.Start();
    ASSERT_TRUE(link_test::waitFor([&] { return thread.turns.load() == 1; }));
    const auto start = std::chrono::steady_clock::now();
    thread.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(thread.turns.load(), 1);
}

TEST(LinkThread, CanBeStartedAgainAfterAStopAndIsStoppedByItsDestruction) {
    auto thread = std::make_unique<PausingThread>(1);
    thread->Start();
    thread->Stop();
    thread->Start();
    EXPECT_TRUE(thread->HasThread());
    ASSERT_TRUE(link_test::waitFor([&] { return thread->threadsSeen.load() == 2; }));
    thread.reset();  // joins; a leaked thread would be reported by the sanitizers
}

}  // namespace
