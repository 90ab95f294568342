// The shell's commands and events on the real main window, offscreen, with the
// operating system replaced by a recording stand-in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/calc_state.h"
#include "platform/application.h"
#include "platform/os/os_services.h"
#include "platform/qt/qt_window.h"
#include "platform/services/keycodes.h"
#include "platform/services/services.h"
#include "platform/timer.h"
#include "shell/lifecycle.h"
#include "shell/logic/shell_state.h"
#include "shell/reset.h"
#include "shell/tasktray/tasktray.h"
#include "tests/support/recording_messages.h"
#include "ui/geometry/open_flags.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/main/form1.h"

namespace abacone {
namespace {

struct FakeOs final : OsServices {
    NativeWindow foreground = 0;
    std::optional<Box> frame;
    bool iconic = false;
    std::vector<bool> skips;
    int lowered = 0;
    int fronts = 0;
    std::vector<NativeWindow> raisedAbove;

    NativeWindow ForegroundWindow() override { return foreground; }
    std::optional<Box> FrameRect(NativeWindow w) override { return w == foreground ? frame : std::nullopt; }
    bool IsIconic(NativeWindow) override { return iconic; }
    // Shown without taking the activation, so the application stays inactive unless a
    // test activates a window itself.
    void BringToFront(TopWindow* w) override {
        ++fronts;
        FromTop(w)->show();
    }
    void RaiseAbove(TopWindow*, NativeWindow other) override { raisedAbove.push_back(other); }
    void SetSkipTaskbar(TopWindow*, bool skip) override { skips.push_back(skip); }
    void LowerPriority() override { ++lowered; }
    bool StartMove(TopWindow*) override { return false; }
    void WatchTrayHost(std::function<void()>) override {}
};

int hexPadClosings = 0;

// The offscreen screen.
constexpr int SW = 800, SH = 800;

class ShellWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        SetOs(&os);
        SetMessages(&messages);
        hexPadClosings = 0;
    }
    void TearDown() override {
        form.reset();
        SetOs(nullptr);
        SetMessages(nullptr);
        HexPadCloser = nullptr;
        HexPadOpen = 0;
        ResetProcessState();
    }

    void Start(std::vector<std::string> args = {}) {
        form = std::make_unique<TForm1>();
        StartShell(*form, args);
        ASSERT_EQ(ScreenWidth(), SW);
        ASSERT_EQ(ScreenHeight(), SH);
    }
    // A shortcut, through the main window's menu as a key stroke would go.
    void Key(int vk, bool ctrl = true, bool shift = false, bool alt = false) {
        KeyStroke k;
        k.Vk = vk;
        k.Ctrl = ctrl;
        k.Shift = shift;
        k.Alt = alt;
        ASSERT_TRUE(form->DispatchKey(k)) << vk;
    }
    QPoint At() const { return {form->Left(), form->Top()}; }
    bool Mark(const char* name) { return form->Menu()->Find(name)->Checked; }

public:  // the case tables change these
    FakeOs os;
    RecordingMessages messages;
    std::unique_ptr<TForm1> form;
};

// First in the file: it needs an application in which no window was active yet.
class AttachTest : public ShellWindowTest {
protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        if (QGuiApplication::applicationState() == Qt::ApplicationActive)
            GTEST_SKIP() << "needs a process where no window was ever active";
        Start();
        form->SetPosition(500, 500);
        ShrinkToDisplays();
        os.foreground = 42;
        os.frame = Box::FromEdges(120, 80, 520, 380);
    }
};

TEST_F(AttachTest, FollowsTheForegroundWindowWithoutTakingTheActivation) {
    struct Case {
        const char* name;
        void (*change)(AttachTest&);
        bool follows;
    } cases[] = {
        {"shrunken and inactive", [](AttachTest&) {}, true},
        {"foreground minimised", [](AttachTest& t) { t.os.iconic = true; }, false},
        {"foreground off the screen",
         [](AttachTest& t) { t.os.frame = Box::FromEdges(-32000, -32000, -31840, -31973); }, false},
        {"no foreground", [](AttachTest& t) { t.os.foreground = 0; }, false},
        {"rectangle unreadable", [](AttachTest& t) { t.os.frame.reset(); }, false},
        {"in use", [](AttachTest& t) { t.form->SetClientHeight(76); }, false},
        {"minimised", [](AttachTest& t) { Widget(*t.form)->showMinimized(); }, false},
    };
    for (const auto& c : cases) {
        Widget(*form)->showNormal();
        ShrinkToDisplays();
        form->SetPosition(500, 500);
        os.foreground = 42;
        os.frame = Box::FromEdges(120, 80, 520, 380);
        os.iconic = false;
        os.raisedAbove.clear();
        c.change(*this);
        Timer1Timer();
        EXPECT_EQ(At(), c.follows ? QPoint(120, 80) : QPoint(500, 500)) << c.name;
        EXPECT_EQ(os.raisedAbove, c.follows ? std::vector<NativeWindow>{42} : std::vector<NativeWindow>{}) << c.name;
    }
}

