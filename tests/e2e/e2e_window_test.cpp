// Every command and every sequence of modal windows leaves the calculator usable: active,
// at its working height, and taking the next key. Driven from the popup-menu table
// itself, so a new entry is covered without editing this file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "platform/services/keycodes.h"
#include "tests/e2e/e2e_calculator.h"
#include "ui/main/form1.h"

namespace abacone::e2e {
namespace {

using Entry = MenuSpec<TForm1>;

// The keys that reach an entry through the menu opened by the menu key: down to it on
// each level (separators and hidden entries are skipped), right into each submenu, whose
// first entry is then current, and Enter on the entry itself.
std::vector<std::string> MenuPath(std::span<const Entry> table, std::size_t index) {
    std::vector<std::size_t> chain{index};
    for (std::size_t i = index; i-- > 0;)
        if (table[i].Level < table[chain.back()].Level) chain.push_back(i);
    std::vector<std::string> keys{"Menu"};
    for (std::size_t c = chain.size(); c-- > 0;) {
        const std::size_t at = chain[c];
        int steps = c + 1 == chain.size() ? 1 : 0;  // nothing is current in a fresh menu
        for (std::size_t i = at; i-- > 0 && table[i].Level >= table[at].Level;)
            if (table[i].Level == table[at].Level && std::string(table[i].Caption) != "-" &&
                !(table[i].Flags & mfHidden))
                ++steps;
        keys.insert(keys.end(), steps, "Down");
        keys.push_back(c == 0 ? "Return" : "Right");
    }
    return keys;
}

bool HasHandler(const Entry& e) { return e.Click != nullptr; }
bool Exits(const Entry& e) { return e.Click == &TForm1::KX1Click; }
// Modes that an entry switches on and the next use switches off again.
bool Toggles(const Entry& e) {
    return e.Click == &TForm1::Saijoh || e.Click == &TForm1::MCaptClick || e.Click == &TForm1::AttachWinClick ||
           e.Click == &TForm1::ExtraClick;
}

class WindowUse : public Calculator {
protected:
    void Start() {
        Launch();
        ASSERT_TRUE(WaitUntil([&] { return (w = x->FindClient("Abacone")) != 0; }, Settle));
        if (UnderWine) {
            ASSERT_TRUE(ActivatedByWindowManager(w));
        }
        ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
        // Until the frame is known the start-up place is a frame border off.
        if (!UnderWine) {
            ASSERT_TRUE(WaitUntil([&] { return AtStartPlace(w); }, Settle));
        }
    }
    Window OtherActive() {
        const Window active = x->Active();
        for (Window c : x->ClientsOf(ProgramClass))
            if (c == active && c != w) return c;
        return 0;
    }
    void Invoke(std::span<const Entry> table, std::size_t i) {
        if (table[i].Shortcut) {
            session->Key(XKeyName(table[i].Shortcut));
            return;
        }
        session->Keys(MenuPath(table, i), 120);
    }
    // Answers what a command opened as a person would: Esc in the binary window and the
    // hex pad, Enter in the value dialog and in message boxes; several in a row.
    int CloseWhatOpened(std::chrono::milliseconds firstWait) {
        int closed = 0;
        for (auto wait = firstWait; closed < 5; wait = 3s) {
            Window other = 0;
            if (!WaitUntil([&] { return (other = OtherActive()) != 0; }, wait)) break;
            const int width = x->Client(other).value_or(XInspect::Rect{}).Width;
            session->Key(width == 148 || width == 152 ? "Escape" : "Return");
            ++closed;
            WaitUntil([&] { return OtherActive() != other; }, Settle);
        }
        return closed;
    }
    // The calculator is active at `height` and a number typed now is what it shows.
    void ExpectUsable(int height, const std::string& what) {
        EXPECT_TRUE(BackInFront(w)) << what << ": not active";
        EXPECT_TRUE(WaitUntil([&] { return ClientHeight(w) == height; }, Settle))
            << what << ": client height " << ClientHeight(w) << ", not " << height;
        const std::string digits = std::to_string(100 + ++typed);
        session->Key("End");
        session->Key("Escape");
        session->Type(digits);
        session->Key("ctrl+c");
        EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == digits; }, Settle))
            << what << ": typed " << digits << ", copied " << session->Clipboard();
    }

    Window w = 0;
    int typed = 0;
};

