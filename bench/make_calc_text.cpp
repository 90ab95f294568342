// make-calc-text BYTES: writes one line of calculation text of that many bytes.
#include <charconv>
#include <cstdio>
#include <cstring>

#include "bench/calc_text.h"

int main(int argc, char** argv) {
    std::size_t bytes = 0;
    const char* arg = argc == 2 ? argv[1] : "";
    const auto [end, error] = std::from_chars(arg, arg + std::strlen(arg), bytes);
    if (argc != 2 || error != std::errc() || *end != '\0') {
        std::fputs("usage: make-calc-text BYTES\n", stderr);
        return 2;
    }
    std::string text = abacone::bench::MakeCalculationText(bytes);
    text += '\n';
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
