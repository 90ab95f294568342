// What the end-to-end tests run programs with. Child processes that end with the test.
// A private X session, started by scripts/x-session.sh: a virtual X server on a free
// display, the openbox window manager, and a tint2 panel as the notification area (which
// may be left out); programs started in it end with the session. The input a person gives (keys
// by xdotool's names, typed text, the pointer, activation) and the X clipboard (xclip) go
// through it, and XInspect reads the server's windows.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace abacone::e2e {

// Variables to set (a value) or to remove (nothing).
using Environment = std::map<std::string, std::optional<std::string>>;

struct ChildSetup {
    Environment Env = {};
    int In = -1, Out = -1;       // descriptors for standard input and output; -1: none
    std::string ErrorFile = {};  // where standard error goes; empty: nowhere
};

// Starts `argv` (looked up on PATH) in a child that gets SIGTERM when this process ends.
// What has nowhere to go is dropped, unless ABACONE_E2E_VERBOSE asks to see it.
pid_t StartProcess(const std::vector<std::string>& argv, const ChildSetup& setup = {});
// SIGTERM, then reaps it; `pid` becomes -1.
void EndProcess(pid_t& pid);
// Runs `argv` to its end and returns what it printed; `status` gets its exit code.
std::string RunProcess(const std::vector<std::string>& argv, const Environment& env = {}, int* status = nullptr);

// True once `condition` holds, checked every 20 ms; false after `limit`. For waiting on
// other processes only: the program under test never polls.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

class XSession {
public:
    struct Options {
        bool TrayHost = true;
    };

    explicit XSession(Options options);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty when the session could not start; Problem() says why.
    bool Ready() const { return !display_.empty(); }
    const std::string& Problem() const { return problem_; }
    const std::string& Display() const { return display_; }

    // The notification area: started (true once it owns the tray selection), or ended.
    bool StartTrayHost();
    void StopTrayHost();

    // A program on this display, ended with the session unless it exits first.
    pid_t Spawn(const std::vector<std::string>& argv);
    void Kill(pid_t pid);
    // Runs a tool on this display and returns what it printed; `status` gets its exit code.
    std::string Run(const std::vector<std::string>& argv, int* status = nullptr) const;

    // Keys by xdotool's names, several separated by spaces: "ctrl+c", "Escape 3 0 Return".
    void Key(const std::string& keys, int delayMs = 30) const;
    void Keys(std::vector<std::string> keys, int delayMs = 30) const {
        keys.insert(keys.begin(), {"xdotool", "key", "--delay", std::to_string(delayMs)});
        Run(keys);
    }
    void Type(const std::string& text, int delayMs = 30) const {
        Run({"xdotool", "type", "--delay", std::to_string(delayMs), text});
    }
    // Activates the window as a taskbar would; with `wait` false it only asks, so a window
    // that a modal window of its own blocks can hand the activation on.
    void Activate(std::uint64_t window, bool wait = true) const {
        Run({"xdotool", "windowactivate", wait ? "--sync" : "--", std::to_string(window)});
    }
    // Pointer steps in xdotool's words: "mousemove", "10", "20", "sleep", "0.2", "click", "1".
    void Mouse(std::vector<std::string> steps) const {
        steps.insert(steps.begin(), "xdotool");
        Run(steps);
    }
    // Rests the pointer at the place before it clicks, as a person does.
    void ClickAt(int x, int y, int button) const {
        Mouse({"mousemove", std::to_string(x), std::to_string(y), "sleep", "0.2", "click", std::to_string(button)});
    }
    std::string Clipboard() const { return Run({"xclip", "-o", "-selection", "clipboard"}); }
    // The file's bytes on the clipboard, offered until another program takes it.
    void OfferClipboard(const std::string& file) { Spawn({"xclip", "-selection", "clipboard", "-i", "-quiet", file}); }

private:
    // One request to the session script, true when it answers "ok".
    bool Ask(const std::string& request);

    std::string display_;
    std::string problem_;
    pid_t script_ = -1;
    FILE* requests_ = nullptr;
    FILE* answers_ = nullptr;
    std::vector<pid_t> programs_;
};

// xdotool's name of a key in the program's own shortcut code (a virtual key plus
// scShift, scCtrl, scAlt): "shift+ctrl+F1", "ctrl+alt+a", "F1".
std::string XKeyName(int code);

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
    Window SelectionOwner(const char* selection);  // 0: none
    std::optional<Rect> Client(Window w);          // the client area, root coordinates
    std::optional<Rect> Frame(Window w);           // with the window manager's frame
    bool HasState(Window w, const char* state);    // an atom of _NET_WM_STATE
    bool Iconic(Window w);
    bool Docked(Window w);  // viewable inside another program's window
    // A viewable window of this class that lives inside another program's window (an
    // icon in the notification area); 0 when there is none.
    Window Embedded(const std::string& windowClass);
    // How many such icons there are.
    std::size_t EmbeddedCount(const std::string& windowClass);
    // The screen's pixels in a box of root coordinates, as the server keeps them; empty
    // when they cannot be read.
    std::vector<std::uint8_t> Pixels(const Rect& box);

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

}  // namespace abacone::e2e
