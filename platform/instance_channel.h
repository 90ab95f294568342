// The one-instance channel: a named endpoint, private to the user, on which later starts of
// the program knock. Each window layer provides it over its system's local sockets or
// pipes; what the lines exchanged mean, and who may listen when, is the caller's.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace abacone {

class InstanceChannel {
public:
    // Gets a line a later start sent (without its line end) and returns the line to send
    // back; an empty answer sends nothing.
    using Answer = std::function<std::string(const std::string& line)>;

    virtual ~InstanceChannel() = default;
    // Serves `endpoint` (letters, digits, '-' and '_'): `answer` runs on the GUI thread
    // for each line that arrives. Whatever a process that ended left under that name is
    // replaced, so the caller makes sure no live one serves it. False when it cannot.
    virtual bool Listen(const std::string& endpoint, Answer answer) = 0;
};

// The channel of this build's window layer; it serves until it or the application ends.
std::unique_ptr<InstanceChannel> MakeInstanceChannel();

// Sends `line` to whoever serves `endpoint` and returns the line they answer; empty when
// nobody serves it or each step did not happen within `limitMs`. Blocks and needs no event
// loop: it runs before this process has windows.
std::string KnockOn(const std::string& endpoint, const std::string& line, int limitMs);

}  // namespace abacone
