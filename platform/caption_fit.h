// Where a caption's ink goes, whatever draws it. A face's line box says little about its
// glyphs: the free Japanese Gothic that stands in for the Windows face draws digits nearly
// as tall as the whole line, so a caption centred by its line box and clipped to a
// 10-pixel panel loses its top rows ("1" reads as "T"). Captions are therefore measured by
// the pixels they really cover and placed by that ink box. The window layer measures; the
// arithmetic here decides, the same on every system.
#pragma once

#include <functional>

#include "platform/window_types.h"

namespace abacone {

// The glyphs that set a font's size and baseline: the digits and capitals the keys and
// displays show most. Full-width and Japanese glyphs, a little taller, then fit by moving.
inline constexpr const char* CaptionReference = "0123456789ABCDEF";
inline constexpr int SmallestCaptionSize = 6;

// What the window layer measures of one caption in one face, at a pixel size: the boxes the
// caption's and the reference glyphs' pixels cover when drawn with the baseline origin at
// (0, 0) (an empty box: no ink), and the face's ascent.
struct CaptionMeasure {
    std::function<Box(int size)> TextInk;
    std::function<Box(int size)> ReferenceInk;
    std::function<int(int size)> Ascent;
};

// The largest size, up to `size`, whose reference glyphs leave one row of `height` free:
// ink that fills the area would merge with a bevel's light edge.
int CaptionSizeForHeight(const CaptionMeasure& measure, int size, int height);

struct CaptionFit {
    int Size = 0;  // pixel size
    Point Origin;  // baseline origin
};

// Fits a single-line caption into `area`: every pixel of its ink inside the area, none on
// the area's right column for right alignment (a display's last digit keeps a free
// column), centred by ink where the alignment says centre. It starts at `startSize` (the
// size the row's reference glyphs allow, so keys in a row share one size); a caption that
// does not fit (a tall sign, a long text) gets a smaller size of its own.
CaptionFit FitCaption(const CaptionMeasure& measure, int startSize, Box area, Align alignment);

}  // namespace abacone
