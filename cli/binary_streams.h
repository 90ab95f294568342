// Standard input and output carry bytes exactly as they are, on every system.
#pragma once

namespace abacone::cli {

// On Windows the C runtime opens the standard streams in text mode: it would write
// "\r\n" for every "\n" and stop reading at the first Ctrl+Z. Elsewhere does nothing.
void UseBinaryStandardStreams();

}  // namespace abacone::cli
