#include "tests/support/x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>
#include <thread>

#include "platform/services/keycodes.h"

#ifndef ABACONE_X_SESSION_SCRIPT
#define ABACONE_X_SESSION_SCRIPT "scripts/x-session.sh"
#endif

namespace abacone::e2e {
namespace {

using namespace std::chrono_literals;

// One line of the session script's answer; the script bounds each of its own waits.
std::string ReadLine(FILE* in) {
    char line[256] = "";
    if (!in || !std::fgets(line, sizeof line, in)) return "";
    return std::string(line, std::strcspn(line, "\n"));
}

}  // namespace

pid_t StartProcess(const std::vector<std::string>& argv, const ChildSetup& setup) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // Ends with the test even when the test dies without cleaning up.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (const auto& [name, value] : setup.Env)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    const bool quiet = !std::getenv("ABACONE_E2E_VERBOSE");
    const int null = open("/dev/null", O_RDWR);
    const int errors =
        setup.ErrorFile.empty() ? null : open(setup.ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(setup.In >= 0 ? setup.In : null, 0);
    if (setup.Out >= 0 || quiet) dup2(setup.Out >= 0 ? setup.Out : null, 1);
    if (errors != null || quiet) dup2(errors, 2);
    for (int fd = 3; fd < 256; ++fd) close(fd);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void EndProcess(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

std::string RunProcess(const std::vector<std::string>& argv, const Environment& env, int* status) {
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = StartProcess(argv, {.Env = env, .Out = out[1]});
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

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

XSession::XSession(Options options) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        problem_ = "pipe";
        return;
    }
    script_ = StartProcess({"bash", ABACONE_X_SESSION_SCRIPT, "--no-panel", "--serve"}, {.In = in[0], .Out = out[1]});
    close(in[0]);
    close(out[1]);
    requests_ = fdopen(in[1], "w");
    answers_ = fdopen(out[0], "r");
    // A script that died must fail the next request, not end the test.
    signal(SIGPIPE, SIG_IGN);
    const std::string line = ReadLine(answers_);
    if (line.rfind("display ", 0) != 0) {
        problem_ = line.empty() ? "the session script did not answer" : line;
        return;
    }
    display_ = line.substr(8);
    if (options.TrayHost && !StartTrayHost()) {
        problem_ = "tint2 did not start";
        display_.clear();
    }
}

XSession::~XSession() {
    for (pid_t& pid : programs_) EndProcess(pid);
    // The end of its requests ends the session; it gives each of its programs up to 5 s
    // before it kills them.
    if (requests_) std::fclose(requests_);
    if (script_ > 0 && !WaitUntil([&] { return waitpid(script_, nullptr, WNOHANG) != 0; }, 20s)) {
        kill(script_, SIGKILL);
        waitpid(script_, nullptr, 0);
    }
    if (answers_) std::fclose(answers_);
}

bool XSession::Ask(const std::string& request) {
    if (!requests_ || std::fprintf(requests_, "%s\n", request.c_str()) < 0 || std::fflush(requests_) != 0) return false;
    return ReadLine(answers_) == "ok";
}

bool XSession::StartTrayHost() {
    // The panel has docked its notification area once it owns the tray selection.
    XInspect x(display_);
    return Ask("panel start") && WaitUntil([&] { return x.SelectionOwner("_NET_SYSTEM_TRAY_S0") != 0; }, 10s);
}

void XSession::StopTrayHost() { Ask("panel stop"); }

pid_t XSession::Spawn(const std::vector<std::string>& argv) {
    // The test command runs the other tests offscreen; these programs meet the X server.
    const pid_t pid = StartProcess(argv, {.Env = {{"DISPLAY", display_}, {"QT_QPA_PLATFORM", "xcb"}}});
    if (pid > 0) programs_.push_back(pid);
    return pid;
}

void XSession::Kill(pid_t pid) {
    for (pid_t& p : programs_)
        if (p == pid) EndProcess(p);
}

std::string XSession::Run(const std::vector<std::string>& argv, int* status) const {
    return RunProcess(argv, {{"DISPLAY", display_}}, status);
}

void XSession::Key(const std::string& keys, int delayMs) const {
    std::istringstream words(keys);
    Keys({std::istream_iterator<std::string>(words), {}}, delayMs);
}

std::string XKeyName(int code) {
    std::string keys;
    if (code & scShift) keys += "shift+";
    if (code & scCtrl) keys += "ctrl+";
    if (code & scAlt) keys += "alt+";
    std::string name = KeyName(code & 0xFF);
    if (name == "Esc") name = "Escape";
    if (name.size() == 1) name[0] = char(std::tolower(static_cast<unsigned char>(name[0])));
    return keys + name;
}

XInspect::XInspect(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
    if (!xcb_connection_has_error(c_)) root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
}

XInspect::~XInspect() { xcb_disconnect(c_); }

std::uint32_t XInspect::Atom(const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const std::uint32_t atom = r ? r->atom : XCB_NONE;
    std::free(r);
    return atom;
}

std::vector<std::uint32_t> XInspect::Property32(Window w, const char* property, std::uint32_t type) {
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, Atom(property), type, 0, 1024), nullptr);
    std::vector<std::uint32_t> values;
    if (r && r->format == 32) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
        values.assign(v, v + xcb_get_property_value_length(r) / 4);
    }
    std::free(r);
    return values;
}

std::string XInspect::Text(Window w, std::uint32_t property) {
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
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

XInspect::Window XInspect::SelectionOwner(const char* selection) {
    xcb_get_selection_owner_reply_t* r =
        xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, Atom(selection)), nullptr);
    const Window owner = r ? r->owner : 0;
    std::free(r);
    return owner;
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

std::vector<std::uint8_t> XInspect::Pixels(const Rect& box) {
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(c_,
                            xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(box.Left),
                                          static_cast<std::int16_t>(box.Top), static_cast<std::uint16_t>(box.Width),
                                          static_cast<std::uint16_t>(box.Height), ~0u),
                            nullptr);
    std::vector<std::uint8_t> pixels;
    if (image) {
        const std::uint8_t* data = xcb_get_image_data(image);
        pixels.assign(data, data + xcb_get_image_data_length(image));
    }
    std::free(image);
    return pixels;
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

bool XInspect::Docked(Window w) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr);
    xcb_get_window_attributes_reply_t* a =
        xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr);
    const bool docked = tree && tree->parent != root_ && a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(tree);
    std::free(a);
    return docked;
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
            // WM_CLASS holds the instance and the class, each ending in a zero byte.
            // Managed windows are in the client list; an icon in a panel is not.
            const std::string cls = Text(child, XCB_ATOM_WM_CLASS);
            if (cls.find(windowClass + '\0') != std::string::npos && !Managed(child) && Docked(child)) {
                found.push_back(child);
                continue;
            }
        }
        FindEmbedded(child, false, windowClass, found, limit);
    }
}

}  // namespace abacone::e2e
