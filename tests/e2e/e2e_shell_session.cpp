#include "tests/e2e/e2e_shell_session.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <thread>

#ifndef ABACONE_E2E_SOURCE_DIR
#define ABACONE_E2E_SOURCE_DIR "."
#endif

namespace abacone::e2e {
namespace {

// Reads from `fd` until a newline, the end, or 20 seconds without news; the server and
// the window manager each write one line when they are ready.
std::string ReadLine(int fd) {
    std::string line;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
        char c;
        const ssize_t n = read(fd, &c, 1);
        if (n == 1 && c != '\n') {
            line += c;
            continue;
        }
        if (n < 0 && errno == EAGAIN) continue;
        break;
    }
    return line;
}

void EndProcess(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

}  // namespace

std::string SourceDir() { return ABACONE_E2E_SOURCE_DIR; }

void Exec(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

XSession::XSession(Options options) {
    int ready[2];
    if (pipe(ready) != 0) {
        problem_ = "pipe";
        return;
    }
    // -displayfd: the server picks a free display and writes its number when it listens.
    const std::string screen = std::to_string(options.Width) + "x" + std::to_string(options.Height) + "x24";
    server_ = SpawnWith({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", screen,
                         "-nolisten", "tcp"},
                        ready[1]);
    close(ready[1]);
    const std::string number = ReadLine(ready[0]);
    close(ready[0]);
    if (server_ <= 0 || number.empty()) {
        problem_ = "Xvfb did not start";
        EndProcess(server_);
        return;
    }
    display_ = ":" + number;

    if (options.WindowManager) {
        // openbox runs its start-up command once it manages the screen; it passes no
        // descriptors on, so the word comes through a named pipe.
        char dir[] = "/tmp/abacone-e2e-XXXXXX";
        if (!mkdtemp(dir)) return;
        const std::string fifo = std::string(dir) + "/ready";
        mkfifo(fifo.c_str(), 0600);
        const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        windowManager_ = SpawnWith({"openbox", "--startup", "sh -c 'echo ready > " + fifo + "'"}, -1);
        const bool up = ReadLine(fd) == "ready";
        close(fd);
        unlink(fifo.c_str());
        rmdir(dir);
        if (!up) {
            problem_ = "openbox did not start";
            display_.clear();
            return;
        }
    }
    if (options.TrayHost && !StartTrayHost()) {
        problem_ = "tint2 did not start";
        display_.clear();
    }
}

XSession::~XSession() {
    for (pid_t& pid : others_) EndProcess(pid);
    EndProcess(tray_);
    EndProcess(windowManager_);
    EndProcess(server_);
}

bool XSession::StartTrayHost() {
    if (tray_ > 0) return true;
    tray_ = SpawnWith({"tint2", "-c", SourceDir() + "/e2e_shell_tint2rc"}, -1);
    if (tray_ <= 0) return false;
    // The panel has docked its notification area once it owns the tray selection.
    return WaitUntil([&] { return TrayOwned(); }, std::chrono::seconds(10));
}

bool XSession::TrayOwned() const {
    xcb_connection_t* c = xcb_connect(display_.c_str(), nullptr);
    bool owned = false;
    if (!xcb_connection_has_error(c)) {
        const char name[] = "_NET_SYSTEM_TRAY_S0";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
        if (atom) {
            xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
                c, xcb_get_selection_owner(c, atom->atom), nullptr);
            owned = owner && owner->owner != XCB_NONE;
            std::free(owner);
            std::free(atom);
        }
    }
    xcb_disconnect(c);
    return owned;
}

void XSession::StopTrayHost() { EndProcess(tray_); }

pid_t XSession::Spawn(const std::vector<std::string>& argv) {
    const pid_t pid = SpawnWith(argv, -1);
    if (pid > 0) others_.push_back(pid);
    return pid;
}

void XSession::Kill(pid_t pid) {
    for (pid_t& p : others_) {
        if (p == pid) EndProcess(p);
    }
}

pid_t XSession::SpawnWith(const std::vector<std::string>& argv, int keepFd) const {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // Ends with the test even when the test dies without cleaning up.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (!display_.empty()) setenv("DISPLAY", display_.c_str(), 1);
    // The test command runs the other tests offscreen; these programs meet the X server.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    if (!std::getenv("ABACONE_E2E_VERBOSE")) {
        dup2(null, 1);
        dup2(null, 2);
    }
    for (int fd = 3; fd < 256; ++fd) {
        if (fd != keepFd) close(fd);
    }
    Exec(argv);
}

