#include "platform/button.h"

namespace abacone {

int AccessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char c = caption[i + 1];
        if (c == '&') {
            ++i;
            continue;
        }
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return 0;
    }
    return 0;
}

}  // namespace abacone
