#include "ui/hexpad/tform4.h"

#include <utility>

#include "platform/application.h"
#include "ui/hexpad/logic/hexpad_logic.h"

namespace abacone {

void TForm4::Render() {
    label1_->SetCaption(HexPadLabel1);
    Announce(*label1_, HexPadLabel1);
}

// The pad only becomes active again after the application lost the activation, which
// closes it; so only the first activation counts. On systems that hand the activation
// to the blocked main window and back on a click there, the typed digits stay, and so do
// digits typed ahead that reached the pad before the window manager activated it (the
// pad starts empty anyway).
void TForm4::Active() {
    if (!std::exchange(activated_, true) && HexDigitCount == 0) HexPadReset();
}
void TForm4::Key_Down(int key) { HexPadKeyDown(key); }
void TForm4::Key_Press(char32_t key) { HexPadKeyPress(static_cast<int>(key)); }
void TForm4::Panel3Click(Panel* sender) { HexPadAddDigit(static_cast<unsigned char>(sender->Caption().front())); }
void TForm4::Panel19Click(Panel* sender) { HexPadAddDigit(sender->Tag); }
void TForm4::Panel20Click(Panel*) { HexPadEnter(); }
void TForm4::Panel1Click() { HexPadClose(); }
void TForm4::Panel2Click() { HexPadCopy(); }
void TForm4::FormMouseDown(MouseButton button, Point globalPos) { DragByBody(button, globalPos); }

bool TForm4::KeyDown(const KeyStroke& stroke) {
    Key_Down(stroke.Vk);
    return false;
}

void TForm4::KeyPress(char32_t& key) { Key_Press(key); }
void TForm4::MouseDown(MouseButton button, Point globalPos) { FormMouseDown(button, globalPos); }

void TForm4::AfterEvent() {
    Render();
    // A copy marks the main window's operator indicator: show it now, not after the pad.
    if (Form* main = MainForm(); main && main != this) main->Run({});
}

void TForm4::Activated() {
    Run([this] { Active(); });
}

}  // namespace abacone
