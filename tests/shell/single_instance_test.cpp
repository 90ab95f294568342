// The single instance's endpoint names, its claim and its handshake, in one process: later
// starts run on threads of their own, as other processes would, while the event loop
// serves them. Each start has its own lock, as each process has.
#include "shell/single_instance.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "platform/application.h"
#include "platform/instance_channel.h"
#include "platform/os/instance_lock.h"

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

// The locks go to a runtime folder of the test's own, removed at the end.
const struct ScratchRuntime {
    ScratchRuntime() { setenv("XDG_RUNTIME_DIR", mkdtemp(folder), 1); }
    ~ScratchRuntime() { std::filesystem::remove_all(folder); }
    char folder[40] = "/tmp/abacone-test-runtime-XXXXXX";
} scratchRuntime;

std::string UniqueName(const char* what) {
    return "abacone-test-" + std::string(what) + "-" + std::to_string(getpid());
}

// `count` later starts claim `name` at once; `meanwhile` runs here before this thread serves
// events, as the running calculator's loop does, until every start has its answer.
std::vector<InstanceClaim> LaterStarts(
    const std::string& name, int count, const std::function<void()>& meanwhile = [] {}) {
    std::vector<InstanceClaim> claims(count, InstanceClaim::Claimed);
    std::atomic<int> done{0};
    std::vector<std::thread> starts;
    for (int i = 0; i < count; ++i) {
        starts.emplace_back([&, i] {
            InstanceLock lock;
            claims[i] = ClaimInstance(name, lock, 15000);
            ++done;
        });
    }
    meanwhile();
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (done < count && std::chrono::steady_clock::now() < limit) {
        ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    for (auto& start : starts) start.join();
    return claims;
}

std::vector<InstanceClaim> AllSummoned(int count) { return std::vector(count, InstanceClaim::Summoned); }

TEST(SingleInstance, ALaterStartSummonsTheRunningOneEachTime) {
    const std::string name = UniqueName("live");
    InstanceLock lock;
    ASSERT_EQ(ClaimInstance(name, lock, 0), InstanceClaim::Claimed);
    int summoned = 0;
    const auto channel = MakeInstanceChannel();
    ASSERT_TRUE(ServeInstance(*channel, name, [&] { ++summoned; }));
    EXPECT_EQ(LaterStarts(name, 1), AllSummoned(1));
    EXPECT_EQ(LaterStarts(name, 1), AllSummoned(1)) << "a live instance keeps its endpoint";
    EXPECT_EQ(summoned, 2);
}

TEST(SingleInstance, NobodyListeningMeansNoSummon) { EXPECT_FALSE(SummonRunningInstance(UniqueName("absent"))); }

// The race of starts at the same instant: the first holds the lock while it builds its
// windows and serves nothing yet; the others wait for it instead of becoming calculators.
TEST(SingleInstance, StartsAtOnceWaitForTheOneThatClaimedFirst) {
    const std::string name = UniqueName("starting");
    InstanceLock lock;
    ASSERT_EQ(ClaimInstance(name, lock, 0), InstanceClaim::Claimed);
    InstanceLock other;
    EXPECT_EQ(ClaimInstance(name, other, 0), InstanceClaim::NoAnswer) << "holds the lock, serves nothing yet";
    int summoned = 0;
    const auto channel = MakeInstanceChannel();
    const auto claims = LaterStarts(name, 5, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ASSERT_TRUE(ServeInstance(*channel, name, [&] { ++summoned; }));
    });
    EXPECT_EQ(claims, AllSummoned(5));
    EXPECT_EQ(summoned, 5);
}

TEST(SingleInstance, AStaleEndpointIsTakenOver) {
    // What a killed instance leaves: a socket file that nobody listens on, and no lock.
    const std::string name = UniqueName("stale");
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_EQ(access(path.c_str(), F_OK), 0);

    EXPECT_FALSE(SummonRunningInstance(name));
    InstanceLock lock;
    ASSERT_EQ(ClaimInstance(name, lock, 0), InstanceClaim::Claimed);
    int summoned = 0;
    const auto channel = MakeInstanceChannel();
    ASSERT_TRUE(ServeInstance(*channel, name, [&] { ++summoned; }));
    EXPECT_EQ(LaterStarts(name, 1), AllSummoned(1));
    EXPECT_EQ(summoned, 1);
}

}  // namespace
}  // namespace abacone
