// The menu commands that act on the main window as a whole (placement, display modes,
// the about box, minimising, exit) are the shell's: it installs its implementation at
// start-up, tests install a fake. Until one is installed they do nothing, so the window
// can be built and used without the shell.
#pragma once

namespace abacone {

class WindowCommands {
public:
    virtual ~WindowCommands() = default;

    virtual void MoveToBottomRight() = 0;
    virtual void MoveToBottomLeft() = 0;
    virtual void MoveToTopRight() = 0;
    virtual void MoveToTopLeft() = 0;
    virtual void MoveToCentre() = 0;
    virtual void NudgeUp() = 0;
    virtual void NudgeDown() = 0;
    virtual void NudgeLeft() = 0;
    virtual void NudgeRight() = 0;

    virtual void ToggleStayOnTop() = 0;
    virtual void ToggleCaption() = 0;
    virtual void ToggleExtendedKeypad() = 0;
    virtual void ToggleAttachMode() = 0;

    virtual void ShowAbout() = 0;
    virtual void MinimiseCalculator() = 0;
    virtual void ExitCalculator() = 0;
};

// Null puts back the do-nothing set.
void SetWindowCommands(WindowCommands* commands);
WindowCommands& Commands();

}  // namespace abacone
