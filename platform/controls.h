// Control tables. A window lists its labels and panels as ControlSpec rows (name, kind,
// box, caption, hint, spoken name, keyboard key, alignment, colour, font, click handler,
// double-click rule, mouse down handler) and builds them with BuildControls; edit boxes
// and push buttons come from AddEdit and AddButton. A control sits on its window's client
// area or, where `parent` is given, on a panel. Every control carries its name, which
// Form::Control finds.
// The spoken name and the keyboard key are what screen readers say: a panel with a click
// handler becomes a key (a push button), a label with a spoken name a display (read-only
// text). Every implementation of the window layer takes them from these tables.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/panel.h"
#include "platform/style.h"
#include "platform/window_types.h"

namespace abacone {

enum class ControlKind {
    Label,  // no bevel
    Panel,  // one-pixel raised bevel
};

enum class DoubleClick {
    Ignore,   // a double-click acts once (the click before it)
    AsClick,  // the double-click event calls the click handler again: two presses
};

template <class T>
struct ControlSpec {
    const char* Name;
    ControlKind Kind;
    Box Bounds;
    const char* Caption;
    const char* Hint;
    const char* Spoken;  // the name said for it; null: the caption
    const char* Keys;    // its keyboard key, for the spoken description; null: none
    Align Alignment;
    Rgb Background;
    FontSpec Font;
    void (T::*Click)();
    DoubleClick Double;
    void (T::*MouseDown)(MouseButton, Point) = nullptr;
};

// What every implementation's AddPanel sets on the panel it makes.
inline void StylePanel(Panel& p, ControlKind kind, std::string_view caption, std::string_view hint, Align alignment,
                       Rgb background, const FontSpec& font) {
    p.SetBevel(kind == ControlKind::Panel ? 1 : 0);
    p.SetAlignment(alignment);
    p.SetColor(background);
    p.SetFont(font);
    p.SetCaption(caption);
    if (!hint.empty()) p.SetHint(hint);
}

Panel* AddPanel(Form& form, Panel* parent, const char* name, ControlKind kind, Box box, std::string_view caption,
                std::string_view hint, Align alignment, Rgb background, const FontSpec& font);
// Edit boxes and buttons take part in their window's key dispatch.
Edit* AddEdit(Form& form, Panel* parent, const char* name, Box box);
Button* AddButton(Form& form, Panel* parent, const char* name, Box box, std::string_view caption,
                  std::string_view hint);
// The hint first, as it said before; then how to reach the key from the keyboard.
inline std::string KeyDescription(std::string_view hint, const char* keys) {
    std::string text(hint);
    for (char& c : text)
        if (c == '\n') c = ' ';
    if (!text.empty()) text += "。";
    if (keys) text = text + "キー: " + keys + "。";
    return text;
}

// Makes the panel a key or a display to assistive technology (see above). In the header:
// the neutral library never calls into an implementation of the layer.
inline void DescribePanel(Panel& panel, bool key, const char* spoken, const char* keys) {
    if (!key && !spoken) return;
    panel.SetRole(key ? PanelRole::Key : PanelRole::Display);
    if (spoken) panel.SetAccessibleName(spoken);
    if (!key) return;
    panel.SetAccessibleDescription(KeyDescription(panel.Hint(), keys) + "フォーカスがあるときは" + PressKeyName +
                                   "キーで押す");
}

// A push button is told like a key: its spoken name, and its hint and keys as description.
inline void DescribeButton(Button& button, const char* spoken, std::string_view hint, const char* keys) {
    if (spoken) button.SetAccessibleName(spoken);
    button.SetAccessibleDescription(KeyDescription(hint, keys));
}

template <class T>
std::vector<Panel*> BuildControls(T& form, Panel* parent, std::span<const ControlSpec<T>> table) {
    std::vector<Panel*> panels;
    panels.reserve(table.size());
    for (const ControlSpec<T>& s : table) {
        Panel* p =
            AddPanel(form, parent, s.Name, s.Kind, s.Bounds, s.Caption, s.Hint, s.Alignment, s.Background, s.Font);
        if (s.Click) {
            p->OnClick = [&form, click = s.Click] { (form.*click)(); };
            if (s.Double == DoubleClick::AsClick) p->OnDblClick = p->OnClick;
        }
        DescribePanel(*p, s.Kind == ControlKind::Panel && s.Click, s.Spoken, s.Keys);
        if (s.MouseDown) p->OnMouseDown = [&form, down = s.MouseDown](MouseButton b, Point at) { (form.*down)(b, at); };
        panels.push_back(p);
    }
    return panels;
}

}  // namespace abacone
