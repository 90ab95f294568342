#include "platform/os/instance_lock.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace abacone {

InstanceLock::~InstanceLock() { Release(); }

// A named mutex in the session's namespace: it exists while some process has a handle on
// it, and the system closes the handles of a process that ends.
InstanceLock::Result InstanceLock::TryTake(const std::string& name) {
    Release();
    const std::string local = "Local\\" + name;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, local.c_str());
    if (!mutex) return Result::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Result::Held;
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    return Result::Taken;
}

void InstanceLock::Release() {
    if (handle_ == 0) return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = 0;
}

}  // namespace abacone
