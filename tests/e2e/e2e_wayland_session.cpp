#include "tests/e2e/e2e_wayland_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/e2e_shell_session.h"

namespace abacone::e2e {
namespace {

using Environment = std::map<std::string, std::optional<std::string>>;

pid_t SpawnWithEnvironment(const std::vector<std::string>& argv, const Environment& env, const std::string& errorsDir) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (const auto& [name, value] : env) {
        if (value) setenv(name.c_str(), value->c_str(), 1);
        else unsetenv(name.c_str());
    }
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    // Standard error goes to a file named after the process, for the test to read.
    const std::string errors = errorsDir + "/err-" + std::to_string(getpid());
    const int err = errorsDir.empty() ? null : open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(err, 2);
    for (int fd = 3; fd < 256; ++fd) close(fd);
    Exec(argv);
}

void End(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

}  // namespace

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
    compositor_ = SpawnWithEnvironment(
        {"weston", "--backend=headless-backend.so", "--xwayland", "--idle-time=0", "--socket=" + socket_,
         "--log=" + log},
        {{"XDG_RUNTIME_DIR", runtimeDir_}, {"WAYLAND_DISPLAY", std::nullopt}, {"DISPLAY", std::nullopt}}, "");
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
    for (pid_t pid : programs_) End(pid);
    End(compositor_);
    if (!runtimeDir_.empty()) std::filesystem::remove_all(runtimeDir_);
}

Environment WaylandSession::Environment(bool withX) const {
    return {{"XDG_RUNTIME_DIR", runtimeDir_},
            {"WAYLAND_DISPLAY", socket_},
            {"XDG_SESSION_TYPE", "wayland"},
            {"DISPLAY", withX ? std::optional<std::string>(xDisplay_) : std::nullopt},
            {"QT_QPA_PLATFORM", std::nullopt}};
}

pid_t WaylandSession::Spawn(const std::vector<std::string>& argv, bool withX) {
    const pid_t pid = SpawnWithEnvironment(argv, Environment(withX), runtimeDir_);
    if (pid > 0) programs_.push_back(pid);
    return pid;
}

std::string WaylandSession::ErrorOutput(pid_t pid) const {
    return ReadFile(runtimeDir_ + "/err-" + std::to_string(pid));
}

bool WaylandSession::Running(pid_t pid) const { return waitpid(pid, nullptr, WNOHANG) == 0; }

std::string WaylandSession::ReadFile(const std::string& path) const {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace abacone::e2e
