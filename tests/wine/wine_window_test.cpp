// abacone.exe under Wine, in a private X session with a window manager and a panel with a
// notification area: typed through the X server, read from the X clipboard, with the key
// sequences the Linux program plays and the Linux tests' helpers.
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

#include "tests/e2e/e2e_calculator.h"
#include "tests/support/key_sequences.h"
#include "tests/support/x_session.h"

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;
// How far Wine's idea of a window's frame (the Windows metrics) and the window manager's
// frame may be apart at an edge.
constexpr int FrameSlack = 4;

class WineCalculator : public Calculator {
protected:
    // The harness starts abacone.exe and waits for its icon first: docking it takes the
    // activation away for a moment.
    void SetUp() override {
        Launch();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(WaitUntil([&] { return (window = x->FindClient("Abacone")) != 0; }, Settle)) << "no window";
        ASSERT_TRUE(ActivatedByWindowManager(window)) << Clipboard();
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
    void Type(const std::string& text) { session->Type(text); }
    void Key(const std::string& keys) { session->Key(keys); }
    std::string Clipboard() { return session->Clipboard(); }
    std::string CopiedAfter(const std::string& expected) {
        Key("ctrl+c");
        std::string seen;
        WaitUntil([&] { return (seen = Clipboard()) == expected; }, 5s);
        return seen;
    }

    // Minimised by the calculator's own command, out of the taskbar's sight.
    void Minimise() {
        ASSERT_TRUE(EnsureActive());
        Key("ctrl+q");
        ASSERT_TRUE(WaitUntil([&] { return x->Iconic(window); }, Settle));
        EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
    }
    // Back on screen and, by the program's own view, active: at its working height.
    testing::AssertionResult BackInUse(int height = 76) {
        if (WaitUntil([&] { return !x->Iconic(window) && ClientHeight(window) == height; }, Settle))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "iconic " << x->Iconic(window) << ", height " << ClientHeight(window)
                                           << ", X active " << x->Active() << " (calculator " << window << ")";
    }

    XInspect::Window window = 0;
};

TEST_F(WineCalculator, StartsAtTheBottomRightAsTheCompactStayOnTopWindow) {
    const auto client = x->Client(window);
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Width, 173);
    EXPECT_EQ(client->Height, 76);
    EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_SKIP_TASKBAR")) << "no taskbar button";
    // Wine places the window by the Windows frame metrics, not by the window manager's
    // thinner frame: the edges are a few pixels from where the Linux program's are.
    const auto frame = x->Frame(window);
    ASSERT_TRUE(frame);
    EXPECT_NEAR(ScreenW - (frame->Left + frame->Width), 16, FrameSlack);
    EXPECT_NEAR(ScreenH - (frame->Top + frame->Height), 33 + (client->Left - frame->Left), FrameSlack);

    Key("ctrl+t");
    EXPECT_TRUE(WaitUntil([&] { return !x->HasState(window, "_NET_WM_STATE_ABOVE"); }, Settle));
    Key("ctrl+t");
    EXPECT_TRUE(WaitUntil([&] { return x->HasState(window, "_NET_WM_STATE_ABOVE"); }, Settle));
    EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
}

TEST_F(WineCalculator, WorkingHeightWhileActiveDisplayLinesWhileAnotherProgramIs) {
    const Window other = StartOtherProgram();
    ASSERT_NE(other, 0u);
    // The extended keypad's height comes back with each activation until it is switched off.
    for (const auto& [keys, height] : {std::pair{"", 76}, {"ctrl+e", 186}, {"", 186}, {"ctrl+e", 76}}) {
        ASSERT_TRUE(EnsureActive());
        if (*keys) Key(keys);
        EXPECT_TRUE(WaitUntil([&] { return ClientHeight(window) == height; }, Settle)) << keys << " " << height;
        session->Activate(other);
        EXPECT_TRUE(WaitUntil([&] { return ClientHeight(window) == 28; }, Settle)) << keys << " " << height;
    }
}

