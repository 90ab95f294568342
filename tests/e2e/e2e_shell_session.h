// A private X session for end-to-end tests: a virtual X server on a free display, the
// openbox window manager, and a tint2 panel as the notification area, each optional.
// Child processes are ended when the session ends.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace abacone::e2e {

class XSession {
public:
    struct Options {
        bool WindowManager = true;
        bool TrayHost = true;
        int Width = 1024;
        int Height = 768;
    };

    explicit XSession(Options options);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty when the session could not start; Problem() says why.
    bool Ready() const { return !display_.empty(); }
    const std::string& Problem() const { return problem_; }
    const std::string& Display() const { return display_; }

    // The notification area: started, ended, or killed without a chance to clean up.
    bool StartTrayHost();
    void StopTrayHost();
    bool TrayHostRunning() const { return tray_ > 0; }
    // Whether some program owns the notification-area selection of screen 0.
    bool TrayOwned() const;

    // A program on this display, ended with the session unless it exits first.
    pid_t Spawn(const std::vector<std::string>& argv);
    void Kill(pid_t pid);
    // Runs a tool on this display and returns what it printed; `status` gets its exit code.
    std::string Run(const std::vector<std::string>& argv, int* status = nullptr) const;

private:
    pid_t SpawnWith(const std::vector<std::string>& argv, int keepFd) const;

    std::string display_;
    std::string problem_;
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    pid_t tray_ = -1;
    std::vector<pid_t> others_;
};

// True once `condition` holds, checked every 20 ms; false after `limit`. For waiting on
// other processes only: the program under test never polls.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// The directory of the test sources (for the panel's configuration file).
std::string SourceDir();

}  // namespace abacone::e2e
