#include "ui/binwindow/tform3.h"

#include "platform/application.h"
#include "ui/binwindow/logic/binwindow_logic.h"
#include "ui/geometry/window_geometry.h"
#include "ui/shared/main_metrics.h"

namespace abacone {

void TForm3::ShowBinary(std::string_view text) { label1_->SetCaption(text); }

void TForm3::Button1Click() { Close(); }
void TForm3::KX1Click() { Close(); }
void TForm3::Label1Click() { CopyBinaryValue(); }
void TForm3::Button2Click() { CopyBinaryValue(); }
void TForm3::KC1Click() { CopyBinaryValue(); }

void TForm3::up1Click() { Nudge(NudgeDirection::Up); }
void TForm3::down1Click() { Nudge(NudgeDirection::Down); }
void TForm3::left1Click() { Nudge(NudgeDirection::Left); }
void TForm3::right1Click() { Nudge(NudgeDirection::Right); }
void TForm3::def1Click() { MoveTo(BinaryWindowDefaultPlace(CurrentMainMetrics())); }

void TForm3::FormMouseDown(MouseButton button, Point globalPos) { DragByBody(button, globalPos); }
void TForm3::MouseDown(MouseButton button, Point globalPos) { FormMouseDown(button, globalPos); }

void TForm3::KeyPress(char32_t& key) {
    // The close button's access letter presses it also without Alt, as no control here
    // takes typed text.
    if (key == U'x' || key == U'X') {
        key = 0;
        Button1Click();
    }
}

void TForm3::Shown(bool) { button1_->SetFocus(); }

void TForm3::Nudge(NudgeDirection direction) {
    MoveTo(NudgeWindow({Left(), Top()}, Width(), Height(), direction, ScreenWidth(), ScreenHeight()));
}

void TForm3::MoveTo(Point at) { SetPosition(at.X, at.Y); }

}  // namespace abacone
