#include "ui/binwindow/binwindow.h"

namespace abacone {

void OpenBinaryWindow() {}  // placeholder until the window exists

}  // namespace abacone