TEST_F(ShellWindowTest, StartOptions) {
    struct Case {
        std::vector<std::string> args;
        bool topmost;
        int lowered;
        // clang-format off
    } cases[] = {
        {{}, true, 1},
        {{"/t"}, false, 1},
        {{"-top"}, false, 0},
        {{"hp"}, true, 0},
        {{"-", "/", "  "}, true, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        os = FakeOs{};
        Start(c.args);
        const std::string shown = c.args.empty() ? "no arguments" : c.args[0];
        EXPECT_EQ(Mark("MTop"), c.topmost) << shown;
        EXPECT_EQ(form->StayOnTop(), c.topmost) << shown;
        EXPECT_EQ(os.lowered, c.lowered) << shown;
        // Offscreen there is no notification area: even "h" starts visible.
        EXPECT_TRUE(Widget(*form)->isVisible()) << shown;
        EXPECT_EQ(HiddenStart, 0) << shown;
        ASSERT_FALSE(os.skips.empty());
        EXPECT_TRUE(os.skips.back()) << "no taskbar button: " << shown;
        EXPECT_EQ(form->ClientHeight(), 76);
        EXPECT_EQ(ActiveClientHeight, 76);
        form.reset();
    }
}

TEST_F(ShellWindowTest, StartsAtTheBottomRightAboveTheEdge) {
    State.PendingOperator = OpDivide;
    State.Memory1InUse = 1;
    ExtendedKeypad = 1;
    Start();
    Ap_Active();  // the first activation places the window again, its frame known
    const int frame = (form->Width() - form->ClientWidth()) / 2;
    EXPECT_EQ(form->Left(), SW - form->Width() - 16);
    EXPECT_EQ(SH - (form->Top() + form->Height()), 33 + frame);
    EXPECT_EQ(State.PendingOperator, OpAdd);
    EXPECT_EQ(State.Memory1InUse, 0);
    EXPECT_EQ(ExtendedKeypad, 0);
}

TEST_F(ShellWindowTest, JumpsThroughTheirShortcuts) {
    Start();
    const int W = form->Width(), H = form->Height();
    struct Case {
        int vk;
        QPoint at;
        // clang-format off
    } cases[] = {
        {0x78, {SW - W - 16, SH - H - 32}},  // Ctrl+F9
        {0x79, {16, SH - H - 32}},            // Ctrl+F10
        {0x7A, {SW - W - 16, 32}},            // Ctrl+F11
        {0x7B, {16, 32}},                      // Ctrl+F12
        {'I', {(SW - W) / 2, (SH - H) / 2}},
    };
    // clang-format on
    for (const auto& c : cases) {
        form->SetPosition(123, 45);
        Key(c.vk);
        EXPECT_EQ(At(), c.at) << c.vk;
    }
}

TEST_F(ShellWindowTest, NudgesAreClampedOnOneSide) {
    Start();
    const int W = form->Width(), H = form->Height();
    const int up = 0x26, down = 0x28, left = 0x25, right = 0x27;
    struct Case {
        QPoint from;
        int vk;
        QPoint to;
        // clang-format off
    } cases[] = {
        {{300, 200}, up, {300, 184}},
        {{300, 10}, up, {300, 0}},
        {{300, -40}, up, {300, 0}},
        {{300, 200}, down, {300, 216}},
        {{300, SH - H - 5}, down, {300, SH - H}},
        {{300, SH - 10}, down, {300, SH - H}},  // lower than allowed: moves up to it
        {{-300, 200}, down, {-300, 216}},    // the other axis is left alone
        {{10, 200}, left, {0, 200}},
        {{-40, 200}, left, {0, 200}},
        {{SW - W - 3, 200}, right, {SW - W, 200}},
        {{SW - 10, 200}, right, {SW - W, 200}},
    };
    // clang-format on
    for (const auto& c : cases) {
        form->SetPosition(c.from.x(), c.from.y());
        Key(c.vk);
        EXPECT_EQ(At(), c.to) << c.from.x() << "," << c.from.y() << " key " << c.vk;
    }
}

TEST_F(ShellWindowTest, ExtendedKeypadMovesUpOnlyNearTheBottom) {
    Start();
    const int extended = 186 + (form->Height() - form->ClientHeight());  // outer
    struct Case {
        int top;
        int expected;
    } cases[] = {
        {SH - extended - 10, SH - extended - 32},  // would end 10 above the bottom
        {SH - extended - 16, SH - extended - 16},  // exactly 16 above: stays
        {100, 100},
    };
    for (const auto& c : cases) {
        form->SetPosition(50, c.top);
        Key('E');
        EXPECT_EQ(form->ClientHeight(), 186);
        EXPECT_EQ(ActiveClientHeight, 186);
        EXPECT_EQ(ExtendedKeypad, 1);
        EXPECT_EQ(form->Top(), c.expected) << c.top;
        Key('E');
        EXPECT_EQ(form->ClientHeight(), 76);
        EXPECT_EQ(ActiveClientHeight, 76);
        EXPECT_EQ(ExtendedKeypad, 0);
        EXPECT_EQ(form->Top(), c.expected) << "switched off, the top stays";
    }
}

TEST_F(ShellWindowTest, StayOnTopAttachModeAndCaption) {
    Start();
    const auto attach = [&] { Key('A', true, false, true); };  // Ctrl+Alt+A
    const auto top = [&] { Key('T'); };

    top();  // off
    EXPECT_FALSE(Mark("MTop"));
    EXPECT_FALSE(form->StayOnTop());
    attach();  // refused without stay-on-top
    EXPECT_FALSE(Mark("AttachWin"));
    EXPECT_FALSE(Timer1()->Enabled());

    top();  // on again
    attach();
    EXPECT_TRUE(Mark("AttachWin"));
    EXPECT_TRUE(Timer1()->Enabled());
    EXPECT_EQ(Timer1()->Interval(), 1000);
    top();  // locked while attached
    EXPECT_TRUE(Mark("MTop"));
    EXPECT_TRUE(form->StayOnTop());

    form->SetPosition(40, 40);
    attach();  // off: back to the bottom right
    EXPECT_FALSE(Mark("AttachWin"));
    EXPECT_FALSE(Timer1()->Enabled());
    EXPECT_EQ(At(), QPoint(SW - form->Width() - 16, SH - form->Height() - 32));

    form->SetPosition(70, 80);
    const QSize size = Widget(*form)->size();
    Key(0x70, true, true);  // Shift+Ctrl+F1
    EXPECT_FALSE(Mark("MCapt"));
    EXPECT_EQ(form->Border(), BorderStyle::None);
    Key(0x70, true, true);
    EXPECT_TRUE(Mark("MCapt"));
    EXPECT_EQ(form->Border(), BorderStyle::Single);
    EXPECT_EQ(At(), QPoint(70, 80));
    EXPECT_EQ(Widget(*form)->size(), size);
    EXPECT_TRUE(os.skips.back()) << "a window shown anew gets no taskbar button";
}

TEST_F(ShellWindowTest, AboutBox) {
    Start();
    Key(0x70, false);  // F1
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].Title, "About me");
    EXPECT_EQ(messages.Boxes()[0].Text, "Abacone for Win.2kPro./NT4WS/9x\r\tversion 1.23\r\rAbacone contributors");
    EXPECT_EQ(messages.Boxes()[0].Icon, MessageIcon::Information);
}

