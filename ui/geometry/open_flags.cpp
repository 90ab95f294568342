#include "ui/geometry/open_flags.h"

namespace abacone {

int BinaryWindowOpen = 0;
int BinaryWindowHeight = 0;
int HexPadOpen = 0;

void ResetOpenFlags() {
    BinaryWindowOpen = 0;
    BinaryWindowHeight = 0;
    HexPadOpen = 0;
}

}  // namespace abacone
