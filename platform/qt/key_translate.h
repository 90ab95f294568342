// Turns a Qt key event into the KeyStroke of keycodes.h. Form (form.h) calls this for
// every key; a window never sees a QKeyEvent itself.
#pragma once

#include <QKeyEvent>

#include "platform/services/keycodes.h"

namespace abacone {

// The shortcut key is the key itself, not the character the layout makes of it: on X11
// the digit row is read from the physical key code, so Shift+Ctrl+3 stays '3' on every
// layout; on Windows the native virtual key is taken as it is.
KeyStroke TranslateKey(const QKeyEvent& event);

// The virtual key for a Qt key code. Without a physical key code, a US shifted digit
// symbol ("#" for Shift+3) is read as its digit when Shift is held.
int VkFromQtKey(int key, Qt::KeyboardModifiers modifiers);
// The digit-row virtual key for an X11 (evdev) key code, or 0 for any other key.
int VkFromX11Keycode(quint32 keycode);

}  // namespace abacone