std::string XSession::Run(const std::vector<std::string>& argv, int* status) const {
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        if (!display_.empty()) setenv("DISPLAY", display_.c_str(), 1);
        dup2(out[1], 1);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 2);
        for (int fd = 3; fd < 256; ++fd) close(fd);
        Exec(argv);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int st = 0;
    waitpid(pid, &st, 0);
    if (status) *status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return text;
}

XInspect::XInspect(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
    if (!xcb_connection_has_error(c_)) root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
}

XInspect::~XInspect() { xcb_disconnect(c_); }

std::uint32_t XInspect::Atom(const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const std::uint32_t atom = r ? r->atom : XCB_NONE;
    std::free(r);
    return atom;
}

std::vector<std::uint32_t> XInspect::Property32(Window w, const char* property, std::uint32_t type) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, w, Atom(property), type, 0, 1024), nullptr);
    std::vector<std::uint32_t> values;
    if (r && r->format == 32) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
        values.assign(v, v + xcb_get_property_value_length(r) / 4);
    }
    std::free(r);
    return values;
}

std::string XInspect::Text(Window w, std::uint32_t property) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::string text;
    if (r && r->format == 8)
        text.assign(static_cast<const char*>(xcb_get_property_value(r)),
                    static_cast<std::size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return text;
}

XInspect::Window XInspect::FindClient(const std::string& name) {
    for (Window w : Property32(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
        if (Text(w, Atom("_NET_WM_NAME")) == name || Text(w, XCB_ATOM_WM_NAME) == name) return w;
    }
    return 0;
}

std::vector<XInspect::Window> XInspect::ClientsOf(const std::string& windowClass) {
    std::vector<Window> found;
    for (Window w : Property32(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
        if (Text(w, XCB_ATOM_WM_CLASS).find(windowClass + '\0') != std::string::npos) found.push_back(w);
    }
    return found;
}

XInspect::Window XInspect::Active() {
    const auto v = Property32(root_, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    return v.empty() ? 0 : v[0];
}

std::optional<XInspect::Rect> XInspect::Client(Window w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c_, xcb_translate_coordinates(c_, w, root_, 0, 0), nullptr);
    std::optional<Rect> rect;
    if (g && t) rect = Rect{t->dst_x, t->dst_y, g->width, g->height};
    std::free(g);
    std::free(t);
    return rect;
}

std::optional<XInspect::Rect> XInspect::Frame(Window w) {
    auto rect = Client(w);
    auto e = Property32(w, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);  // left, right, top, bottom
    if (!rect) return rect;
    e.resize(4, 0);
    const int l = static_cast<int>(e[0]), r = static_cast<int>(e[1]);
    const int t = static_cast<int>(e[2]), b = static_cast<int>(e[3]);
    return Rect{rect->Left - l, rect->Top - t, rect->Width + l + r, rect->Height + t + b};
}

bool XInspect::HasState(Window w, const char* state) {
    const auto states = Property32(w, "_NET_WM_STATE", XCB_ATOM_ATOM);
    const std::uint32_t atom = Atom(state);
    for (std::uint32_t s : states) {
        if (s == atom) return true;
    }
    return false;
}

bool XInspect::Iconic(Window w) {
    const auto state = Property32(w, "WM_STATE", Atom("WM_STATE"));
    return !state.empty() && state[0] == 3;
}

bool XInspect::Managed(Window w) {
    for (Window c : Property32(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
        if (c == w) return true;
    }
    return false;
}

XInspect::Window XInspect::Embedded(const std::string& windowClass) {
    std::vector<Window> found;
    FindEmbedded(root_, true, windowClass, found, 1);
    return found.empty() ? 0 : found[0];
}

std::size_t XInspect::EmbeddedCount(const std::string& windowClass) {
    std::vector<Window> found;
    FindEmbedded(root_, true, windowClass, found, SIZE_MAX);
    return found.size();
}

void XInspect::FindEmbedded(Window w, bool topLevel, const std::string& windowClass, std::vector<Window>& found,
                            std::size_t limit) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr);
    if (!tree) return;
    std::vector<Window> children(xcb_query_tree_children(tree),
                                 xcb_query_tree_children(tree) + xcb_query_tree_children_length(tree));
    std::free(tree);
    for (Window child : children) {
        if (found.size() >= limit) return;
        if (!topLevel) {
            const std::string cls = Text(child, XCB_ATOM_WM_CLASS);
            xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(
                c_, xcb_get_window_attributes(c_, child), nullptr);
            const bool viewable = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
            std::free(a);
            // WM_CLASS holds the instance and the class, each ending in a zero byte.
            // Managed windows are in the client list; an icon in a panel is not.
            if (viewable && cls.find(windowClass + '\0') != std::string::npos && !Managed(child)) {
                found.push_back(child);
                continue;
            }
        }
        FindEmbedded(child, false, windowClass, found, limit);
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace abacone::e2e
