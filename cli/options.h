// Command line of abacone-calc.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace abacone::cli {

struct Options {
    bool Hex = false;  // add the hexadecimal display column
    bool Bin = false;  // add the binary text column
    bool Sum = false;  // one line: the total of every line and cell
    bool Help = false;
    std::vector<std::string_view> Texts;  // calculations given as arguments
    std::string Error;                    // set when the command line cannot be used
};

// Options may stand anywhere; "--" makes every later argument a calculation text.
// Anything not starting with "--" is a text, so "-5+3" is a calculation.
Options ParseOptions(int argc, const char* const* argv);

}  // namespace abacone::cli
