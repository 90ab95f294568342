#include "shell/commands.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/services/services.h"
#include "platform/timer.h"
#include "shell/lifecycle.h"
#include "ui/geometry/placement.h"
#include "shell/logic/shell_state.h"

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
    const Point at = NudgeWindow({main->Left(), main->Top()}, main->Width(), main->Height(),
                                       direction, ScreenWidth(), ScreenHeight());
    main->SetPosition(at.X, at.Y);
}

constexpr char AboutText[] =
    "Abacone for Win.2kPro./NT4WS/9x\r"
    "\tversion 1.23\r"
    "\r"
    "Abacone contributors";

}  // namespace

void MoveToBottomRight() { JumpTo(Jump::BottomRight); }
void MoveToBottomLeft() { JumpTo(Jump::BottomLeft); }
void MoveToTopRight() { JumpTo(Jump::TopRight); }
void MoveToTopLeft() { JumpTo(Jump::TopLeft); }
void MoveToCentre() { JumpTo(Jump::Centre); }
void NudgeUp() { Nudge(NudgeDirection::Up); }
void NudgeDown() { Nudge(NudgeDirection::Down); }
void NudgeLeft() { Nudge(NudgeDirection::Left); }
void NudgeRight() { Nudge(NudgeDirection::Right); }

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
        MoveToBottomRight();
    } else {
        SetMenuMark("AttachWin", true);
        timer->SetEnabled(true);
    }
}

void ShowAbout() { Messages().Show("About me", AboutText, MessageIcon::Information); }

void MinimiseCalculator() { KQ1Click(); }

void ExitCalculator() {
    if (Form* main = MainForm()) main->Close();
}

namespace {

class Forwarder final : public WindowCommands {
public:
    void MoveToBottomRight() override { abacone::MoveToBottomRight(); }
    void MoveToBottomLeft() override { abacone::MoveToBottomLeft(); }
    void MoveToTopRight() override { abacone::MoveToTopRight(); }
    void MoveToTopLeft() override { abacone::MoveToTopLeft(); }
    void MoveToCentre() override { abacone::MoveToCentre(); }
    void NudgeUp() override { abacone::NudgeUp(); }
    void NudgeDown() override { abacone::NudgeDown(); }
    void NudgeLeft() override { abacone::NudgeLeft(); }
    void NudgeRight() override { abacone::NudgeRight(); }
    void ToggleStayOnTop() override { abacone::ToggleStayOnTop(); }
    void ToggleCaption() override { abacone::ToggleCaption(); }
    void ToggleExtendedKeypad() override { abacone::ToggleExtendedKeypad(); }
    void ToggleAttachMode() override { abacone::ToggleAttachMode(); }
    void ShowAbout() override { abacone::ShowAbout(); }
    void MinimiseCalculator() override { abacone::MinimiseCalculator(); }
    void ExitCalculator() override { abacone::ExitCalculator(); }
};

}  // namespace

WindowCommands& ShellCommands() {
    static Forwarder commands;
    return commands;
}

}  // namespace abacone
