#include "cli/help.h"

namespace abacone::cli {

const char* const HelpText =
    "Usage: abacone-calc [--hex] [--bin] [--sum] [TEXT...]\n"
    "Evaluates each TEXT, or else each line of standard input, from a cleared calculator\n"
    "and prints what the decimal display then shows (\"Error\" in the error state).\n"
    "  --hex   add a column: the hexadecimal display (integer part, 32-bit)\n"
    "  --bin   add a column: the binary text, four digits per hexadecimal digit\n"
    "  --sum   print one line instead: the total of every line and tab-separated cell\n"
    "          that holds a digit, each evaluated on its own (\"Error\" if one fails)\n"
    "  --      every later argument is a TEXT, even if it starts with \"--\"\n"
    "\n"
    "Keys, evaluated strictly left to right (no precedence):\n"
    "  0-9 .      digits and the point; a number takes at most 15 digits\n"
    "  + - * /    add, subtract, multiply, divide; \\ (backslash) is the remainder\n"
    "  =          finish the calculation; the end of the line does the same\n"
    "  r          square root          c   cut the fraction of the result\n"
    "  p          sign of the typed number    m   make the typed number negative\n"
    "  P          sign of the result\n"
    "  C          divide by 1024       T   divide by 60\n"
    "  0x1F 0b101 a hexadecimal or binary number (32-bit, 0xFFFFFFFF is -1)\n"
    "UTF-8 full-width digits and ．＋－＊／＝, and × ÷ −, count as their ASCII keys.\n"
    "Blanks, commas, brackets, other letters and other non-ASCII characters are skipped;\n"
    "a control character (such as a tab) ends the line's calculation. Results beyond\n"
    "+-99999999999999 and division by zero give \"Error\".\n";

}  // namespace abacone::cli
