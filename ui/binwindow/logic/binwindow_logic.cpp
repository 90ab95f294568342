#include "ui/binwindow/logic/binwindow_logic.h"

#include <algorithm>
#include <iterator>

#include "engine/render.h"
#include "platform/services/services.h"

namespace abacone {

std::string BinaryWindowText() { return RenderBases(FormatValue(State.Accumulator)).BinaryText; }

std::string BinaryCopyText() {
    const std::string binary = BinaryWindowText();
    std::string text = "0b";
    const auto scanned = binary.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(binary.size(), 64));
    std::copy_if(binary.begin(), scanned, std::back_inserter(text), [](char c) { return c != ' '; });
    return text;
}

void CopyBinaryValue() { Clipboard().SetText(BinaryCopyText()); }

}  // namespace abacone
