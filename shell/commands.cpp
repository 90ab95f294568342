#include "shell/commands.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/services/services.h"
#include "platform/timer.h"
#include "shell/lifecycle.h"
#include "shell/logic/shell_state.h"
#include "ui/geometry/placement.h"

namespace abacone {
namespace {

void JumpTo(Jump jump) {
    Form* main = ShellMainForm();
    if (!main) return;
    const Point at = JumpPlace(jump, main->Width(), main->Height(), {ScreenWidth(), ScreenHeight()});
    main->SetPosition(at.X, at.Y);
}

void Nudge(NudgeDirection direction) {
    Form* main = ShellMainForm();
    if (!main) return;
    const Point at = NudgeWindow({main->Left(), main->Top()}, main->Width(), main->Height(), direction, ScreenWidth(),
                                 ScreenHeight());
    main->SetPosition(at.X, at.Y);
}

constexpr char AboutText[] =
    "Abacone for Win.2kPro./NT4WS/9x\r"
    "\tversion 1.23\r"
    "\r"
    "Abacone contributors";

void ToggleStayOnTop() {
    if (!ShellMainForm() || MenuMark("AttachWin")) return;  // the attach mode needs it on
    const bool on = !MenuMark("MTop");
    SetMenuMark("MTop", on);
    Reframe([on](Form& main) { main.SetStayOnTop(on); });
}

void ToggleCaption() {
    if (!ShellMainForm()) return;
    const bool on = !MenuMark("MCapt");
    SetMenuMark("MCapt", on);
    Reframe([on](Form& main) { main.SetBorderStyle(on ? BorderStyle::Single : BorderStyle::None); });
}

void ToggleExtendedKeypad() {
    Form* main = ShellMainForm();
    if (!main) return;
    if (ExtendedKeypad == 0) {
        main->SetClientHeight(ExtendedClientHeight);
        ActiveClientHeight = ExtendedClientHeight;
        ExtendedKeypad = 1;
        main->SetTop(ExtendedKeypadTop(main->Top(), main->Height(), ScreenHeight()));
    } else {
        main->SetClientHeight(CompactClientHeight);
        ActiveClientHeight = CompactClientHeight;
        ExtendedKeypad = 0;
    }
}

void ToggleAttachMode() {
    Timer* timer = Timer1();
    if (!timer || !MenuMark("MTop")) return;
    if (MenuMark("AttachWin")) {
        timer->SetEnabled(false);
        SetMenuMark("AttachWin", false);
        JumpTo(Jump::BottomRight);
    } else {
        SetMenuMark("AttachWin", true);
        timer->SetEnabled(true);
    }
}

void ExitCalculator() {
    // Closing the main window ends the program.
    if (Form* main = MainForm()) main->Close();
}

}  // namespace

void RunShellCommand(WindowCommand command) {
    switch (command) {
    case WindowCommand::MoveToBottomRight: return JumpTo(Jump::BottomRight);
    case WindowCommand::MoveToBottomLeft: return JumpTo(Jump::BottomLeft);
    case WindowCommand::MoveToTopRight: return JumpTo(Jump::TopRight);
    case WindowCommand::MoveToTopLeft: return JumpTo(Jump::TopLeft);
    case WindowCommand::MoveToCentre: return JumpTo(Jump::Centre);
    case WindowCommand::NudgeUp: return Nudge(NudgeDirection::Up);
    case WindowCommand::NudgeDown: return Nudge(NudgeDirection::Down);
    case WindowCommand::NudgeLeft: return Nudge(NudgeDirection::Left);
    case WindowCommand::NudgeRight: return Nudge(NudgeDirection::Right);
    case WindowCommand::ToggleStayOnTop: return ToggleStayOnTop();
    case WindowCommand::ToggleCaption: return ToggleCaption();
    case WindowCommand::ToggleExtendedKeypad: return ToggleExtendedKeypad();
    case WindowCommand::ToggleAttachMode: return ToggleAttachMode();
    case WindowCommand::ShowAbout: return Messages().Show("About me", AboutText, MessageIcon::Information);
    case WindowCommand::MinimiseCalculator: return KQ1Click();
    case WindowCommand::ExitCalculator: return ExitCalculator();
    case WindowCommand::Count: return;
    }
}

}  // namespace abacone
