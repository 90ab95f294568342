// A private X session for end-to-end tests: a virtual X server on a free display, the
// openbox window manager, and a tint2 panel as the notification area, each optional.
// Child processes are ended when the session ends.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

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

// Reads the X server's view of windows, as a window manager or a panel sees them.
class XInspect {
public:
    struct Rect {
        int Left = 0, Top = 0, Width = 0, Height = 0;
    };
    using Window = std::uint32_t;

    explicit XInspect(const std::string& display);
    ~XInspect();
    XInspect(const XInspect&) = delete;
    XInspect& operator=(const XInspect&) = delete;

    // The managed window whose title is `name`; 0 when there is none.
    Window FindClient(const std::string& name);
    // The managed windows of a program (by WM_CLASS), oldest first.
    std::vector<Window> ClientsOf(const std::string& windowClass);
    Window Active();
    std::optional<Rect> Client(Window w);  // the client area, root coordinates
    std::optional<Rect> Frame(Window w);   // with the window manager's frame
    bool HasState(Window w, const char* state);  // an atom of _NET_WM_STATE
    bool Iconic(Window w);
    // A viewable window of this class that lives inside another program's window (an
    // icon in the notification area); 0 when there is none.
    Window Embedded(const std::string& windowClass);
    // How many such icons there are.
    std::size_t EmbeddedCount(const std::string& windowClass);

private:
    std::uint32_t Atom(const char* name);
    std::vector<std::uint32_t> Property32(Window w, const char* property, std::uint32_t type);
    std::string Text(Window w, std::uint32_t property);
    // Adds the icons of this class under `w` to `found`, stopping after `limit` of them.
    void FindEmbedded(Window w, bool topLevel, const std::string& windowClass, std::vector<Window>& found,
                      std::size_t limit);
    bool Managed(Window w);

    xcb_connection_t* c_;
    Window root_ = 0;
};

// True once `condition` holds, checked every 20 ms; false after `limit`. For waiting on
// other processes only: the program under test never polls.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// In a child process: runs `argv` in its place, or ends with 127.
[[noreturn]] void Exec(const std::vector<std::string>& argv);

// The directory of the test sources (for the panel's configuration file).
std::string SourceDir();

}  // namespace abacone::e2e
