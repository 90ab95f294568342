// The calculator as a person meets it: under a window manager, beside a panel with a
// notification area, typing through the X server and reading the X clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_calculator.h"

namespace abacone::e2e {
namespace {

TEST_F(Calculator, StartsAtTheBottomRightOnTopActiveAndIdle) {
    Launch({}, true, Priority::Idle);
    const Window w = Main();
    ASSERT_NE(w, 0u);
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle)) << "takes the keyboard";
    EXPECT_TRUE(WaitUntil([&] { return AtStartPlace(w); }, Settle));
    const auto client = x->Client(w);
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Width, 173);
    EXPECT_EQ(client->Height, 76);
    EXPECT_TRUE(x->HasState(w, "_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR")) << "no taskbar button";
    EXPECT_EQ(Scheduling(), std::make_pair(19, 5)) << "nice 19, idle scheduling class";

    session->Type("12+30=");
    session->Key("ctrl+c");
    EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == "42"; }, Settle)) << session->Clipboard();
}

TEST_F(Calculator, PastedJapaneseTextIsCalculated) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    // As a text editor would offer it: full-width digits and plus, the multiplication sign.
    ASSERT_NO_FATAL_FAILURE(ServeClipboard("１２＋３０×２"));
    session->Key("ctrl+v");
    session->Key("ctrl+c");
    EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == "84"; }, Settle)) << session->Clipboard();
}

TEST_F(Calculator, CopiedColumnIsAddedUp) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    // Two columns as a spreadsheet copies them: a header row, tabs, CR LF line ends.
    ASSERT_NO_FATAL_FAILURE(ServeClipboard("品名\t金額\r\nりんご\t1,200\r\nみかん\t￥980\r\n合計\t0x10\r\n"));
    session->Key("ctrl+g");
    session->Key("ctrl+c");
    EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == "2196"; }, Settle)) << session->Clipboard();
}

TEST_F(Calculator, KeysTypedRightAfterAShortcutReachTheWindowItOpens) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    struct Case {
        std::string keys;
        const char* copied;
    } cases[] = {
        {"shift+ctrl+s 3 0 Return", "0.5"},  // sin 30 through the value dialog
        {"shift+ctrl+h f f Return", "255"},  // the hexadecimal pad
    };
    // Each starts from a cleared calculator (Esc): the pad refuses to open during an entry.
    for (const auto& c : cases) {
        session->Key("Escape " + c.keys, 1);  // faster than any window manager hands over the focus
        session->Key("ctrl+c");
        EXPECT_TRUE(WaitUntil([&] { return session->Clipboard() == c.copied; }, Settle))
            << c.keys << ": " << session->Clipboard();
    }
}

TEST_F(Calculator, KeepPriorityAndOrdinaryWindowOptions) {
    Launch({"-top"}, true, Priority::Idle);
    const Window w = Main();
    ASSERT_NE(w, 0u);
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    EXPECT_FALSE(x->HasState(w, "_NET_WM_STATE_ABOVE"));
    EXPECT_EQ(Scheduling().first, 0);
}

TEST_F(Calculator, SwitchingModesKeepsItOffTheTaskbar) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    // The same native window throughout: the switches change its hints in place.
    const auto state = [&](const char* atom) { return x->HasState(w, atom); };
    session->Key("ctrl+t");
    EXPECT_TRUE(
        WaitUntil([&] { return !state("_NET_WM_STATE_ABOVE") && state("_NET_WM_STATE_SKIP_TASKBAR"); }, Settle));
    session->Key("ctrl+t");
    EXPECT_TRUE(WaitUntil([&] { return state("_NET_WM_STATE_ABOVE") && state("_NET_WM_STATE_SKIP_TASKBAR"); }, Settle));
    session->Key("shift+ctrl+F1");  // caption off
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto f = x->Frame(w), c = x->Client(w);
            return f && c && f->Top == c->Top && state("_NET_WM_STATE_SKIP_TASKBAR");
        },
        Settle));
}

TEST_F(Calculator, ShrinksWhileAnotherProgramWorksAndFollowsItInAttachMode) {
    Launch();
    const Window w = Main();
    ASSERT_NE(w, 0u);
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    const Window other = StartOtherProgram();
    ASSERT_NE(other, 0u);
    session->Activate(other);
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(w) == 28; }, Settle));
    session->Activate(w);
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(w) == 76; }, Settle));

    session->Key("ctrl+alt+a");
    session->Activate(other);
    const auto corner = x->Frame(other);
    ASSERT_TRUE(corner);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto f = x->Frame(w);
            return f && f->Left == corner->Left && f->Top == corner->Top;
        },
        AttachLimit))
        << "the calculator sits on the other window's top-left corner";
    EXPECT_EQ(x->Active(), other) << "the other window keeps the activation";
    EXPECT_EQ(ClientHeight(w), 28);

    session->Activate(w);  // attach mode off: back to the bottom right
    session->Key("ctrl+alt+a");
    EXPECT_TRUE(WaitUntil([&] { return AtBottomRight(w); }, Settle));
}

