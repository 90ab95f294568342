// The calculator started in a Wayland desktop: with XWayland it is an X11 client, so
// placement and every mode work; without an X display it runs natively, says once what
// the session does not allow, and stays up.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/support/wayland_session.h"

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;
constexpr auto Settle = 30s;

TEST(WaylandSession, WithXWaylandTheWindowIsAnX11Client) {
    WaylandSession session;
    if (!session.Ready()) GTEST_SKIP() << session.Problem();
    const pid_t pid = session.Spawn({ABACONE_PROGRAM, "p"}, true);
    ASSERT_GT(pid, 0);
    std::string tree;
    const bool found = WaitUntil(
        [&] {
            // XWayland's window manager is weston's own; the X server's tree shows the client.
            tree = RunProcess({"xwininfo", "-display", session.XDisplay(), "-root", "-tree"});
            return tree.find("\"Abacone\"") != std::string::npos;
        },
        Settle);
    EXPECT_TRUE(found) << tree;
    EXPECT_TRUE(session.Running(pid));
    EXPECT_EQ(session.ErrorOutput(pid).find("Wayland session"), std::string::npos) << session.ErrorOutput(pid);
}

TEST(WaylandSession, WithoutAnXDisplayItRunsNativelyAndSaysWhatIsMissing) {
    WaylandSession session;
    if (!session.Ready()) GTEST_SKIP() << session.Problem();
    const pid_t pid = session.Spawn({ABACONE_PROGRAM, "p"}, false);
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(WaitUntil([&] { return session.ErrorOutput(pid).find("stay-on-top") != std::string::npos; }, Settle))
        << session.ErrorOutput(pid);
    EXPECT_TRUE(session.Running(pid)) << "the window stays up";
}

}  // namespace
}  // namespace abacone::e2e
