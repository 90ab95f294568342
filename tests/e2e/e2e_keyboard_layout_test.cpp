// The calculator under a real X server with Japanese, German and US keyboard layouts:
// menu shortcuts match the key, typed characters come from the layout.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "tests/e2e/e2e_shell_session.h"
#include "tests/e2e/key_sequences.h"

#ifndef ABACONE_PROGRAM
#define ABACONE_PROGRAM "abacone"
#endif

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    return s;
}

class KeyboardLayout : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!session.Ready()) GTEST_SKIP() << session.Problem();
        int status = 1;
        session.Run({"setxkbmap", "-layout", GetParam()}, &status);
        ASSERT_EQ(status, 0) << "setxkbmap " << GetParam();
        ASSERT_NE(session.Run({"setxkbmap", "-query"}).find(GetParam()), std::string::npos);
        program = session.Spawn({ABACONE_PROGRAM});
        ASSERT_TRUE(WaitUntil([&] { return !Window().empty(); }, 10s)) << "no window";
        session.Run({"xdotool", "windowactivate", "--sync", Window()});
        ASSERT_TRUE(WaitUntil([&] { return Trimmed(session.Run({"xdotool", "getactivewindow"})) == Window(); }, 5s));
    }

    std::string Window() const {
        const std::string ids = session.Run({"xdotool", "search", "--onlyvisible", "--name", "^Abacone$"});
        return ids.substr(0, ids.find('\n'));
    }
    void Type(const std::string& text) { session.Run({"xdotool", "type", "--delay", "20", text}); }
    void Key(const std::string& keys) { session.Run({"xdotool", "key", "--delay", "20", keys}); }
    std::string Clipboard() const { return session.Run({"xclip", "-o", "-selection", "clipboard"}); }
    // Copies the decimal line and waits for the clipboard to show `expected`.
    std::string CopiedAfter(const std::string& expected) {
        Key("ctrl+c");
        std::string seen;
        WaitUntil([&] { return (seen = Clipboard()) == expected; }, 5s);
        return seen;
    }

    XSession session{XSession::Options{.WindowManager = true, .TrayHost = false}};
    pid_t program = -1;
};

TEST_P(KeyboardLayout, SharedKeySequencesGiveTheirCopies) {
    for (const KeySequence& c : SharedKeySequences) {
        Key("Escape");
        Type(c.Typed);
        if (*c.Keys) Key(c.Keys);
        EXPECT_EQ(CopiedAfter(c.Copied), c.Copied) << GetParam() << " " << c.Typed << " " << c.Keys;
    }
}

TEST_P(KeyboardLayout, CtrlEndEndsTheProgram) {
    Key("ctrl+End");
    int status = -1;
    EXPECT_TRUE(WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 5s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLayout, testing::Values("jp", "de", "us"));

}  // namespace
}  // namespace abacone::e2e
