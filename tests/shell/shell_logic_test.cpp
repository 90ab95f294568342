#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/logic/attach.h"
#include "shell/logic/command_line.h"
#include "ui/geometry/placement.h"

namespace abacone {
namespace {

TEST(CommandLine, ReadsLettersOfEveryArgument) {
    struct Case {
        std::vector<std::string> args;
        unsigned options;
    } cases[] = {
        {{}, 0},
        {{"-h"}, HideOption},
        {{"H"}, HideOption},
        {{"/t"}, NoTopmostOption},
        {{"-top"}, NoTopmostOption | KeepPriorityOption},
        {{"hp"}, HideOption | KeepPriorityOption},
        {{"/hide"}, HideOption},
        {{"--h"}, HideOption},
        {{"-"}, 0},
        {{"/"}, 0},
        {{""}, 0},
        {{"   \t "}, 0},
        {{" \x01-T\n"}, NoTopmostOption},  // trimmed before the dash is looked at
        {{"x", "-P", "zz"}, KeepPriorityOption},
        {{"a-h"}, HideOption},  // a dash inside the word is just another letter
        {{"\xe3\x81\x82"}, 0},  // bytes above 0x7F are neither trimmed nor letters
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += "[" + a + "]";
        EXPECT_EQ(ParseStartOptions(c.args), c.options) << shown;
    }
}

TEST(Placement, JumpsKeepTheirMargins) {
    const ScreenSize screen{1280, 1024};
    struct Case {
        Jump jump;
        int width, height;
        Point at;
        // clang-format off
    } cases[] = {
        {Jump::BottomRight, 179, 101, {1085, 891}},
        {Jump::BottomLeft, 179, 101, {16, 891}},
        {Jump::TopRight, 179, 101, {1085, 32}},
        {Jump::TopLeft, 179, 101, {16, 32}},
        {Jump::Centre, 179, 101, {550, 461}},     // 1101 / 2 truncated
        {Jump::Centre, 1285, 1027, {-2, -1}},     // larger than the screen: toward zero
        {Jump::BottomRight, 1400, 1100, {-136, -108}},  // no size check
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(JumpPlace(c.jump, c.width, c.height, screen), c.at)
            << static_cast<int>(c.jump) << " " << c.width << "x" << c.height;
    }
}

TEST(Placement, StartupLeavesTheCompactWindowAboveTheBottom) {
    const ScreenSize screen{1024, 768};
    for (int decoration : {0, 6, 25}) {
        for (int frame : {0, 3, 4}) {
            const int laidOut = 186 + decoration;
            const Point at = StartupPlace(179, laidOut, frame, screen);
            EXPECT_EQ(at.X, 1024 - 179 - 16);
            const int compactBottom = at.Y + (76 + decoration);
            EXPECT_EQ(768 - compactBottom, 33 + frame) << decoration << " " << frame;
        }
    }
}

TEST(Placement, StartupPlaceKeepsClearOfATallTaskbar) {
    struct Case {
        Box workArea;
        Point at;
        // clang-format off
    } cases[] = {
        {{0, 0, 1024, 736}, {829, 640}},   // a 32-pixel panel: the margin clears it
        {{0, 0, 1024, 720}, {829, 624}},   // a 48-pixel taskbar: up onto its edge
        {{0, 0, 1000, 768}, {821, 640}},   // a taskbar on the right
        {{}, {829, 640}},                  // none known
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(KeepInWorkArea({829, 640}, 179, 96, c.workArea), c.at);
}

TEST(Placement, ExtendedRowsPullTheWindowUpNearTheBottom) {
    struct Case {
        int top, height, screenHeight, expected;
        // clang-format off
    } cases[] = {
        {600, 211, 821, 578},  // bottom edge 10 above the screen's bottom: 32 above
        {594, 211, 821, 594},  // exactly 16 above: stays
        {595, 211, 821, 578},  // 15 above: moves
        {700, 211, 821, 578},  // past the bottom
        {100, 211, 821, 100},
        {-50, 211, 821, -50},  // no clamp at the top
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(ExtendedKeypadTop(c.top, c.height, c.screenHeight), c.expected) << c.top;
}

TEST(Placement, BinaryWindowReturnsUnderTheDisplayLines) {
    MainWindowMetrics main{
        .Left = 300, .Top = 400, .Height = 101, .ClientHeight = 76, .Label1Height = 16, .Label3Height = 12};
    EXPECT_EQ(BinaryWindowActivatedPlace(main, 54, 768), (Point{300, 452}));
    main.Top = 741;  // row 793 lies below the screen
    EXPECT_EQ(BinaryWindowActivatedPlace(main, 54, 768), (Point{300, 714}));
    main.Top = 716;  // row 768 exactly: not below
    EXPECT_EQ(BinaryWindowActivatedPlace(main, 54, 768), (Point{300, 768}));
}

AttachView Shrunken() {
    AttachView v;
    v.MainHeight = 53;
    v.Foreground = ForegroundWindow{Box::FromEdges(200, 150, 800, 600), false};
    v.Desktop = Box::FromEdges(0, 0, 1280, 1024);
    v.ScreenHeight = 1024;
    return v;
}

TEST(AttachStep, FollowsOnlyWhenShrunkenInactiveAndReachable) {
    struct Case {
        const char* name;
        void (*change)(AttachView&);
        bool moves;
        // clang-format off
    } cases[] = {
        {"shrunken", [](AttachView&) {}, true},
        {"minimised", [](AttachView& v) { v.MainIconic = true; }, false},
        {"in use", [](AttachView& v) { v.MainHeight = 76; }, false},
        {"just under", [](AttachView& v) { v.MainHeight = 75; }, true},
        {"active", [](AttachView& v) { v.ApplicationActive = true; }, false},
        {"no foreground", [](AttachView& v) { v.Foreground.reset(); }, false},
        {"foreground iconic", [](AttachView& v) { v.Foreground->Iconic = true; }, false},
        {"parked far away",
         [](AttachView& v) { v.Foreground->Frame = Box::FromEdges(-32000, -32000, -31840, -31973); }, false},
        {"right of the screen",
         [](AttachView& v) { v.Foreground->Frame = Box::FromEdges(1280, 10, 1500, 300); }, false},
        {"below the screen",
         [](AttachView& v) { v.Foreground->Frame = Box::FromEdges(10, 1024, 300, 1200); }, false},
        {"partly off the left",
         [](AttachView& v) { v.Foreground->Frame = Box::FromEdges(-100, -20, 1, 300); }, true},
        {"the whole desktop",
         [](AttachView& v) { v.Foreground->Frame = Box::FromEdges(0, 0, 1280, 1024); }, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        AttachView v = Shrunken();
        c.change(v);
        const AttachMoves m = AttachStep(v);
        EXPECT_EQ(m.Main.has_value(), c.moves) << c.name;
        EXPECT_FALSE(m.Binary.has_value()) << c.name;
        if (c.moves && m.Main) {
            EXPECT_EQ(*m.Main, (Point{v.Foreground->Frame.Left, v.Foreground->Frame.Top})) << c.name;
        }
    }
}

TEST(AttachStep, CarriesTheBinaryWindowBelowTheCalculator) {
    AttachView v = Shrunken();
    v.BinaryWindowOpen = true;
    v.BinaryWindowHeight = 33;
    EXPECT_EQ(AttachStep(v).Binary, (Point{200, 203}));

    v.Foreground->Frame = Box::FromEdges(40, 1000, 400, 1024);  // 1053 is below the screen
    const AttachMoves m = AttachStep(v);
    EXPECT_EQ(m.Main, (Point{40, 1000}));
    EXPECT_EQ(m.Binary, (Point{40, 991}));

    v.ApplicationActive = true;
    EXPECT_FALSE(AttachStep(v).Binary.has_value());
}

}  // namespace
}  // namespace abacone
