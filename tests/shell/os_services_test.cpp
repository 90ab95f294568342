#include "platform/os/os_services.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/os/instance_lock.h"
#include "platform/os/priority.h"
#include "platform/qt/qt_window.h"

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
        const bool ok = getpriority(PRIO_PROCESS, 0) == 19 && otherNice == 19 && sched_getscheduler(0) == SCHED_IDLE;
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
    EXPECT_FALSE(os.StartMove(ToTop(&w)));
    EXPECT_EQ(os.ForegroundWindow(), 0u);
    EXPECT_FALSE(os.FrameRect(os.ForegroundWindow()).has_value());
    const QPoint before = w.pos();
    os.RaiseAbove(ToTop(&w), 0);
    os.SetSkipTaskbar(ToTop(&w), true);
    EXPECT_EQ(w.pos(), before);
}

TEST(Fallback, InstalledServicesReplaceTheSystemOnes) {
    FallbackOs mine;
    SetOs(&mine);
    EXPECT_EQ(&Os(), &mine);
    SetOs(nullptr);
    EXPECT_NE(&Os(), &mine);
}

using Lock = InstanceLock::Result;

// A runtime folder of the test's own, so it neither meets nor leaves files in the user's.
struct ScratchRuntime {
    ScratchRuntime() {
        if (const char* runtime = getenv("XDG_RUNTIME_DIR")) saved = runtime;
        folder = mkdtemp(pattern);
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
    ~ScratchRuntime() {
        std::filesystem::remove_all(folder);
        if (saved.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    }
    char pattern[40] = "/tmp/abacone-test-runtime-XXXXXX";
    std::string folder, saved;
};

TEST(InstanceLock, OneHolderUntilItLetsGo) {
    ScratchRuntime runtime;
    InstanceLock first, second;
    EXPECT_EQ(first.TryTake("one"), Lock::Taken);
    EXPECT_EQ(second.TryTake("one"), Lock::Held);
    EXPECT_EQ(access((runtime.folder + "/one").c_str(), F_OK), 0);
    first.Release();  // as the end of its process does
    EXPECT_EQ(second.TryTake("one"), Lock::Taken);
}

// Without a runtime folder, a folder in /tmp that only the user can enter; one that others
// could write to is refused rather than trusted.
TEST(InstanceLock, WithoutARuntimeFolderAPrivateOneInTmp) {
    ScratchRuntime runtime;
    unsetenv("XDG_RUNTIME_DIR");
    const std::string name = "abacone-test-lock-" + std::to_string(getpid());
    const std::string own = "/tmp/abacone-" + std::to_string(getuid());
    InstanceLock lock;
    EXPECT_EQ(lock.TryTake(name), Lock::Taken);
    struct stat st {};
    ASSERT_EQ(stat(own.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(unlink((own + "/" + name).c_str()), 0);
    chmod(own.c_str(), 0777);
    EXPECT_EQ(lock.TryTake(name), Lock::Unavailable);
    chmod(own.c_str(), 0700);
}

}  // namespace
}  // namespace abacone