TEST_F(WineCalculator, AttachModeSitsOnTheForegroundWindowsCorner) {
    // Another Windows program: Wine calls an X window of another kind the desktop.
    session->Spawn({ABACONE_WINE, "notepad"});
    Window other = 0;
    // Once it has taken the activation, so that it takes no keys meant for the calculator.
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto all = x->ClientsOf("notepad.exe");
            other = all.empty() ? 0 : all[0];
            return other && x->Active() == other;
        },
        Settle));
    ASSERT_TRUE(EnsureActive());
    Key("ctrl+alt+a");
    session->Activate(other);
    const auto corner = x->Frame(other);
    ASSERT_TRUE(corner);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto f = x->Frame(window);
            return f && std::abs(f->Left - corner->Left) <= FrameSlack && std::abs(f->Top - corner->Top) <= FrameSlack;
        },
        AttachLimit));
    EXPECT_EQ(x->Active(), other) << "the other window keeps the activation";
    EXPECT_EQ(ClientHeight(window), 28);

    ASSERT_TRUE(EnsureActive());
    Key("ctrl+alt+a");  // off: back to the bottom right
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto f = x->Frame(window);
            return f && std::abs(ScreenW - (f->Left + f->Width) - 16) <= FrameSlack &&
                   std::abs(ScreenH - (f->Top + f->Height) - 32) <= FrameSlack;
        },
        Settle));
}

TEST_F(WineCalculator, CaptionOffAndOnKeepsTheOuterTopLeftCorner) {
    const auto start = x->Frame(window);
    ASSERT_TRUE(start);
    for (bool on : {false, true}) {
        ASSERT_TRUE(EnsureActive());
        Key("shift+ctrl+F1");
        EXPECT_TRUE(WaitUntil(
            [&] {
                const auto f = x->Frame(window), c = x->Client(window);
                return f && c && std::abs(f->Left - start->Left) <= FrameSlack &&
                       std::abs(f->Top - start->Top) <= FrameSlack && (c->Top > f->Top) == on;
            },
            Settle))
            << (on ? "caption on" : "caption off");
    }
}

TEST_F(WineCalculator, TrayIconBringsBackAMinimisedCalculator) {
    for (int button : {1, 3}) {
        ASSERT_NO_FATAL_FAILURE(Minimise());
        EXPECT_EQ(x->EmbeddedCount(TrayClass), 1u);
        ClickTrayIcon(button);
        EXPECT_TRUE(BackInUse()) << "button " << button;
    }
}

TEST_F(WineCalculator, HiddenStartShowsOnlyTheTrayIconUntilPressed) {
    EndWine();
    ASSERT_TRUE(WaitUntil([&] { return x->Embedded(TrayClass) == 0; }, Settle));
    session->Spawn({ABACONE_WINE, ABACONE_EXE, "hp"});
    ASSERT_TRUE(WaitUntil([&] { return x->Embedded(TrayClass) != 0; }, Settle));
    EXPECT_EQ(x->FindClient("Abacone"), 0u) << "no window yet";
    ClickTrayIcon(2);
    window = Main();
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(BackInUse());
    EXPECT_TRUE(x->HasState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
}

TEST_F(WineCalculator, LaterStartsBringTheRunningOneForwardAndEnd) {
    ASSERT_NO_FATAL_FAILURE(Minimise());
    // Three at once: they take turns at the one pipe.
    std::vector<pid_t> starts;
    for (int i = 0; i < 3; ++i) starts.push_back(session->Spawn({ABACONE_WINE, ABACONE_EXE, "p"}));
    for (const pid_t start : starts) {
        int status = -1;
        EXPECT_TRUE(WaitUntil([&] { return waitpid(start, &status, WNOHANG) == start; }, Settle));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_TRUE(BackInUse());
    EXPECT_EQ(x->ClientsOf("abacone.exe").size(), 1u);
    EXPECT_EQ(x->EmbeddedCount(TrayClass), 1u);
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
    EXPECT_TRUE(WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 10s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace abacone::e2e
