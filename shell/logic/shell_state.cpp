#include "shell/logic/shell_state.h"

namespace abacone {

int HiddenStart = 0;
int ActiveClientHeight = 0;
int ExtendedKeypad = 0;

}  // namespace abacone
