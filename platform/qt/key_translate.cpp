#include "platform/qt/key_translate.h"

#include <QGuiApplication>

namespace abacone {
namespace {

enum class Platform { Other, X11, Windows };

Platform CurrentPlatform() {
    static const Platform platform = [] {
        const QString name = QGuiApplication::platformName();
        if (name == QLatin1String("xcb")) return Platform::X11;
        if (name == QLatin1String("windows")) return Platform::Windows;
        return Platform::Other;
    }();
    return platform;
}

int KeypadVk(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::Numpad0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::Decimal;
    case Qt::Key_Slash: return vk::Divide;
    default: return 0;  // the other keypad keys name themselves (Home, Enter, ...)
    }
}

// The digits a US keyboard types with Shift on the digit row.
int ShiftedDigit(int key) {
    static constexpr int symbols[10] = {Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
                                        Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                        Qt::Key_Asterisk,   Qt::Key_ParenLeft};
    for (int d = 0; d < 10; ++d)
        if (symbols[d] == key) return '0' + d;
    return 0;
}

int NamedKeyVk(int key) {
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Clear: return vk::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return vk::Alt;
    case Qt::Key_Pause: return vk::Pause;
    case Qt::Key_CapsLock: return vk::Capital;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Print: return vk::Print;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return vk::LWin;
    case Qt::Key_Super_R: return vk::RWin;
    case Qt::Key_Menu: return vk::Apps;
    case Qt::Key_NumLock: return vk::NumLock;
    case Qt::Key_ScrollLock: return vk::Scroll;
    case Qt::Key_Semicolon: return vk::Oem1;
    case Qt::Key_Equal: return vk::OemPlus;
    case Qt::Key_Comma: return vk::OemComma;
    case Qt::Key_Minus: return vk::OemMinus;
    case Qt::Key_Period: return vk::OemPeriod;
    case Qt::Key_Slash: return vk::Oem2;
    case Qt::Key_QuoteLeft: return vk::Oem3;
    case Qt::Key_BracketLeft: return vk::Oem4;
    case Qt::Key_Backslash: return vk::Oem5;
    case Qt::Key_BracketRight: return vk::Oem6;
    case Qt::Key_Apostrophe: return vk::Oem7;
    default: return 0;
    }
}

// What Win32 would type: Ctrl turns a letter into its control code and swallows other
// printable characters; Alt alone types nothing (the system takes it for access letters).
char32_t TypedChar(const QString& text, bool ctrl, bool alt) {
    if (text.isEmpty()) return 0;
    char32_t c = text.at(0).unicode();
    if (text.at(0).isHighSurrogate() && text.size() > 1) c = QChar::surrogateToUcs4(text.at(0), text.at(1));
    if (c == 0x7F) return 0;  // Delete types nothing
    if (alt && !ctrl) return 0;
    if (ctrl && !alt) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return c & 0x1F;
        if (c >= 0x20 && c != ' ') return 0;
    }
    return c;
}

}  // namespace

int VkFromX11Keycode(quint32 keycode) {
    // evdev key codes 10..19 are the digit row 1..9, 0 on every layout.
    if (keycode >= 10 && keycode <= 18) return '1' + int(keycode - 10);
    if (keycode == 19) return '0';
    return 0;
}

int VkFromQtKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier)
        if (int k = KeypadVk(key)) return k;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
    if (modifiers & Qt::ShiftModifier)
        if (int d = ShiftedDigit(key)) return d;
    if (key == Qt::Key_Plus) return vk::OemPlus;
    return NamedKeyVk(key);
}

KeyStroke TranslateKey(const QKeyEvent& event) {
    KeyStroke k;
    const Qt::KeyboardModifiers m = event.modifiers();
    k.Shift = m & Qt::ShiftModifier;
    k.Ctrl = m & Qt::ControlModifier;
    k.Alt = m & Qt::AltModifier;
    k.AutoRepeat = event.isAutoRepeat();
    switch (CurrentPlatform()) {
    case Platform::Windows: k.Vk = int(event.nativeVirtualKey() & 0xFF); break;
    case Platform::X11:
        if (!(m & Qt::KeypadModifier)) k.Vk = VkFromX11Keycode(event.nativeScanCode());
        break;
    case Platform::Other: break;
    }
    if (k.Vk == 0) k.Vk = VkFromQtKey(event.key(), m);
    k.Char = TypedChar(event.text(), k.Ctrl, k.Alt);
    return k;
}

}  // namespace abacone
