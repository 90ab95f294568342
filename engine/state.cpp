#include "engine/calc_state.h"
#include "engine/display.h"

namespace abacone {

CalcState State;
DisplayRecord Display;

void ResetEngine() {
    State = CalcState{};
    Display = DisplayRecord{};
}

}  // namespace abacone
