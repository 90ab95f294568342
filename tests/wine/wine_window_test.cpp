// abacone.exe under Wine, in a private X session with a window manager: typed through
// the X server, read from the X clipboard, with the key sequences the Linux program plays.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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
        BeforeStart();
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
    virtual void BeforeStart() {}
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

TEST_F(WineCalculator, DoubleClickedDigitCountsTwice) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    // The "7" key: client box 0, 28, 20, 12.
    session->Mouse({"mousemove", std::to_string(client->Left + 10), std::to_string(client->Top + 34), "click",
                    "--repeat", "2", "--delay", "80", "1"});
    EXPECT_EQ(CopiedAfter("77"), "77");
}

// The keyboard walks the keys row by row from the display and back; the Down arrow presses
// the focused key, and the other bindings keep their meaning wherever the focus is.
TEST_F(WineCalculator, TabWalksTheKeysAndDownPressesTheFocusedOne) {
    Key("Tab Down Tab Down");  // "7", then "8"
    EXPECT_EQ(CopiedAfter("78"), "78");
    // Back over "7" and the display to the last key shown, "←", not a hidden extended row.
    Key("shift+Tab shift+Tab shift+Tab Down");
    EXPECT_EQ(CopiedAfter("7"), "7");
    Type("+5");
    Key("Return");
    EXPECT_EQ(CopiedAfter("12"), "12");
}

// Clicks leave the focus on the display: the window looks as always until Tab is pressed.
TEST_F(WineCalculator, OnlyTheKeyboardMovesTheFocusAndDrawsItsMark) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    const XInspect::Rect seven{client->Left, client->Top + 28, 20, 12};  // the "7" key
    const auto plain = x->Pixels(seven);
    ASSERT_FALSE(plain.empty());
    const auto click = [&](int left, int top) { session->ClickAt(client->Left + left, client->Top + top, 1); };
    click(10, 34);  // "7": Tab still starts from the display
    Key("Tab");
    EXPECT_TRUE(WaitUntil([&] { return x->Pixels(seven) != plain; }, 5s)) << "no focus mark";
    Key("Down");
    EXPECT_EQ(CopiedAfter("77"), "77");
    click(152, 34);  // "Ｃ" hands the focus back to the display, and the mark goes
    EXPECT_TRUE(WaitUntil([&] { return x->Pixels(seven) == plain; }, 5s)) << "the mark stayed";
    Key("Tab Down");
    EXPECT_EQ(CopiedAfter("7"), "7");
}

// The same calculator on a screen of 144 dpi (150%), which Wine reads at start-up.
class WineCalculatorAt150 : public WineCalculator {
protected:
    void BeforeStart() override { SetLogPixels({"add", "/t", "REG_DWORD", "/d", "144"}); }
    void TearDown() override {
        WineCalculator::TearDown();
        if (session && session->Ready()) SetLogPixels({"delete"});
    }
    void SetLogPixels(std::vector<std::string> change) {
        std::vector<std::string> argv{ABACONE_WINE, "reg",      change[0], "HKCU\\Control Panel\\Desktop",
                                      "/v",         "LogPixels"};
        argv.insert(argv.end(), change.begin() + 1, change.end());
        argv.push_back("/f");
        session->Run(argv);
    }
};

TEST_F(WineCalculatorAt150, IsDrawnLargerAndTakesClicksWhereItsKeysAre) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    // 173 x 76 designed pixels, each edge rounded half up.
    EXPECT_EQ(client->Width, 260);
    EXPECT_EQ(client->Height, 114);
    // The "7" key: designed box 0, 28, 20, 12.
    session->Mouse({"mousemove", std::to_string(client->Left + 15), std::to_string(client->Top + 51), "click", "1"});
    EXPECT_EQ(CopiedAfter("7"), "7");
}

// Role, name, value, default action and description of each control of the program's
// shown windows, asked from another process as a Windows screen reader asks, after the
// named keys were pressed through their actions.
struct Told {
    long Role = 0;
    std::string Name, Value, Action, Description;
};
std::vector<Told> ReadAsScreenReader(const XSession& session, std::vector<std::string> keys) {
    keys.insert(keys.begin(), {ABACONE_WINE, ABACONE_READER_EXE});
    int status = -1;
    std::istringstream lines(session.Run(keys, &status));
    EXPECT_EQ(status, 0);
    std::vector<Told> told;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
        f.resize(5);
        told.push_back({std::atol(f[0].c_str()), f[1], f[2], f[3], f[4]});
    }
    return told;
}

TEST_F(WineCalculator, ScreenReadersPressNamedKeysAndReadTheDisplay) {
    constexpr long PushButton = 43;  // ROLE_SYSTEM_PUSHBUTTON
    std::set<std::string> names;
    std::string display;
    for (const Told& t : ReadAsScreenReader(*session, {"7", "プラス", "5", "イコール"})) {
        if (t.Name == "10進数表示") display = t.Value;
        if (t.Role != PushButton) continue;
        EXPECT_FALSE(t.Name.empty()) << t.Description;
        EXPECT_TRUE(names.insert(t.Name).second) << "shared name: " << t.Name;
        EXPECT_EQ(t.Action, "押す") << t.Name;
        EXPECT_NE(t.Description.find("キー: "), std::string::npos) << t.Name;
    }
    EXPECT_EQ(names.size(), 44u);
    EXPECT_EQ(display, "12");

    // The value dialog's system buttons and edit box take their names from the program.
    ReadAsScreenReader(*session, {"XのY乗"});
    std::vector<Told> dialog;
    WaitUntil(
        [&] {
            dialog.clear();
            for (const Told& t : ReadAsScreenReader(*session, {}))
                if (t.Name == "値を入力" || t.Name == "取りやめ" || t.Name.ends_with("X を入力")) dialog.push_back(t);
            return dialog.size() == 3;
        },
        Settle);
    ASSERT_EQ(dialog.size(), 3u);
    for (const Told& t : dialog) {
        if (t.Role != PushButton) continue;
        EXPECT_NE(t.Description.find("キー: "), std::string::npos) << t.Name;
    }
}

TEST_F(WineCalculator, CtrlEndEndsTheProgram) {
    Key("ctrl+End");
    int status = -1;
    EXPECT_TRUE(WaitUntil([&] { return waitpid(program, &status, WNOHANG) == program; }, 10s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace abacone::e2e
