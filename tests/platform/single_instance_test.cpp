// The single-instance rule between real processes: a forked child holds the instance (running
// on, or ending) and this process starts after it.
#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>

namespace {

using namespace std::chrono_literals;
using platform::SingleInstance;

std::string uniqueName(const char* what) {
    return std::string("corvell_test_instance_") + what + "_" + std::to_string(::getpid());
}

// A child that holds the instance of `name` (and says it is ending when `ending`) until told to
// go, and then ends.
class Holder {
  public:
    Holder(const std::string& name, bool ending) {
        int ready[2];
        int go[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(go), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(go[1]);  // so that the parent's close of its end reads as "go"
            SingleInstance instance(name);
            char byte = instance.acquire(0ms) ? 1 : 0;
            if (ending) instance.ending();
            [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
            n = ::read(go[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(go[0]);
        go_ = go[1];
        char byte = 0;
        held_ = ::read(ready[0], &byte, 1) == 1 && byte == 1;
        ::close(ready[0]);
    }
    ~Holder() { end(); }
    bool held() const { return held_; }
    // Tells the child to go (when release() has not) and collects it.
    void end() {
        if (go_ < 0) return;
        ::close(go_);
        go_ = -1;
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    // Tells the child to go; it ends without waiting for anything.
    void release() {
        if (go_ < 0) return;
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(go_, &byte, 1);
    }

  private:
    pid_t pid_ = -1;
    int go_ = -1;
    bool held_ = false;
};

TEST(SingleInstance, AnInstanceIsFreeAgainOnceItsHolderHasEnded) {
    const std::string name = uniqueName("free");
    Holder holder(name, false);
    ASSERT_TRUE(holder.held());
    holder.end();
    SingleInstance later(name);
    EXPECT_TRUE(later.acquire(0ms));
    EXPECT_TRUE(later.held());
}

TEST(SingleInstance, AStartEndsWhileTheHolderRunsOnAndWhileAnEndingOneDoesNotEnd) {
    const struct {
        bool ending;
        std::chrono::milliseconds wait;
        SingleInstance::Refusal refusal;
    } cases[] = {{false, 5000ms, SingleInstance::Refusal::HolderRuns},
                 {true, 50ms, SingleInstance::Refusal::HolderStillEnding}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        const std::string name = uniqueName(c.ending ? "ending" : "running");
        Holder holder(name, c.ending);
        ASSERT_TRUE(holder.held());
        SingleInstance later(name);
        EXPECT_FALSE(later.acquire(c.wait));
        EXPECT_FALSE(later.held());
        EXPECT_EQ(later.refusal(), c.refusal);
    }
}

TEST(SingleInstance, LockFilesThatCannotBeOpenedNeverCountAsAFreeInstance) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/nonexistent/run", 1);
    SingleInstance instance(uniqueName("nolock"));
    if (saved) {
        ::setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
    EXPECT_FALSE(instance.acquire(0ms));
    EXPECT_FALSE(instance.held());
    EXPECT_EQ(instance.refusal(), SingleInstance::Refusal::NoLockFile);
    EXPECT_NE(instance.lockProblem().find("/nonexistent/run/"), std::string::npos)
        << instance.lockProblem();
}

TEST(SingleInstance, AStartWhileTheHolderIsEndingTakesTheInstanceOnceItEnds) {
    const std::string name = uniqueName("handover");
    Holder holder(name, true);
    ASSERT_TRUE(holder.held());
    SingleInstance later(name);
    auto taken = std::async(std::launch::async, [&] { return later.acquire(30000ms); });
    holder.release();
    EXPECT_TRUE(taken.get());
    EXPECT_TRUE(later.held());
}

}  // namespace
