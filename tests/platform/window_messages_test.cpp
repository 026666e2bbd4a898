#include "platform/window_messages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace {

using namespace platform;

// A window owned by its own thread, which pumps until told to stop.
class PumpedWindow {
  public:
    PumpedWindow() {
        std::promise<WindowHandle> made;
        auto handle = made.get_future();
        thread_ = std::thread([this, &made] {
            MessageQueueWindow window([this](const WindowMessage& m) { received_.push_back(m); });
            made.set_value(window.handle());
            while (!stop_.load()) window.pump(10);
        });
        handle_ = handle.get();
    }
    ~PumpedWindow() { stop(); }
    WindowHandle handle() const { return handle_; }
    // Read once the owner thread has ended.
    std::vector<WindowMessage> stopAndTakeReceived() {
        stop();
        return received_;
    }

  private:
    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

    std::atomic<bool> stop_{false};
    std::thread thread_;
    WindowHandle handle_ = 0;
    std::vector<WindowMessage> received_;
};

TEST(WindowMessages, AnOwnerThreadTakesTheMessageWithItsParameters) {
    PumpedWindow window;
    ASSERT_NE(window.handle(), 0);
    EXPECT_TRUE(isWindow(window.handle()));
    EXPECT_TRUE(sendMessageTimeout(window.handle(), 0x200, 1, 10, 500));
    EXPECT_TRUE(sendMessageTimeout(window.handle(), 0x201, 2, 20, 500));
    const auto received = window.stopAndTakeReceived();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].window, window.handle());
    EXPECT_EQ(received[0].message, 0x200u);
    EXPECT_EQ(received[0].wParam, 1);
    EXPECT_EQ(received[0].lParam, 10);
    EXPECT_EQ(received[1].message, 0x201u);
}

TEST(WindowMessages, UnknownHandlesFailAtOnce) {
    EXPECT_FALSE(sendMessageTimeout(0, 0x200, 1, 10, 500));
    EXPECT_FALSE(sendMessageTimeout(987654, 0x200, 1, 10, 500));
    EXPECT_FALSE(isWindow(987654));
}

TEST(WindowMessages, AMessageNobodyTakesTimesOutAndIsWithdrawn) {
    int delivered = 0;
    MessageQueueWindow window([&](const WindowMessage&) { ++delivered; });
    const WindowHandle handle = window.handle();
    auto sent = std::async(std::launch::async,
                           [handle] { return sendMessageTimeout(handle, 0x200, 1, 10, 50); });
    EXPECT_FALSE(sent.get());
    EXPECT_EQ(window.pump(0), 0);  // it is not delivered late
    EXPECT_EQ(delivered, 0);
}

TEST(WindowMessages, UnregisteringEndsAWaitingSendAndLaterOnes) {
    auto window = std::make_unique<MessageQueueWindow>(
        [](const WindowMessage&) { ADD_FAILURE() << "delivered after unregistering"; });
    const WindowHandle handle = window->handle();
    const auto start = std::chrono::steady_clock::now();
    auto sent = std::async(std::launch::async,
                           [handle] { return sendMessageTimeout(handle, 0x200, 1, 10, 20000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let it start waiting
    window.reset();
    EXPECT_FALSE(sent.get());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_FALSE(isWindow(handle));
    EXPECT_FALSE(sendMessageTimeout(handle, 0x200, 1, 10, 500));
}

TEST(WindowMessages, AnOwnerSendingToItselfIsServedDirectly) {
    std::vector<WindowMessage> got;
    MessageQueueWindow window([&](const WindowMessage& m) { got.push_back(m); });
    EXPECT_TRUE(sendMessageTimeout(window.handle(), 0x200, 1, 10, 500));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].lParam, 10);
}

TEST(WindowMessages, ACallbackOwnerDispatchesOnItsOwnThread) {
    // The shape a toolkit owner takes: the wake-up posts, the owner's loop dispatches.
    std::atomic<int> posted{0};
    std::vector<WindowMessage> got;
    const WindowHandle handle = registerWindow([&](const WindowMessage& m) { got.push_back(m); },
                                               [&] { posted.fetch_add(1); });
    auto sent = std::async(std::launch::async,
                           [handle] { return sendMessageTimeout(handle, 0x200, 1, 10, 5000); });
    while (posted.load() == 0) std::this_thread::yield();
    EXPECT_EQ(dispatchMessages(handle), 1);
    EXPECT_TRUE(sent.get());
    ASSERT_EQ(got.size(), 1u);
    unregisterWindow(handle);
    EXPECT_EQ(dispatchMessages(handle), 0);
}

}  // namespace
