#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace abacone::testing {

namespace {

void Check(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

// Reads what is there from fd into text; returns false at the end of the stream.
bool Drain(int fd, std::string& text) {
    char buffer[65536];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (n <= 0) return false;
    text.append(buffer, static_cast<std::size_t>(n));
    return true;
}

}  // namespace

ProcessResult RunProcess(const char* program, const ProcessSetup& setup) {
    // A child that stops reading early must not kill the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);

    int in[2], out[2], err[2];
    Check(pipe2(in, O_CLOEXEC) == 0 && pipe2(out, O_CLOEXEC) == 0 && pipe2(err, O_CLOEXEC) == 0, "pipe2");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, setup.StdinFd >= 0 ? setup.StdinFd : in[0], 0);
    if (setup.StdoutPath != nullptr) {
        posix_spawn_file_actions_addopen(&actions, 1, setup.StdoutPath, O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program));
    for (const std::string& arg : setup.Args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    Check(spawned == 0, "posix_spawn");

    // One loop feeds the input and collects both outputs, so neither side can block
    // the other however much each writes.
    ProcessResult result;
    int inFd = in[1];
    fcntl(inFd, F_SETFL, O_NONBLOCK);
    std::string_view pending = setup.StdinFd >= 0 ? std::string_view() : setup.Input;
    if (pending.empty()) {
        close(inFd);
        inFd = -1;
    }
    bool outOpen = true, errOpen = true;
    while (inFd >= 0 || outOpen || errOpen) {
        pollfd fds[3] = {{inFd, POLLOUT, 0}, {outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}};
        if (poll(fds, 3, -1) < 0) {
            Check(errno == EINTR, "poll");
            continue;
        }
        if (inFd >= 0 && fds[0].revents != 0) {
            const ssize_t n = write(inFd, pending.data(), pending.size());
            if (n > 0) pending.remove_prefix(static_cast<std::size_t>(n));
            if (pending.empty() || (n < 0 && errno != EAGAIN && errno != EINTR)) {
                close(inFd);
                inFd = -1;
            }
        }
        if (outOpen && fds[1].revents != 0) outOpen = Drain(out[0], result.Out);
        if (errOpen && fds[2].revents != 0) errOpen = Drain(err[0], result.Err);
    }
    close(out[0]);
    close(err[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) Check(errno == EINTR, "waitpid");
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return result;
}

}  // namespace abacone::testing
