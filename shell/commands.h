// Commands of the main window that act on the window itself: placement, display modes,
// the about box, minimising and exit. The main window's handlers call one each.
#pragma once

namespace abacone {

void MoveToBottomRight();
void MoveToBottomLeft();
void MoveToTopRight();
void MoveToTopLeft();
void MoveToCentre();
void NudgeUp();
void NudgeDown();
void NudgeLeft();
void NudgeRight();

void ToggleStayOnTop();
void ToggleCaption();
void ToggleExtendedKeypad();
void ToggleAttachMode();

void ShowAbout();
void MinimiseCalculator();
// Closes the main window, which ends the program.
void ExitCalculator();

}  // namespace abacone
