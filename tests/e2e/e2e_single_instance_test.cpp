// Starting the calculator again while it runs: the running one comes forward, the new
// process ends with 0, starts at the same instant give one calculator, and a calculator
// killed outright does not block the next start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/x_session.h"

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;
using Window = XInspect::Window;
constexpr auto Settle = 15s;

class SecondStart : public testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<XSession>(XSession::Options{});
        if (!session->Ready()) GTEST_SKIP() << session->Problem();
        x = std::make_unique<XInspect>(session->Display());
    }
    // The first calculator; "p" keeps it at normal priority on a busy machine.
    pid_t StartFirst(const std::string& letters = "p") {
        const pid_t pid = session->Spawn({ABACONE_PROGRAM, letters});
        EXPECT_TRUE(WaitUntil([&] { return x->Embedded("abacone") != 0; }, Settle)) << "tray icon";
        return pid;
    }
    // A later start as a desktop shortcut makes it: no platform named, only the display.
    int StartAgain() {
        int status = -1;
        session->Run({"env", "-u", "QT_QPA_PLATFORM", ABACONE_PROGRAM, "p"}, &status);
        return status;
    }
    Window Main() {
        Window w = 0;
        WaitUntil([&] { return (w = x->FindClient("Abacone")) != 0; }, Settle);
        return w;
    }
    bool OneWindowOneIcon() { return x->ClientsOf("abacone").size() == 1 && x->EmbeddedCount("abacone") == 1; }

    std::unique_ptr<XSession> session;
    std::unique_ptr<XInspect> x;
};

TEST_F(SecondStart, GivesOneWindowAndOneTrayIcon) {
    StartFirst();
    const Window w = Main();
    ASSERT_NE(w, 0u);
    EXPECT_EQ(StartAgain(), 0);
    EXPECT_EQ(StartAgain(), 0);
    EXPECT_TRUE(OneWindowOneIcon()) << x->ClientsOf("abacone").size() << " windows, " << x->EmbeddedCount("abacone")
                                    << " icons";
    EXPECT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
}

TEST_F(SecondStart, RestoresAMinimisedCalculatorAndShowsAHiddenStart) {
    struct Case {
        const char* letters;
        const char* keys;  // what makes it go away; none for a hidden start
    } cases[] = {{"p", "ctrl+q"}, {"hp", nullptr}};
    for (const auto& c : cases) {
        SetUp();
        StartFirst(c.letters);
        if (c.keys) {
            const Window w = Main();
            ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
            session->Key(c.keys);
            ASSERT_TRUE(WaitUntil([&] { return x->Iconic(w); }, Settle));
        } else {
            EXPECT_EQ(x->FindClient("Abacone"), 0u) << "hidden";
        }
        EXPECT_EQ(StartAgain(), 0) << c.letters;
        const Window w = Main();
        ASSERT_NE(w, 0u) << c.letters;
        EXPECT_TRUE(WaitUntil([&] { return !x->Iconic(w) && x->Active() == w; }, Settle)) << c.letters;
        EXPECT_TRUE(OneWindowOneIcon()) << c.letters;
    }
}

// As an autostart entry and a launcher, or a script, can start it: ten at once.
TEST_F(SecondStart, TenStartsAtOnceGiveOneCalculator) {
    std::vector<pid_t> starts;
    for (int i = 0; i < 10; ++i) starts.push_back(session->Spawn({ABACONE_PROGRAM, "p"}));
    // The exit codes of the starts that ended, looked at without reaping them: the session
    // still ends the one that runs on, and reaps them all.
    const auto exits = [&] {
        std::vector<int> codes;
        for (const pid_t pid : starts) {
            siginfo_t info{};
            if (waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
                codes.push_back(info.si_code == CLD_EXITED ? info.si_status : -1);
        }
        return codes;
    };
    EXPECT_TRUE(WaitUntil([&] { return exits().size() >= 9; }, 60s)) << exits().size() << " of 10 starts ended";
    EXPECT_EQ(exits(), std::vector<int>(9, 0));
    ASSERT_NE(Main(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return OneWindowOneIcon(); }, Settle))
        << x->ClientsOf("abacone").size() << " windows, " << x->EmbeddedCount("abacone") << " icons";
}

TEST_F(SecondStart, AfterTheFirstWasKilledANewStartWorks) {
    const pid_t first = StartFirst();
    ASSERT_NE(Main(), 0u);
    kill(first, SIGKILL);
    session->Kill(first);  // reaps it
    ASSERT_TRUE(WaitUntil([&] { return x->FindClient("Abacone") == 0; }, Settle));
    StartFirst();
    const Window w = Main();
    ASSERT_NE(w, 0u) << "the endpoint it left behind is taken over";
    EXPECT_EQ(StartAgain(), 0);
    EXPECT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    EXPECT_TRUE(OneWindowOneIcon());
}

}  // namespace
}  // namespace abacone::e2e
