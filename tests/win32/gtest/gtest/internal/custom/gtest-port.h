// GoogleTest's own hook for a platform's settings (found before the one in its sources),
// for Debian's MinGW-w64 compiler: its threads model is win32, so it has no std::mutex,
// which gtest's Notification alone is written with; gtest otherwise keeps to Win32
// primitives of its own. This Notification waits on an atomic flag instead.
#pragma once

#include <atomic>
#include <thread>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true, std::memory_order_release); }
    void WaitForNotification() {
        while (!notified_.load(std::memory_order_acquire)) std::this_thread::yield();
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
