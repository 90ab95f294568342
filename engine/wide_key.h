// Non-ASCII characters in a calculation text (UTF-8): Japanese documents write numbers
// and operators in full-width forms, typeset text uses ×, ÷ and the minus sign.
#pragma once

#include <cstddef>
#include <string_view>

namespace abacone {

struct WideKey {
    char Key;            // the ASCII key the character stands for; ' ' when it is skipped
    std::size_t Length;  // bytes it takes: the whole character, or 1 for a malformed byte
};

// The character that starts at `text[at]`, a byte of 0x80 or above. Reads no byte past
// the end of `text`; a character cut off there is malformed and skipped byte by byte.
WideKey ReadWideKey(std::string_view text, std::size_t at);

}  // namespace abacone
