// Commands of the main window that act on the window itself: placement, display modes,
// the about box, minimising and exit. The main window's handlers reach them through the
// WindowCommands interface that start-up installs.
#pragma once

#include "ui/main/window_commands.h"

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

// All of the above as the main window's WindowCommands.
WindowCommands& ShellCommands();

}  // namespace abacone
