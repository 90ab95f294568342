// Arbitrary bytes as clipboard text: first from a cleared calculator, then continuing
// from whatever that left (the error cleared), as the two clipboard commands do; then
// added up as a column, as the sum command does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "fuzz/invariants.h"
#include "platform/services/services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace abacone;
    static MemoryClipboard clipboard;
    SetClipboard(&clipboard);

    ResetEngine();
    clipboard.SetText(std::string(reinterpret_cast<const char*>(data), size));
    CalculateFromClipboard(0);
    fuzz::CheckInvariants("CalculateFromClipboard(0)");

    ClearError();
    fuzz::CheckInvariants("ClearError");
    // "@" may have replaced the clipboard; take the text again.
    clipboard.SetText(std::string(reinterpret_cast<const char*>(data), size));
    CalculateFromClipboard(1);
    fuzz::CheckInvariants("CalculateFromClipboard(1)");

    // The same text as a column or table to add up, from a cleared calculator and then
    // going on from that total.
    ResetEngine();
    clipboard.SetText(std::string(reinterpret_cast<const char*>(data), size));
    SumFromClipboard();
    fuzz::CheckInvariants("SumFromClipboard");
    ClearError();
    clipboard.SetText(std::string(reinterpret_cast<const char*>(data), size));
    SumFromClipboard();
    fuzz::CheckInvariants("SumFromClipboard after ClearError");
    return 0;
}
