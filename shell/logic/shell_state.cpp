#include "shell/logic/shell_state.h"

namespace abacone {

int HiddenStart = 0;
int ActiveClientHeight = CompactClientHeight;
int ExtendedKeypad = 0;

void ResetShellState() {
    HiddenStart = 0;
    ActiveClientHeight = CompactClientHeight;
    ExtendedKeypad = 0;
}

}  // namespace abacone
