#include "platform/key_dispatch.h"

#include "platform/menu.h"

namespace abacone {

KeyResult DispatchKey(KeyWindow& window, const KeyStroke& stroke) {
    const bool plain = !stroke.Shift && !stroke.Ctrl && !stroke.Alt;
    if (const PopupMenu* menu = window.ShortcutMenu()) {
        if (const MenuItem* item = menu->FindShortcut(ShortcutCode(stroke))) {
            if (!(item->FreshPressOnly && stroke.AutoRepeat)) window.RunHandler(item->OnClick);
            return KeyResult::Taken;
        }
        if (stroke.Vk == vk::Apps && plain && window.MenuKeyOpensMenu()) {
            window.OpenMenuAtWindow();
            return KeyResult::Taken;
        }
    }
    if (stroke.Vk == vk::Tab && !stroke.Ctrl) return KeyResult::FocusMove;

    KeyResult result = KeyResult::PassOn;
    Button* press = nullptr;
    window.RunHandler([&] {
        if (window.KeyDownHandler(stroke)) {
            result = KeyResult::Taken;
            return;
        }
        if (stroke.Vk == vk::Return && !stroke.Ctrl && !stroke.Alt)
            press = window.EnterButton();
        else if (stroke.Alt && !stroke.Ctrl)
            press = window.AccessButton(stroke.Vk);
        if (press) {
            result = KeyResult::Taken;
            return;
        }
        char32_t c = stroke.Char;
        if (c != 0) {
            window.KeyPressHandler(c);
            if (c == 0) result = KeyResult::Taken;
        }
    });
    // After the handler's event: the click is an event of its own.
    if (press) window.Press(*press);
    return result;
}

}  // namespace abacone
