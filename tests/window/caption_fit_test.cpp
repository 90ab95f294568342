// Where a caption's ink goes, over a made-up face: every glyph's ink is `size` - 2 pixels
// high from the baseline up, and each character `size` / 2 pixels wide.
#include "platform/caption_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace abacone {
namespace {

CaptionMeasure Face(std::string text) {
    auto ink = [](int size, std::size_t chars) {
        return chars == 0 ? Box{} : Box{0, -(size - 2), int(chars) * size / 2, size - 2};
    };
    return {[=](int size) { return ink(size, text.size()); }, [=](int size) { return ink(size, 16); },
            [](int size) { return size - 1; }};
}

TEST(CaptionFit, InkStaysInsideItsAreaAndKeysInARowShareTheirSize) {
    const struct {
        const char* Text;
        int Start;
        Box Area;
        Align Alignment;
        CaptionFit Expected;
        // clang-format off
    } cases[] = {
        {"7", 13, {0, 0, 20, 12}, Align::Centre, {13, {7, 11}}},        // centred by ink
        {"12", 13, {0, 0, 40, 12}, Align::Right, {13, {26, 11}}},       // the last column stays free
        {"Mod", 13, {0, 0, 40, 12}, Align::Left, {13, {0, 11}}},
        {"toolongtext", 13, {0, 0, 40, 12}, Align::Left, {7, {0, 8}}},  // shrinks until it fits
        {"", 13, {2, 3, 40, 12}, Align::Centre, {13, {2, 15}}},         // no ink: on the ascent
        {"WWWWWWWWWWWWWWWWWWWW", 13, {0, 0, 10, 12}, Align::Left, {6, {0, 5}}},  // never fits
    };
    // clang-format on
    for (const auto& c : cases) {
        const CaptionFit fit = FitCaption(Face(c.Text), c.Start, c.Area, c.Alignment);
        EXPECT_EQ(fit.Size, c.Expected.Size) << c.Text;
        EXPECT_EQ(fit.Origin, c.Expected.Origin) << c.Text;
    }
    // Reference glyphs 11 high leave no free row in 11 pixels: one size smaller.
    EXPECT_EQ(CaptionSizeForHeight(Face("0"), 13, 12), 13);
    EXPECT_EQ(CaptionSizeForHeight(Face("0"), 13, 11), 12);
    EXPECT_EQ(CaptionSizeForHeight(Face("0"), 13, 2), SmallestCaptionSize);
}

}  // namespace
}  // namespace abacone
