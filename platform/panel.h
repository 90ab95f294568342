// A flat panel or a text label: a fixed box filled with one colour, a caption in one font
// and colour, an optional raised bevel, a hint (tool tip) and mouse callbacks. Windows
// create them from their control tables (controls.h); a click runs through the owning
// Form, so the window renders once the handler is done. The implementation of the window
// layer owns the panel together with its native control.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/style.h"
#include "platform/window_types.h"

namespace abacone {

class Panel {
public:
    struct Impl;  // the native control, defined by the implementation
    explicit Panel(Impl& impl) : impl_(impl) {}
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    std::string Name() const;
    void SetCaption(std::string_view text);
    std::string Caption() const;
    void SetHint(std::string_view text);
    std::string Hint() const;
    void SetAlignment(Align alignment);
    Align Alignment() const;
    // The caption wraps at blanks inside the box, from its top-left corner.
    void SetWordWrap(bool on);
    void SetColor(Rgb background);
    Rgb Color() const;
    void SetFont(const FontSpec& spec);
    Rgb FontColor() const;
    void SetBevel(int width);  // raised bevel of this many pixels; 0: none
    // A label sized to its caption: the box's width and height follow the text.
    void SetAutoSize(bool on);
    Box Bounds() const;  // in the parent's coordinates

    int Tag = 0;  // free integer for the window's own use

    std::function<void()> OnClick;     // left press and release inside the box
    std::function<void()> OnDblClick;  // fast second left press (no second click)
    std::function<void(MouseButton, Point globalPos)> OnMouseDown;

    Impl& Native() const { return impl_; }

private:
    Impl& impl_;
};

}  // namespace abacone
