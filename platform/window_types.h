// The plain values the window layer speaks in: screen and client points, boxes, colours,
// mouse buttons and text alignment. No toolkit type appears above the implementations of
// the window layer; each implementation converts at its own edge.
#pragma once

#include <cstdint>

namespace abacone {

struct Point {
    int X = 0;
    int Y = 0;
    friend constexpr Point operator+(Point a, Point b) { return {a.X + b.X, a.Y + b.Y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.X - b.X, a.Y - b.Y}; }
    friend constexpr bool operator==(Point, Point) = default;
};

// The one rectangle type: a control's box in its window, a window's outer box on the
// screen. Right and Bottom are exclusive.
struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    static constexpr Box FromEdges(int left, int top, int right, int bottom) {
        return {left, top, right - left, bottom - top};
    }
    constexpr int Right() const { return Left + Width; }
    constexpr int Bottom() const { return Top + Height; }
    friend constexpr bool operator==(const Box&, const Box&) = default;
};

// How far a window's client area lies inside its outer box on each side: the frame and,
// on top, the caption bar.
struct Insets {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend constexpr bool operator==(const Insets&, const Insets&) = default;
};

// 0xAARRGGBB, the layout of the colour constants in style.h.
using Rgb = std::uint32_t;

enum class MouseButton { None, Left, Right, Middle };

// A top-level window of the program as its window layer knows it (a widget under Qt, a
// window handle under Win32); opaque above the implementations. The operating-system
// services take it.
struct TopWindow;

// A picture in the XPM text form: its lines, header first, as the icons are drawn.
using Xpm = const char* const*;

// Horizontal placement of a caption; vertically every caption is placed by its ink.
enum class Align { Left, Centre, Right };

}  // namespace abacone
