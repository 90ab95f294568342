#include "engine/calc_state.h"
#include "engine/display.h"
#include "engine/engine_internal.h"

namespace abacone {

CalcState State;
DisplayRecord Display;

void ResetEngine() {
    State = CalcState{};
    Display = DisplayRecord{};
    ForgetAccumulatorLength();
}

}  // namespace abacone
