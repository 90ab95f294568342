#include "ui/binwindow/binwindow.h"

#include <memory>

#include "ui/binwindow/logic/binwindow_logic.h"
#include "ui/binwindow/tform3.h"
#include "ui/geometry/open_flags.h"
#include "ui/geometry/window_geometry.h"
#include "ui/shared/main_metrics.h"

namespace abacone {

void OpenBinaryWindow() {
    // A second window would take over the global and clear the flag under the first.
    if (Form3) return;
    auto window = std::make_unique<TForm3>();
    Form3 = window.get();
    window->ShowBinary(BinaryWindowText());
    const Point at = BinaryWindowOpenPlace(CurrentMainMetrics());
    window->SetPosition(at.X, at.Y);
    BinaryWindowHeight = window->Height();
    // The main window keeps its own stay-on-top flag across the modal run, and the run
    // hands the activation back to it.
    window->ShowModal();
    Form3 = nullptr;
    window.reset();
    BinaryWindowOpen = 0;
}

Form* BinaryWindowForm() { return Form3; }

}  // namespace abacone
