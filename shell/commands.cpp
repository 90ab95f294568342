#include "shell/commands.h"

#include "platform/application.h"
#include "platform/form.h"

namespace abacone {

// Placement and display modes arrive with the window-placement work; until then these
// commands leave the window as it is.
void MoveToBottomRight() {}
void MoveToBottomLeft() {}
void MoveToTopRight() {}
void MoveToTopLeft() {}
void MoveToCentre() {}
void NudgeUp() {}
void NudgeDown() {}
void NudgeLeft() {}
void NudgeRight() {}
void ToggleStayOnTop() {}
void ToggleCaption() {}
void ToggleExtendedKeypad() {}
void ToggleAttachMode() {}
void ShowAbout() {}
void MinimiseCalculator() {}

void ExitCalculator() {
    if (Form* main = MainForm()) main->Close();
}

}  // namespace abacone
