// Key sequences and the text Ctrl+C then copies, played by the end-to-end tests of the
// Linux program and of the Windows program under Wine alike. Each case starts from a
// cleared calculator (Esc), types its characters, presses its key (an xdotool key name,
// or none) and copies. Neighbouring cases copy different texts, so a copy that
// did not happen cannot pass for the next one.
#pragma once

#include <array>

namespace abacone::e2e {

struct KeySequence {
    const char* Typed;
    const char* Keys;
    const char* Copied;
};

inline constexpr std::array<KeySequence, 10> SharedKeySequences{{
    // Shift+Ctrl+digit shortcuts match the digit key, whatever the layout puts on it.
    {"254", "ctrl+shift+1", "10"},
    {"10", "ctrl+shift+3", "254"},
    {"254", "ctrl+shift+2", "100"},
    {"100", "ctrl+shift+4", "254"},
    {"24", "ctrl+shift+5", "2"},
    {"2", "ctrl+shift+6", "24"},
    {"8", "ctrl+3", "6"},
    // Typed characters come from the layout: "*" and "/" need Shift on most of them.
    {"6*7=", "", "42"},
    {"5+3", "Return", "8"},
    {"84/2=", "", "42"},
}};

}  // namespace abacone::e2e
