// Cuts a byte stream into the texts the calculator reads, one per line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace abacone::cli {

class LineSplitter {
public:
    // Receives each line's text, always ending in the control character where the
    // interpreter stops: the line break, or an earlier control character of the line.
    using TextHandler = std::function<void(std::string_view)>;

    explicit LineSplitter(TextHandler onText) : onText_(std::move(onText)) {}

    void Feed(std::string_view chunk);
    // Ends a last line that lacks its line break, as if it had one.
    void Finish();

private:
    TextHandler onText_;
    std::string text_;
    // The line's text is complete (it met a control character); the rest of the line
    // is never read by the interpreter, so it is skipped instead of kept.
    bool complete_ = false;
    bool started_ = false;  // bytes of an unfinished line have been seen
};

}  // namespace abacone::cli
