// A private Wayland session for end-to-end tests: a headless weston with XWayland, its
// runtime directory of its own (0700, as a login would make it), ended with the session.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/x_session.h"

namespace abacone::e2e {

class WaylandSession {
public:
    WaylandSession();
    ~WaylandSession();
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;

    bool Ready() const { return !xDisplay_.empty(); }
    const std::string& Problem() const { return problem_; }
    // XWayland's display, e.g. ":3".
    const std::string& XDisplay() const { return xDisplay_; }

    // Starts a program as a Wayland desktop would (QT_QPA_PLATFORM unset); `withX` false
    // leaves DISPLAY out, as on a session without XWayland. Its standard error goes to a
    // file read back by ErrorOutput.
    pid_t Spawn(const std::vector<std::string>& argv, bool withX);
    std::string ErrorOutput(pid_t pid) const;
    bool Running(pid_t pid) const;

private:
    std::string ReadFile(const std::string& path) const;

    std::string runtimeDir_;
    std::string socket_;
    std::string xDisplay_;
    std::string problem_;
    pid_t compositor_ = -1;
    std::map<pid_t, std::string> programs_;  // and the file of each one's standard error
};

}  // namespace abacone::e2e