TEST_F(Calculator, ItsSmallWindowsLastUntilAnotherProgramIsActive) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w && AtStartPlace(w); }, Settle));
    const Window other = StartOtherProgram();
    session->Activate(w);
    const auto second = [&]() -> Window {
        const auto all = x->ClientsOf("abacone");
        return all.size() == 2 ? all[1] : 0;
    };

    session->Key("shift+ctrl+h");  // the hexadecimal pad
    ASSERT_TRUE(WaitUntil([&] { return second() != 0 && x->Active() == second(); }, Settle));
    const Window pad = second();
    EXPECT_TRUE(x->HasState(pad, "_NET_WM_STATE_SKIP_TASKBAR")) << "no taskbar button";
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(w) == 28; }, Settle)) << "main keeps to its displays";
    EXPECT_NE(second(), 0u) << "the pad stays open while the program is active";
    session->Activate(other);
    EXPECT_TRUE(WaitUntil([&] { return second() == 0; }, Settle)) << "leaving the program closes it";
    session->Activate(w);
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(w) == 76; }, Settle));
    EXPECT_EQ(second(), 0u) << "and coming back does not reopen it";

    session->Key("Prior");  // Page Up: the binary window
    ASSERT_TRUE(WaitUntil([&] { return second() != 0 && ClientHeight(second()) == 54; }, Settle));
    const Window binary = second();
    const auto opened = x->Client(binary);
    session->Activate(other);
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(binary) == 33; }, Settle)) << "only its digits";
    session->Activate(w, false);
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight(binary) == 54; }, Settle));
    const auto back = x->Client(binary);
    ASSERT_TRUE(opened && back);
    EXPECT_EQ(back->Top, opened->Top) << "back where it opened, over the keypad";
    EXPECT_EQ(back->Left, x->Frame(w)->Left);
}

TEST_F(Calculator, TrayIconBringsBackAMinimisedCalculator) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    session->Key("ctrl+q");
    ASSERT_TRUE(WaitUntil([&] { return x->Iconic(w); }, Settle));
    EXPECT_TRUE(x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR"));
    ClickTrayIcon(3);
    EXPECT_TRUE(WaitUntil([&] { return !x->Iconic(w) && x->Active() == w; }, Settle));

    // The notification area restarts; its new icon still works.
    session->Key("ctrl+q");
    ASSERT_TRUE(WaitUntil([&] { return x->Iconic(w); }, Settle));
    session->StopTrayHost();
    EXPECT_TRUE(WaitUntil([&] { return !x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR"); }, Settle))
        << "without a notification area the taskbar must offer it";
    ASSERT_TRUE(session->StartTrayHost());
    ASSERT_TRUE(WaitUntil([&] { return x->Embedded("abacone") != 0; }, Settle));
    EXPECT_TRUE(WaitUntil([&] { return x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR"); }, Settle));
    ClickTrayIcon(1);
    EXPECT_TRUE(WaitUntil([&] { return !x->Iconic(w) && x->Active() == w; }, Settle));
}

TEST_F(Calculator, HiddenStartShowsOnlyTheTrayIconUntilPressed) {
    Launch({"-h"});
    EXPECT_EQ(x->FindClient("Abacone"), 0u) << "no window yet";
    ClickTrayIcon(2);
    const Window w = Main();
    ASSERT_NE(w, 0u);
    EXPECT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    EXPECT_TRUE(x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR"));
}

TEST_F(Calculator, WithoutANotificationAreaItStaysReachable) {
    Launch({"/hide"}, false);
    const Window w = Main();
    ASSERT_NE(w, 0u) << "the hide option cannot hide it";
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w; }, Settle));
    session->Key("ctrl+q");
    ASSERT_TRUE(WaitUntil([&] { return x->Iconic(w); }, Settle));
    EXPECT_FALSE(x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR")) << "a taskbar entry instead";
    session->Activate(w);  // as a taskbar would
    EXPECT_TRUE(WaitUntil([&] { return !x->Iconic(w) && x->HasState(w, "_NET_WM_STATE_SKIP_TASKBAR"); }, Settle));
}

TEST_F(Calculator, DraggedByTheIndicatorWithTheLeftButtonOnly) {
    Launch();
    const Window w = Main();
    ASSERT_TRUE(WaitUntil([&] { return x->Active() == w && AtStartPlace(w); }, Settle));
    const auto start = x->Client(w);
    ASSERT_TRUE(start);
    // The operator indicator: client box 96, 28, 32, 12.
    const int px = start->Left + 110, py = start->Top + 33;
    // The window manager takes the pointer some time after the press; on a loaded
    // machine the first steps of the motion can come before that and are not followed.
    // So the motion comes in steps after a pause, and the check asks for a move in the
    // right direction of most of the distance, never more than all of it.
    const auto drag = [&](const char* button) {
        std::vector<std::string> steps = {
            "mousemove", std::to_string(px), std::to_string(py), "sleep", "0.2", "mousedown", button, "sleep", "0.5"};
        for (int i = 1; i <= 4; ++i) {
            for (const std::string& word :
                 {std::string("mousemove"), std::to_string(px - 50 * i), std::to_string(py - 150 * i / 4),
                  std::string("sleep"), std::string("0.15")})
                steps.push_back(word);
        }
        for (const char* word : {"sleep", "0.3", "mouseup"}) steps.emplace_back(word);
        steps.emplace_back(button);
        session->Mouse(steps);
    };
    drag("3");
    session->Key("Escape");  // the popup menu the right button opened
    EXPECT_EQ(x->Client(w)->Left, start->Left);
    EXPECT_EQ(x->Client(w)->Top, start->Top);
    drag("1");
    const auto movedMostOfTheWay = [&] {
        const auto now = x->Client(w);
        return now && now->Left <= start->Left - 100 && now->Left >= start->Left - 200 && now->Top <= start->Top - 75 &&
               now->Top >= start->Top - 150;
    };
    EXPECT_TRUE(WaitUntil(movedMostOfTheWay, Settle))
        << x->Client(w)->Left << "," << x->Client(w)->Top << " from " << start->Left << "," << start->Top;
}

}  // namespace
}  // namespace abacone::e2e
