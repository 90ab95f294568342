// The attach-mode timer: while the user works in another program, the shrunken
// calculator sits on the foreground window's top-left corner, above it, without taking
// the activation; the binary window comes along underneath.
#include "platform/application.h"
#include "platform/form.h"
#include "platform/os/os_services.h"
#include "shell/lifecycle.h"
#include "shell/logic/attach.h"
#include "ui/binwindow/binwindow.h"
#include "ui/geometry/open_flags.h"

namespace abacone {

void Timer1Timer() {
    Form* main = ShellMainForm();
    if (!main) return;
    AttachView view;
    view.MainIconic = main->Minimized();
    view.MainHeight = main->Height();
    view.ApplicationActive = ApplicationActive();
    if (view.MainIconic || view.MainHeight >= AttachMaxHeight || view.ApplicationActive) return;

    OsServices& os = Os();
    const NativeWindow foreground = os.ForegroundWindow();
    if (foreground) {
        if (const auto frame = os.FrameRect(foreground)) {
            view.Foreground = ForegroundWindow{*frame, os.IsIconic(foreground)};
        }
    }
    view.Desktop = DesktopBox();
    view.ScreenHeight = ScreenHeight();
    Form* binary = BinaryWindowForm();
    view.BinaryWindowOpen = BinaryWindowOpen && binary;
    view.BinaryWindowHeight = binary ? binary->Height() : 0;

    const AttachMoves moves = AttachStep(view);
    if (moves.Main) {
        main->SetPosition(moves.Main->X, moves.Main->Y);
        os.RaiseAbove(main->Handle(), foreground);
    }
    if (moves.Binary && binary) {
        binary->SetPosition(moves.Binary->X, moves.Binary->Y);
        os.RaiseAbove(binary->Handle(), foreground);
    }
}

}  // namespace abacone