TEST(MenuPath, WalksDownAndIntoSubmenusSkippingSeparatorsAndHiddenEntries) {
    // clang-format off
    constexpr Entry table[] = {
        {0, "A", "a", 0, 0, nullptr},  {0, "B", "b", 0, 0, nullptr},  {1, "B1", "-", 0, 0, nullptr},
        {1, "B2", "x", 0, mfHidden, nullptr}, {1, "B3", "y", 0, 0, nullptr}, {2, "B31", "z", 0, 0, nullptr},
        {2, "B32", "w", 0, 0, nullptr}, {0, "C", "c", 0, 0, nullptr},
    };
    // clang-format on
    struct Case {
        std::size_t index;
        std::vector<std::string> keys;
    } cases[] = {
        {0, {"Menu", "Down", "Return"}},
        {7, {"Menu", "Down", "Down", "Down", "Return"}},
        {4, {"Menu", "Down", "Down", "Right", "Return"}},
        {6, {"Menu", "Down", "Down", "Right", "Right", "Down", "Return"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MenuPath(table, c.index), c.keys) << table[c.index].Name;
    EXPECT_EQ(XKeyName(scShift + scCtrl + vk::F(1)), "shift+ctrl+F1");
    EXPECT_EQ(XKeyName(scCtrl + scAlt + 'A'), "ctrl+alt+a");
    EXPECT_EQ(XKeyName(scCtrl + vk::End), "ctrl+End");
}

TEST_F(WindowUse, EveryMenuCommandLeavesTheCalculatorUsable) {
    Start();
    const std::span<const Entry> table = TForm1::MenuTable();
    int height = 76;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Entry& e = table[i];
        if (!HasHandler(e) || Exits(e)) continue;
        const std::string what = std::string(e.Name) + " " + (e.Shortcut ? XKeyName(e.Shortcut) : "by the menu");
        for (int use = 0; use < (Toggles(e) ? 2 : 1); ++use) {
            Invoke(table, i);
            if (e.Click == &TForm1::KQ1Click) {
                // Minimised by design: only the tray icon brings it back.
                ASSERT_TRUE(WaitUntil([&] { return x->Iconic(w); }, Settle)) << what;
                ClickTrayIcon(1);
            }
            if (e.Click == &TForm1::ExtraClick) height = height == 76 ? 186 : 76;
            CloseWhatOpened(1500ms);
            ExpectUsable(height, what + (use ? ", again" : ""));
        }
    }
}

TEST_F(WindowUse, TheExitCommandsEndTheProgramWithExitCodeZero) {
    const std::span<const Entry> table = TForm1::MenuTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!Exits(table[i])) continue;
        Start();
        Invoke(table, i);
        int status = -1;
        EXPECT_TRUE(WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, Settle)) << table[i].Name;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << table[i].Name;
        session.reset();
    }
}

TEST_F(WindowUse, AfterAnySequenceOfModalWindowsTheKeyboardComesBack) {
    Start();
    struct Case {
        const char* what;
        std::vector<std::string> keys;  // each step opens or answers a window
        const char* copied;             // what the calculator then holds
    } cases[] = {
        {"two value dialogs (X^Y)", {"shift+ctrl+m", "2 Return", "1 0 Return"}, "1024"},
        {"a value dialog, then a message box", {"shift+ctrl+m", "Return", "Return"}, "0"},
        {"a message box alone", {"F1", "Return"}, "0"},
        {"the hex pad", {"shift+ctrl+h", "f f Return"}, "255"},
        {"the binary window", {"Prior", "Escape"}, "0"},
    };
    for (const auto& c : cases) {
        session->Key("Escape");
        for (const std::string& step : c.keys) {
            const Window answered = OtherActive();
            session->Key(step, 60);
            // Each step but the last leaves one of the program's windows to answer: the
            // one just answered goes first (a dialog may come back as the same window).
            if (&step != &c.keys.back()) {
                if (answered) WaitUntil([&] { return OtherActive() != answered; }, 3s);
                EXPECT_TRUE(WaitUntil([&] { return OtherActive() != 0; }, Settle)) << c.what << " at " << step;
            }
        }
        EXPECT_TRUE(BackInFront(w) && WaitUntil([&] { return ClientHeight(w) == 76; }, Settle))
            << c.what << ": active " << (x->Active() == w) << ", height " << ClientHeight(w);
        session->Key("ctrl+c");
        EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == c.copied; }, Settle))
            << c.what << ": " << session->Clipboard();
        ExpectUsable(76, c.what);
    }
}

TEST_F(WindowUse, CaptionOffAndOnKeepsTheOuterTopLeftCorner) {
    Start();
    const auto start = x->Frame(w), client = x->Client(w);
    ASSERT_TRUE(start && client);
    const int captioned = client->Top - start->Top;
    ASSERT_GT(captioned, 0);
    for (int pair = 0; pair < 3; ++pair) {
        for (bool on : {false, true}) {
            session->Key("shift+ctrl+F1");
            // The client sits right in the corner without a caption, below it with one.
            EXPECT_TRUE(WaitUntil(
                [&] {
                    const auto f = x->Frame(w), c = x->Client(w);
                    return f && c && f->Left == start->Left && f->Top == start->Top &&
                           c->Top - f->Top == (on ? captioned : 0);
                },
                Settle))
                << (on ? "caption on " : "caption off ") << pair << ": frame at " << x->Frame(w)->Left << ","
                << x->Frame(w)->Top << ", client at " << x->Client(w)->Top << ", was " << start->Left << ","
                << start->Top;
        }
    }
}

TEST_F(WindowUse, ATrayPressWhileAModalWindowIsUpBringsTheCalculatorBack) {
    Start();
    const Window other = StartOtherProgram();
    ASSERT_NE(other, 0u);
    struct Case {
        const char* what;
        const char* opens;
        int otherHeight;  // of the modal window once the calculator is back; 0: not looked at
        const char* closes;
    } cases[] = {
        {"the binary window", "Prior", 54, "Escape"},
        {"the value dialog", "shift+ctrl+s", 0, "Escape"},
    };
    for (const auto& c : cases) {
        session->Activate(w);
        session->Key("Escape");  // no entry: the dialog opens only then
        session->Key(c.opens);
        Window modal = 0;
        ASSERT_TRUE(WaitUntil([&] { return (modal = OtherActive()) != 0; }, Settle)) << c.what;
        session->Activate(other);
        ASSERT_TRUE(WaitUntil([&] { return x->Active() == other; }, Settle)) << c.what;
        ClickTrayIcon(1);
        EXPECT_TRUE(WaitUntil([&] { return OtherActive() == modal; }, Settle)) << c.what << ": back to answer";
        if (c.otherHeight) {
            EXPECT_TRUE(WaitUntil([&] { return ClientHeight(modal) == c.otherHeight; }, Settle))
                << c.what << ": height " << ClientHeight(modal);
        }
        session->Key(c.closes);
        ExpectUsable(76, c.what);
    }
}

}  // namespace
}  // namespace abacone::e2e
