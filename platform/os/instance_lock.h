// A lock by name that one holder at a time has (two objects in one process count as two
// holders); the system lets it go when the holding process ends, however it ends. No
// toolkit involved.
#pragma once

#include <cstdint>
#include <string>

namespace abacone {

class InstanceLock {
public:
    enum class Result {
        Taken,       // this object holds it now
        Held,        // another holder has it
        Unavailable  // the system gives no such lock here (no private folder, no rights)
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock `name` (letters, digits, '-', '_', '.') without waiting. On
    // POSIX systems it is a file of that name in the user's runtime folder: the folder
    // $XDG_RUNTIME_DIR names, else a folder of the user's own in /tmp (mode 0700).
    Result TryTake(const std::string& name);
    // Lets go, as the end of the process would; the destructor does it too.
    void Release();

private:
    std::intptr_t handle_ = 0;  // the file descriptor plus one, or the mutex handle
};

}  // namespace abacone
