#include "cli/line_splitter.h"

namespace abacone::cli {

namespace {

// Index of the first control character, or the size when there is none. A plain loop:
// it runs over every byte of the input, also in unoptimised sanitizer builds.
std::size_t FindControl(std::string_view s) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t size = s.size();
    std::size_t i = 0;
    while (i < size && bytes[i] >= 0x20) ++i;
    return i;
}

}  // namespace

void LineSplitter::Feed(std::string_view chunk) {
    while (!chunk.empty()) {
        if (complete_) {
            const auto lineEnd = chunk.find('\n');
            if (lineEnd == std::string_view::npos) return;  // still inside the skipped tail
            chunk.remove_prefix(lineEnd + 1);
            onText_(text_);
            text_.clear();
            complete_ = false;
            started_ = false;
            continue;
        }
        started_ = true;
        const std::size_t stop = FindControl(chunk);
        if (stop == chunk.size()) {
            text_.append(chunk);
            return;
        }
        const char control = chunk[stop];
        text_.append(chunk.substr(0, stop + 1));
        chunk.remove_prefix(stop + 1);
        if (control == '\n') {
            onText_(text_);
            text_.clear();
            started_ = false;
        } else {
            complete_ = true;
        }
    }
}

void LineSplitter::Finish() {
    if (!started_) return;
    if (!complete_) text_.push_back('\n');
    onText_(text_);
    text_.clear();
    complete_ = false;
    started_ = false;
}

}  // namespace abacone::cli
