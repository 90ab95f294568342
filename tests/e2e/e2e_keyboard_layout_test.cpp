// The calculator under a real X server with Japanese, German and US keyboard layouts:
// menu shortcuts match the key, typed characters come from the layout.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "tests/support/key_sequences.h"
#include "tests/support/x_session.h"

#ifndef ABACONE_PROGRAM
#define ABACONE_PROGRAM "abacone"
#endif

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;

class KeyboardLayout : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!session.Ready()) GTEST_SKIP() << session.Problem();
        int status = 1;
        session.Run({"setxkbmap", "-layout", GetParam()}, &status);
        ASSERT_EQ(status, 0) << "setxkbmap " << GetParam();
        ASSERT_NE(session.Run({"setxkbmap", "-query"}).find(GetParam()), std::string::npos);
        // Normal priority: at idle priority a loaded machine can hold it back for seconds.
        program = session.Spawn({ABACONE_PROGRAM, "p"});
        XInspect::Window w = 0;
        ASSERT_TRUE(WaitUntil([&] { return (w = x.FindClient("Abacone")) != 0; }, 10s)) << "no window";
        session.Activate(w);
        ASSERT_TRUE(WaitUntil([&] { return x.Active() == w; }, 5s));
    }

    // Copies the decimal line and waits for the clipboard to show `expected`.
    std::string CopiedAfter(const std::string& expected) {
        session.Key("ctrl+c");
        std::string seen;
        WaitUntil([&] { return (seen = session.Clipboard()) == expected; }, 5s);
        return seen;
    }

    XSession session{XSession::Options{.TrayHost = false}};
    XInspect x{session.Display()};
    pid_t program = -1;
};

TEST_P(KeyboardLayout, SharedKeySequencesGiveTheirCopies) {
    for (const KeySequence& c : SharedKeySequences) {
        session.Key("Escape");
        session.Type(c.Typed);
        if (*c.Keys) session.Key(c.Keys);
        EXPECT_EQ(CopiedAfter(c.Copied), c.Copied) << GetParam() << " " << c.Typed << " " << c.Keys;
    }
}

TEST_P(KeyboardLayout, CtrlEndEndsTheProgram) {
    session.Key("ctrl+End");
    int status = -1;
    EXPECT_TRUE(WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 5s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLayout, testing::Values("jp", "de", "us"));

}  // namespace
}  // namespace abacone::e2e