TEST_F(ShellWindowTest, OwnDialogsShrinkTheWindowButOnlyLeavingTheProgramClosesThePad) {
    Start();
    Widget(*form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Widget(*form)));
    Key('E');
    HexPadOpen = 1;
    HexPadCloser = [] { ++hexPadClosings; };

    QWidget pad;  // one of the program's own small windows takes the activation
    pad.show();
    pad.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pad));
    EXPECT_EQ(form->ClientHeight(), 28);
    EXPECT_EQ(HexPadOpen, 1);
    EXPECT_EQ(hexPadClosings, 0);

    Widget(*form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Widget(*form)));
    EXPECT_EQ(form->ClientHeight(), 186) << "the extended height comes back";

    Ap_DeActive();  // another program became active
    EXPECT_EQ(form->ClientHeight(), 28);
    EXPECT_EQ(HexPadOpen, 0);
    EXPECT_EQ(hexPadClosings, 1);
    Ap_Active();
    EXPECT_EQ(form->ClientHeight(), 186);
    EXPECT_EQ(hexPadClosings, 1) << "the pad is not opened again";
}

TEST_F(ShellWindowTest, MinimisedAndBackThroughTheTrayIcon) {
    Start();
    Key('Q');
    EXPECT_TRUE(Widget(*form)->isMinimized());
    // Without a notification area the taskbar is the only way back.
    EXPECT_FALSE(os.skips.back());

    const int fronts = os.fronts;
    for (unsigned n : {0x200u, 0x202u, 0x203u, 0x205u}) TaskTray1()->TrayWndProc(n);
    EXPECT_TRUE(Widget(*form)->isMinimized()) << "moving, releasing and double-clicking do nothing";
    EXPECT_EQ(os.fronts, fronts);

    for (unsigned press : {0x201u, 0x204u, 0x207u}) {
        Widget(*form)->showMinimized();
        TaskTray1()->TrayWndProc(press);
        EXPECT_FALSE(Widget(*form)->isMinimized()) << press;
        EXPECT_TRUE(Widget(*form)->isVisible()) << press;
        EXPECT_TRUE(os.skips.back()) << press;
    }
    EXPECT_EQ(os.fronts, fronts + 3);
}

}  // namespace
}  // namespace abacone

QT_BEGIN_NAMESPACE
void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
QT_END_NAMESPACE
