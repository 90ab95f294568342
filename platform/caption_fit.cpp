#include "platform/caption_fit.h"

#include <optional>

namespace abacone {
namespace {

// Boxes here count their last row and column inside, as the drawing does.
int LastX(const Box& b) { return b.Left + b.Width - 1; }
int LastY(const Box& b) { return b.Top + b.Height - 1; }

int Clamp(int origin, int inkFirst, int inkLast, int areaFirst, int areaLast) {
    if (origin + inkLast > areaLast) origin = areaLast - inkLast;
    if (origin + inkFirst < areaFirst) origin = areaFirst - inkFirst;
    return origin;
}

// The origin that puts the caption's ink inside `area` at `size`, or nothing when it does
// not fit.
std::optional<Point> Place(const CaptionMeasure& measure, int size, const Box& area, Align alignment) {
    const Box ink = measure.TextInk(size);
    if (ink.Width <= 0 || ink.Height <= 0) return Point{area.Left, area.Top + measure.Ascent(size)};
    const bool right = alignment == Align::Right;
    const int room = area.Width - (right ? 1 : 0);
    if (ink.Width > room || ink.Height > area.Height) return std::nullopt;

    // Baselines follow the reference glyphs, so "log" and "ln" on one row share theirs;
    // a descender or a tall sign then moves the caption only as far as it must.
    const Box ref = measure.ReferenceInk(size);
    int y = area.Top + (area.Height - ref.Height) / 2 - ref.Top;
    y = Clamp(y, ink.Top, LastY(ink), area.Top, LastY(area));

    int x = area.Left;
    if (right)
        x = LastX(area) - 1 - LastX(ink);
    else if (alignment == Align::Centre)
        x = area.Left + (area.Width - ink.Width) / 2 - ink.Left;
    x = Clamp(x, ink.Left, LastX(ink), area.Left, LastX(area) - (right ? 1 : 0));
    return Point{x, y};
}

}  // namespace

int CaptionSizeForHeight(const CaptionMeasure& measure, int size, int height) {
    while (size > SmallestCaptionSize && measure.ReferenceInk(size).Height >= height) --size;
    return size;
}

CaptionFit FitCaption(const CaptionMeasure& measure, int startSize, Box area, Align alignment) {
    for (int size = startSize;; --size) {
        if (auto origin = Place(measure, size, area, alignment)) return {size, *origin};
        if (size <= SmallestCaptionSize) return {size, {area.Left, area.Top + measure.Ascent(size)}};
    }
}

}  // namespace abacone
