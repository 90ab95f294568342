#include "cli/line_splitter.h"

#include <algorithm>

namespace abacone::cli {

namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20; }

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
        const auto stop = std::find_if(chunk.begin(), chunk.end(), IsControl);
        if (stop == chunk.end()) {
            text_.append(chunk);
            return;
        }
        const auto taken = static_cast<std::size_t>(stop - chunk.begin()) + 1;
        text_.append(chunk.substr(0, taken));
        chunk.remove_prefix(taken);
        if (*stop == '\n') {
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
