// The single instance's endpoint names and its handshake, in one process: the later start
// runs on a thread of its own, as a second process would, while the event loop serves it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "shell/platform_choice.h"
#include "shell/single_instance.h"

namespace abacone {
namespace {

TEST(InstanceEndpoint, NamesAreFileNamesPerUserAndDisplay) {
    struct Case {
        unsigned user;
        const char* display;
        const char* name;
    } cases[] = {
        {1000, ":0", "abacone-1000-_0"},
        {1000, ":0.1", "abacone-1000-_0_1"},
        {0, "wayland-0", "abacone-0-wayland-0"},
        {1000, "/tmp/.X11-unix/X3", "abacone-1000-_tmp__X11-unix_X3"},
        {42, "", "abacone-42-"},
    };
    for (const auto& c : cases) EXPECT_EQ(InstanceEndpointName(c.user, c.display), c.name) << c.display;
    EXPECT_NE(InstanceEndpointName(1000, ":0"), InstanceEndpointName(1001, ":0"));
    EXPECT_NE(InstanceEndpointName(1000, ":0"), InstanceEndpointName(1000, ":1"));
}

TEST(PlatformChoice, X11WheneverADisplayIsThereAndNothingWasAskedFor) {
    struct Case {
        const char* requested;
        const char* display;
        const char* chosen;
    } cases[] = {
        {nullptr, ":0", "xcb"}, {"", ":1", "xcb"},          {nullptr, nullptr, ""},
        {nullptr, "", ""},      {"wayland", ":0", ""},      {"offscreen", nullptr, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreferredPlatform(c.requested, c.display), c.chosen)
            << (c.requested ? c.requested : "-") << " " << (c.display ? c.display : "-");
}

TEST(PlatformChoice, OnlyWaylandIsToldAboutMissingFeatures) {
    for (const char* quiet : {"xcb", "offscreen", "windows", ""}) EXPECT_EQ(SessionLimitsNotice(quiet), "") << quiet;
    for (const char* told : {"wayland", "wayland-egl"}) {
        const std::string line = SessionLimitsNotice(told);
        EXPECT_NE(line.find("stay-on-top"), std::string::npos);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "one line";
    }
}

QString UniqueName(const char* what) {
    return QString("abacone-test-%1-%2").arg(what).arg(QCoreApplication::applicationPid());
}

// Runs the later start on a thread and serves events until it has its answer.
bool SummonFromAnotherThread(const QString& name) {
    std::atomic<int> result{-1};
    std::thread later([&] { result = SummonRunningInstance(name) ? 1 : 0; });
    QElapsedTimer clock;
    clock.start();
    while (result < 0 && clock.elapsed() < 15000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    later.join();
    return result == 1;
}

TEST(SingleInstance, ALaterStartSummonsTheRunningOneEachTime) {
    int summoned = 0;
    InstanceServer server([&] { ++summoned; });
    const QString name = UniqueName("live");
    ASSERT_TRUE(server.Listen(name));
    EXPECT_TRUE(SummonFromAnotherThread(name));
    EXPECT_TRUE(SummonFromAnotherThread(name));
    EXPECT_EQ(summoned, 2);

    InstanceServer second(nullptr);
    EXPECT_FALSE(second.Listen(name)) << "a live instance keeps its endpoint";
    EXPECT_TRUE(SummonFromAnotherThread(name));
    EXPECT_EQ(summoned, 3);
}

TEST(SingleInstance, NobodyListeningMeansNoSummon) {
    EXPECT_FALSE(SummonRunningInstance(UniqueName("absent")));
}

TEST(SingleInstance, AStaleEndpointIsTakenOver) {
    // What a killed instance leaves: a socket file that nobody listens on.
    const QString name = UniqueName("stale");
    const std::string path = QDir::temp().filePath(name).toStdString();
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_EQ(access(path.c_str(), F_OK), 0);

    EXPECT_FALSE(SummonRunningInstance(name));
    int summoned = 0;
    InstanceServer server([&] { ++summoned; });
    ASSERT_TRUE(server.Listen(name));
    EXPECT_TRUE(SummonFromAnotherThread(name));
    EXPECT_EQ(summoned, 1);
}

}  // namespace
}  // namespace abacone
