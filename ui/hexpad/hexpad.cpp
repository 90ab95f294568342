#include "ui/hexpad/hexpad.h"

namespace abacone {

void OpenHexPad() {}  // placeholder until the pad exists

}  // namespace abacone
