#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/qt/key_translate.h"
#include "platform/services/keycodes.h"

namespace abacone {
namespace {

TEST(ShortcutText, ModifiersInFixedOrderThenKeyName) {
    const struct {
        int Code;
        const char* Text;
    } cases[] = {
        {scCtrl + 'C', "Ctrl+C"},
        {scShift + scCtrl + 'H', "Shift+Ctrl+H"},
        {scCtrl + scAlt + 'A', "Ctrl+Alt+A"},
        {scShift + scCtrl + scAlt + '1', "Shift+Ctrl+Alt+1"},
        {vk::F1, "F1"},
        {scShift + scCtrl + vk::F1, "Shift+Ctrl+F1"},
        {scCtrl + vk::F(12), "Ctrl+F12"},
        {scCtrl + vk::Up, "Ctrl+Up"},
        {scCtrl + vk::End, "Ctrl+End"},
        {vk::Escape, "Esc"},
        {0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortcutText(c.Code), c.Text) << c.Code;
}

struct Stroke {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Text;
    int Vk;
    char32_t Char;
};

TEST(TranslateKey, KeyEventsBecomeVirtualKeysAndTypedCharacters) {
    const auto Shift = Qt::ShiftModifier, Ctrl = Qt::ControlModifier, Alt = Qt::AltModifier, Pad = Qt::KeypadModifier;
    // clang-format off
    const Stroke cases[] = {
        {Qt::Key_3, Shift | Ctrl, "", '3', 0},
        {Qt::Key_NumberSign, Shift | Ctrl, "#", '3', 0},  // the digit, not the symbol
        {Qt::Key_AsciiCircum, Shift | Ctrl, "^", '6', 0},
        {Qt::Key_NumberSign, {}, "#", 0, '#'},  // without Shift "#" has a key of its own
        {Qt::Key_C, Ctrl, "c", 'C', 3},  // Ctrl makes a letter its control code
        {Qt::Key_1, Ctrl, "1", '1', 0},  // and swallows other characters
        {Qt::Key_Space, Ctrl, " ", vk::Space, ' '},
        {Qt::Key_A, Alt, "a", 'A', 0},  // Alt alone types nothing
        {Qt::Key_Z, {}, "z", 'Z', 'z'},
        {Qt::Key_Z, Shift, "Z", 'Z', 'Z'},
        {Qt::Key_1, Pad, "1", vk::Numpad0 + 1, '1'},
        {Qt::Key_Asterisk, Pad, "*", vk::Multiply, '*'},
        {Qt::Key_Slash, Pad, "/", vk::Divide, '/'},
        {Qt::Key_Enter, Pad, "\r", vk::Return, '\r'},
        {Qt::Key_Home, Pad, "", vk::Home, 0},
        {Qt::Key_Return, {}, "\r", vk::Return, '\r'},
        {Qt::Key_Backspace, {}, "\b", vk::Back, '\b'},
        {Qt::Key_Delete, {}, "\x7f", vk::Delete, 0},
        {Qt::Key_Backtab, Shift, "", vk::Tab, 0},
        {Qt::Key_Tab, Ctrl, "\t", vk::Tab, '\t'},
        {Qt::Key_End, Ctrl, "", vk::End, 0},
        {Qt::Key_PageUp, {}, "", vk::Prior, 0},
        {Qt::Key_F9, Ctrl, "", vk::F(9), 0},
        {Qt::Key_Menu, {}, "", vk::Apps, 0},
        {Qt::Key_Backslash, {}, "\\", vk::Oem5, '\\'},
        {Qt::Key_QuoteDbl, Shift, "\"", 0, '"'},
    };
    // clang-format on
    for (const Stroke& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.Key, c.Modifiers, QString::fromLatin1(c.Text));
        const KeyStroke k = TranslateKey(event);
        EXPECT_EQ(k.Vk, c.Vk) << std::hex << c.Key;
        EXPECT_EQ(k.Char, c.Char) << std::hex << c.Key;
        EXPECT_EQ(k.Shift, bool(c.Modifiers & Shift));
        EXPECT_EQ(k.Ctrl, bool(c.Modifiers & Ctrl));
        EXPECT_EQ(k.Alt, bool(c.Modifiers & Alt));
    }
}

TEST(TranslateKey, AutoRepeatIsKept) {
    const QKeyEvent held(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier, QString(), true);
    EXPECT_TRUE(TranslateKey(held).AutoRepeat);
    EXPECT_EQ(ShortcutCode(TranslateKey(held)), scCtrl + vk::End);
}

TEST(TranslateKey, X11DigitRowIsReadFromThePhysicalKey) {
    for (unsigned code = 10; code <= 18; ++code) EXPECT_EQ(VkFromX11Keycode(code), int('1' + code - 10));
    EXPECT_EQ(VkFromX11Keycode(19), '0');
    for (unsigned code : {9u, 20u, 24u, 87u}) EXPECT_EQ(VkFromX11Keycode(code), 0) << code;
}

}  // namespace
}  // namespace abacone
