#include "ui/binwindow/logic/binwindow_logic.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "platform/services/services.h"
#include "ui/geometry/window_geometry.h"

namespace abacone {
namespace {

class BinaryWindowLogic : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngine();
        SetClipboard(&clipboard);
    }
    void TearDown() override { SetClipboard(nullptr); }
    MemoryClipboard clipboard;
};

TEST_F(BinaryWindowLogic, RendersTheAccumulator) {
    const std::string ones32 = "0b" + std::string(32, '1');
    struct Case {
        CalcValue accumulator;
        const char* shown;
        std::string copied;
    } cases[] = {
        {0, "0000", "0b0000"},
        {255, "1111 1111", "0b11111111"},
        {-1, "1111 1111 1111 1111 1111 1111 1111 1111", ones32},
    };
    for (const auto& c : cases) {
        State.Accumulator = c.accumulator;
        EXPECT_EQ(BinaryWindowText(), c.shown) << static_cast<double>(c.accumulator);
        CopyBinaryValue();
        EXPECT_EQ(clipboard.Text(), c.copied) << static_cast<double>(c.accumulator);
    }
}

// A main window at (500, 300) with a 20-pixel caption bar and frame.
constexpr MainWindowMetrics Main{500, 300, 96, 76, 16, 12};

TEST(Placement, OpenAndDefaultPlaces) {
    EXPECT_EQ(DisplayLinesBottom(Main), 300 + 20 + 28);
    EXPECT_EQ(BinaryWindowOpenPlace(Main), (Point{500, 347}));
    EXPECT_EQ(BinaryWindowDefaultPlace(Main), (Point{500, 349}));
    // Without a caption bar the window sits right on the client area.
    constexpr MainWindowMetrics bare{0, 0, 76, 76, 16, 12};
    EXPECT_EQ(BinaryWindowOpenPlace(bare), (Point{0, 27}));
}

TEST(Placement, DialogLiesOnTheOwnersClientRowWhateverTheFrame) {
    const Box owner{500, 300, 179, 102};
    EXPECT_EQ(OverClientRow(owner, {3, 23, 3, 3}, 16), (Point{500, 339}));
    EXPECT_EQ(OverClientRow(owner, {}, 16), (Point{500, 316}));            // no caption, no frame
    EXPECT_EQ(OverClientRow(owner, {1, 20, 1, 5}, 0), (Point{500, 320}));  // a thick bottom edge counts for nothing
}

TEST(Placement, HexPadStaysOnTheScreen) {
    EXPECT_EQ(HexPadPlace(Main, 64, 768), (Point{504, 347}));
    EXPECT_EQ(HexPadPlace(Main, 64, 411), (Point{504, 347}));  // just fits
    EXPECT_EQ(HexPadPlace(Main, 64, 400), (Point{504, 336}));
}

TEST(Placement, NudgesStopAtTheirEdge) {
    constexpr int W = 148, H = 54, SW = 1024, SH = 768;
    struct Case {
        Point from;
        NudgeDirection direction;
        Point to;
        // clang-format off
    } cases[] = {
        {{100, 100}, NudgeDirection::Up, {100, 84}},
        {{100, 10}, NudgeDirection::Up, {100, 0}},
        {{100, 0}, NudgeDirection::Up, {100, 0}},
        {{100, 100}, NudgeDirection::Down, {100, 116}},
        {{100, 710}, NudgeDirection::Down, {100, SH - H}},
        {{100, 100}, NudgeDirection::Left, {84, 100}},
        {{5, 100}, NudgeDirection::Left, {0, 100}},
        {{100, 100}, NudgeDirection::Right, {116, 100}},
        {{870, 100}, NudgeDirection::Right, {SW - W, 100}},
        {{SW - W, 100}, NudgeDirection::Right, {SW - W, 100}},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(NudgeWindow(c.from, W, H, c.direction, SW, SH), c.to)
            << c.from.X << "," << c.from.Y << " dir " << static_cast<int>(c.direction);
    }
}

}  // namespace
}  // namespace abacone
