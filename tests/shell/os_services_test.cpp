#include "platform/os/os_services.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <atomic>
#include <thread>

#include "platform/os/priority.h"

namespace abacone {
namespace {

// Run in a child process, so the test runner keeps its own priority.
TEST(Priority, EveryThreadGoesIdle) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::atomic<int> stage{0};
        int otherNice = -100;
        std::thread other([&] {
            stage = 1;
            while (stage != 2) sched_yield();
            otherNice = getpriority(PRIO_PROCESS, 0);
            stage = 3;
        });
        while (stage != 1) sched_yield();
        LowerProcessPriority();
        stage = 2;
        other.join();
        const bool ok = getpriority(PRIO_PROCESS, 0) == 19 && otherNice == 19 &&
                        sched_getscheduler(0) == SCHED_IDLE;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "nice 19 on both threads, idle class on the caller";
}

TEST(Fallback, NeverMovesWithoutAButtonPressAndSeesNoForeground) {
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    QWidget w;
    w.show();
    OsServices& os = Os();
    EXPECT_FALSE(os.StartMove(&w));
    EXPECT_EQ(os.ForegroundWindow(), 0u);
    EXPECT_FALSE(os.FrameRect(os.ForegroundWindow()).has_value());
    const QPoint before = w.pos();
    os.RaiseAbove(&w, 0);
    os.SetSkipTaskbar(&w, true);
    EXPECT_EQ(w.pos(), before);
}

TEST(Fallback, InstalledServicesReplaceTheSystemOnes) {
    FallbackOs mine;
    SetOs(&mine);
    EXPECT_EQ(&Os(), &mine);
    SetOs(nullptr);
    EXPECT_NE(&Os(), &mine);
}

}  // namespace
}  // namespace abacone
