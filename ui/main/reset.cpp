#include "ui/main/reset.h"

#include "engine/calc_state.h"
#include "functions/functions.h"
#include "ui/geometry/open_flags.h"
#include "ui/hexpad/logic/hexpad_logic.h"

namespace abacone {

void ResetWindowState() {
    ResetEngine();
    ResetFunctions();
    ResetOpenFlags();
    HexPadReset();
}

}  // namespace abacone
