// What must hold after every engine operation, whatever came before.
#pragma once

namespace abacone::fuzz {

// Aborts with a description of the state when an invariant is broken; `step` names the
// operation that ran last.
void CheckInvariants(const char* step);

}  // namespace abacone::fuzz
