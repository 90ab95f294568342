#include "shell/logic/command_line.h"

#include <string_view>

namespace abacone {
namespace {

// Blanks and control characters, as the trimming of arguments counts them.
bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

unsigned ParseStartOptions(std::span<const std::string> args) {
    unsigned options = 0;
    for (const std::string& arg : args) {
        std::string_view word = Trim(arg);
        if (!word.empty() && (word.front() == '/' || word.front() == '-')) word.remove_prefix(1);
        for (char c : word) {
            switch (c) {
            case 'h':
            case 'H': options |= HideOption; break;
            case 't':
            case 'T': options |= NoTopmostOption; break;
            case 'p':
            case 'P': options |= KeepPriorityOption; break;
            default: break;
            }
        }
    }
    return options;
}

}  // namespace abacone
