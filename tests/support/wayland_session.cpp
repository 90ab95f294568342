#include "tests/support/wayland_session.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace abacone::e2e {

WaylandSession::WaylandSession() {
    char dir[] = "/tmp/abacone-wl-XXXXXX";  // mkdtemp makes it 0700
    if (!mkdtemp(dir)) {
        problem_ = "no runtime directory";
        return;
    }
    runtimeDir_ = dir;
    socket_ = "wayland-abacone-" + std::to_string(getpid());
    const std::string log = runtimeDir_ + "/weston.log";
    // Headless needs no seat, no GPU and no logind, so it starts as root in CI too.
    compositor_ = StartProcess(
        {"weston", "--backend=headless-backend.so", "--xwayland", "--idle-time=0", "--socket=" + socket_,
         "--log=" + log},
        {.Env = {{"XDG_RUNTIME_DIR", runtimeDir_}, {"WAYLAND_DISPLAY", std::nullopt}, {"DISPLAY", std::nullopt}}});
    if (compositor_ <= 0) {
        problem_ = "weston did not start";
        return;
    }
    // weston names XWayland's display in its log once it listens there.
    const std::string marker = "xserver listening on display ";
    std::string found;
    WaitUntil(
        [&] {
            const std::string text = ReadFile(log);
            const auto at = text.find(marker);
            if (at == std::string::npos || !std::filesystem::exists(runtimeDir_ + "/" + socket_)) return false;
            std::istringstream rest(text.substr(at + marker.size()));
            rest >> found;
            return !found.empty();
        },
        std::chrono::seconds(30));
    if (found.empty()) problem_ = "weston with XWayland did not come up: " + ReadFile(log);
    xDisplay_ = found;
}

WaylandSession::~WaylandSession() {
    for (const auto& [started, errors] : programs_) {
        pid_t pid = started;
        EndProcess(pid);
    }
    EndProcess(compositor_);
    if (!runtimeDir_.empty()) std::filesystem::remove_all(runtimeDir_);
}

pid_t WaylandSession::Spawn(const std::vector<std::string>& argv, bool withX) {
    const Environment env{{"XDG_RUNTIME_DIR", runtimeDir_},
                          {"WAYLAND_DISPLAY", socket_},
                          {"XDG_SESSION_TYPE", "wayland"},
                          {"DISPLAY", withX ? std::optional<std::string>(xDisplay_) : std::nullopt},
                          {"QT_QPA_PLATFORM", std::nullopt}};
    const std::string errors = runtimeDir_ + "/errors-" + std::to_string(programs_.size());
    const pid_t pid = StartProcess(argv, {.Env = env, .ErrorFile = errors});
    if (pid > 0) programs_[pid] = errors;
    return pid;
}

std::string WaylandSession::ErrorOutput(pid_t pid) const {
    const auto found = programs_.find(pid);
    return found == programs_.end() ? "" : ReadFile(found->second);
}

bool WaylandSession::Running(pid_t pid) const { return waitpid(pid, nullptr, WNOHANG) == 0; }

std::string WaylandSession::ReadFile(const std::string& path) const {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace abacone::e2e
