#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/os/instance_lock.h"

namespace abacone {
namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// $XDG_RUNTIME_DIR, else /tmp/abacone-UID. A folder of that name that another user made,
// or that others may write to, is not used: whoever can replace the file can fake a lock.
std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/' && IsFolder(runtime))
        return runtime;
    const std::string own = "/tmp/abacone-" + std::to_string(getuid());
    if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    if (lstat(own.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() || (st.st_mode & 077) != 0)
        return {};
    return own;
}

}  // namespace

InstanceLock::~InstanceLock() { Release(); }

InstanceLock::Result InstanceLock::TryTake(const std::string& name) {
    Release();
    const std::string folder = RuntimeFolder();
    if (folder.empty()) return Result::Unavailable;
    // The file stays when the lock is let go: removing it would let a start that opened the
    // old file and one that made a new file both hold "the" lock.
    const std::string path = folder + "/" + name;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Result::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? Result::Held : Result::Unavailable;
    }
    handle_ = fd + 1;
    return Result::Taken;
}

void InstanceLock::Release() {
    if (handle_ == 0) return;
    close(static_cast<int>(handle_ - 1));  // closing the last descriptor lets the lock go
    handle_ = 0;
}

}  // namespace abacone
