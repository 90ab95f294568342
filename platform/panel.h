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

// What assistive technology is told the panel is.
enum class PanelRole {
    Plain,    // a caption or a background: said as its text, if any
    Key,      // a push button; its press action and the press key run OnClick
    Display,  // read-only text holding the caption
};

// The key that presses the focused key panel; no window binds it.
inline constexpr const char* PressKeyName = "下矢印";

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

    // Keys are tab stops and take the keyboard focus only from the keyboard; a display
    // holds it only where its window makes it the focus home (Form::SetFocusHome).
    void SetRole(PanelRole role);
    PanelRole Role() const;
    void SetAccessibleName(std::string_view name);         // empty: the caption
    void SetAccessibleDescription(std::string_view text);  // empty: the hint

    int Tag = 0;  // free integer for the window's own use

    std::function<void()> OnClick;     // left press and release inside the box
    std::function<void()> OnDblClick;  // fast second left press (no second click)
    std::function<void(MouseButton, Point globalPos)> OnMouseDown;

    Impl& Native() const { return impl_; }

private:
    Impl& impl_;
};

}  // namespace abacone
