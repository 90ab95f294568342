#include "ui/main/window_commands.h"

namespace abacone {
namespace {

class NoCommands final : public WindowCommands {
public:
    void MoveToBottomRight() override {}
    void MoveToBottomLeft() override {}
    void MoveToTopRight() override {}
    void MoveToTopLeft() override {}
    void MoveToCentre() override {}
    void NudgeUp() override {}
    void NudgeDown() override {}
    void NudgeLeft() override {}
    void NudgeRight() override {}
    void ToggleStayOnTop() override {}
    void ToggleCaption() override {}
    void ToggleExtendedKeypad() override {}
    void ToggleAttachMode() override {}
    void ShowAbout() override {}
    void MinimiseCalculator() override {}
    void ExitCalculator() override {}
};

NoCommands none;
WindowCommands* installed = &none;

}  // namespace

void SetWindowCommands(WindowCommands* commands) { installed = commands ? commands : &none; }

WindowCommands& Commands() { return *installed; }

}  // namespace abacone
