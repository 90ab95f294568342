// abacone.exe under Wine, in a private X session with a window manager: typed through
// the X server, read from the X clipboard, with the key sequences the Linux program plays.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "tests/support/key_sequences.h"
#include "tests/support/x_session.h"

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;
// Wine starts its own helper processes with the first window of a session.
constexpr auto Settle = 20s;

class WineCalculator : public testing::Test {
protected:
    void SetUp() override {
        setenv("WINEPREFIX", ABACONE_WINE_PREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d", 1);
        session = std::make_unique<XSession>(XSession::Options{.TrayHost = false});
        if (!session->Ready()) GTEST_SKIP() << session->Problem();
        x = std::make_unique<XInspect>(session->Display());
        // "p": the normal priority, so a busy machine does not hold the calculator back.
        program = session->Spawn({ABACONE_WINE, ABACONE_EXE, "p"});
        ASSERT_TRUE(WaitUntil([&] { return (window = x->FindClient("Abacone")) != 0; }, Settle)) << "no window";
        ASSERT_TRUE(EnsureActive());
        // Ready once a copy comes through: Wine may still be starting its helpers, and
        // keys typed before the window takes them are lost.
        ASSERT_TRUE(WaitUntil(
            [&] {
                Key("ctrl+c");
                return Clipboard() == "0";
            },
            Settle))
            << Clipboard();
    }
    // Wine does not move the X focus itself: the window manager hands it over.
    bool EnsureActive() {
        return WaitUntil(
            [&] {
                if (x->Active() == window) return true;
                session->Activate(window);
                return x->Active() == window;
            },
            Settle);
    }
    void TearDown() override {
        // Ends every program of the prefix, so the next session starts Wine's anew.
        if (session && session->Ready()) session->Run({ABACONE_WINESERVER, "-k"});
    }

    void Type(const std::string& text) { session->Type(text); }
    void Key(const std::string& keys) { session->Key(keys); }
    std::string Clipboard() { return session->Clipboard(); }
    std::string CopiedAfter(const std::string& expected) {
        Key("ctrl+c");
        std::string seen;
        WaitUntil([&] { return (seen = Clipboard()) == expected; }, 5s);
        return seen;
    }

    std::unique_ptr<XSession> session;
    std::unique_ptr<XInspect> x;
    XInspect::Window window = 0;
    pid_t program = -1;
};

TEST_F(WineCalculator, StartsAsTheCompactStayOnTopWindow) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Width, 173);
    EXPECT_EQ(client->Height, 76);
    EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_ABOVE"));
}

TEST_F(WineCalculator, SharedKeySequencesGiveTheirCopies) {
    for (const KeySequence& c : SharedKeySequences) {
        ASSERT_TRUE(EnsureActive()) << c.Typed << " " << c.Keys;
        Key("Escape");
        Type(c.Typed);
        if (*c.Keys) Key(c.Keys);
        EXPECT_EQ(CopiedAfter(c.Copied), c.Copied) << c.Typed << " " << c.Keys;
    }
}

TEST_F(WineCalculator, PastedJapaneseTextIsCalculated) {
    // As a text editor offers it: full-width digits and plus, the multiplication sign.
    const std::string text = "１２＋３０×２";
    const std::string file = testing::TempDir() + "abacone-wine-clipboard.txt";
    std::ofstream(file, std::ios::binary) << text;
    session->OfferClipboard(file);
    ASSERT_TRUE(WaitUntil([&] { return Clipboard() == text; }, Settle)) << Clipboard();
    Key("ctrl+v");
    EXPECT_EQ(CopiedAfter("84"), "84");
}

TEST_F(WineCalculator, HexadecimalCopyReachesTheXClipboardAndPastesBack) {
    Type("255=");
    Key("ctrl+h");
    std::string seen;
    EXPECT_TRUE(WaitUntil([&] { return (seen = Clipboard()) == "0xFF"; }, 5s)) << seen;
    Key("Escape");
    Key("ctrl+v");
    EXPECT_EQ(CopiedAfter("255"), "255");
}

TEST_F(WineCalculator, DoubleClickedDigitCountsTwice) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    // The "7" key: client box 0, 28, 20, 12.
    session->Mouse({"mousemove", std::to_string(client->Left + 10), std::to_string(client->Top + 34), "click",
                    "--repeat", "2", "--delay", "80", "1"});
    EXPECT_EQ(CopiedAfter("77"), "77");
}

TEST_F(WineCalculator, CtrlEndEndsTheProgram) {
    Key("ctrl+End");
    int status = -1;
    EXPECT_TRUE(WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 10s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace abacone::e2e
