// What the main window shows, as a plain record. Engine and memory operations write it;
// the window copies it to its labels once per handled event. The three renderings of
// the main line are derived on demand from the last shown text, so a long clipboard
// calculation formats only what is finally on screen.
#pragma once

#include <string>

namespace abacone {

struct DisplayRecord {
    std::string ShownText = "0";  // text last given to ShowResult or ShowEntry
    bool ShownAsResult = true;    // ShowResult cuts an all-zero fraction; ShowEntry does not
    std::string Label2 = "+";     // operator indicator
    std::string Memory1 = "0", Memory1h = "0", Label5Hint;
    std::string Memory2 = "0", Memory2h = "0", Label8Hint;
    bool Panel4Teal = false;  // the "1" key: M1 holds a value other than zero
    bool Panel5Teal = false;  // the "2" key: the same for M2
};

extern DisplayRecord Display;

std::string Label1Text();    // decimal display line
std::string Label3Text();    // hexadecimal display line
std::string Label4Hint();    // binary text in the hint of the small "h" label
std::string ShownHexText();  // same as Label3Text(): what the hex copy takes

}  // namespace abacone
