// The fixed order every key stroke passes in a window, whatever toolkit delivers it: the
// popup menu's shortcuts (hidden entries included; a match takes the stroke), the menu
// key, Tab's focus move, then the window's key-down handler, Enter for the focused or
// default button and Alt+letter for access letters, then the character handler. Each
// implementation of the window layer turns its key events into KeyStrokes and lets this
// decide, so the order is the same on every system.
#pragma once

#include <functional>

#include "platform/services/keycodes.h"

namespace abacone {

class Button;
class PopupMenu;

enum class KeyResult {
    Taken,      // handled: the focused control must not see it
    PassOn,     // the focused control gets the key
    FocusMove,  // Tab: the toolkit moves the focus
};

// What the dispatch asks of a window.
class KeyWindow {
public:
    virtual const PopupMenu* ShortcutMenu() const = 0;  // null: none
    virtual bool MenuKeyOpensMenu() const = 0;
    virtual void OpenMenuAtWindow() = 0;
    // Runs a handler as an event of the window (errors shown, the window rendered after).
    virtual void RunHandler(const std::function<void()>& handler) = 0;
    virtual bool KeyDownHandler(const KeyStroke& stroke) = 0;
    virtual void KeyPressHandler(char32_t& key) = 0;
    // The button Enter presses: the window's focused button, else its default one.
    virtual Button* EnterButton() = 0;
    // A shown button of the window whose access letter is this virtual key.
    virtual Button* AccessButton(int vk) = 0;
    // Clicks the button unless it is disabled.
    virtual void Press(Button& button) = 0;

protected:
    ~KeyWindow() = default;
};

KeyResult DispatchKey(KeyWindow& window, const KeyStroke& stroke);

}  // namespace abacone
