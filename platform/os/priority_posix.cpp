#include <sched.h>
#include <sys/resource.h>

#include <charconv>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/os/priority.h"

namespace abacone {
namespace {

constexpr int LowestNice = 19;

}  // namespace

void LowerProcessPriority() {
    // Linux keeps a nice value per thread, so each one is lowered; threads started later
    // inherit it from this one.
    bool any = false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task", error)) {
        const std::string name = entry.path().filename().string();
        int tid = 0;
        const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), tid);
        if (ec != std::errc{} || end != name.data() + name.size()) continue;
        setpriority(PRIO_PROCESS, static_cast<id_t>(tid), LowestNice);
        any = true;
    }
    if (!any) setpriority(PRIO_PROCESS, 0, LowestNice);
#ifdef SCHED_IDLE
    sched_param param{};
    sched_setscheduler(0, SCHED_IDLE, &param);
#endif
}

}  // namespace abacone
