// Idle priority for the whole process, no toolkit involved.
#pragma once

namespace abacone {

// Every thread of the process to the lowest priority the system offers a normal user,
// and the calling thread into the idle class.
void LowerProcessPriority();

}  // namespace abacone
