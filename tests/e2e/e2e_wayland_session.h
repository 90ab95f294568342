// A private Wayland session for end-to-end tests: a headless weston with XWayland, its
// runtime directory of its own (0700, as a login would make it), ended with the session.
#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

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

    // What a program started in a Wayland desktop sees. `withX` false leaves DISPLAY out,
    // as on a session without XWayland.
    std::map<std::string, std::optional<std::string>> Environment(bool withX) const;
    // Starts a program with that environment (QT_QPA_PLATFORM unset); its standard error
    // goes to a file read back by ErrorOutput.
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
    std::vector<pid_t> programs_;
};

}  // namespace abacone::e2e
