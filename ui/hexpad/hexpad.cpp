#include "ui/hexpad/hexpad.h"

#include <memory>

#include "engine/calc_state.h"
#include "platform/application.h"
#include "ui/geometry/window_geometry.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/hexpad/tform4.h"
#include "ui/shared/main_metrics.h"

namespace abacone {

void OpenHexPad() {
    if (State.ErrorLatched || State.EntryLength != 0 || Form4) return;
    auto pad = std::make_unique<TForm4>();
    Form4 = pad.get();
    const Point at = HexPadPlace(CurrentMainMetrics(), pad->Height(), ScreenHeight());
    pad->SetPosition(at.X, at.Y);
    pad->ShowModal();
    Form4 = nullptr;
    pad.reset();
    HexPadOpen = 0;
}

}  // namespace abacone
