#include "shell/instance_hook.h"

#include <cstdio>
#include <memory>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/instance_channel.h"
#include "platform/os/instance_lock.h"
#include "shell/lifecycle.h"
#include "shell/single_instance.h"

namespace abacone {
namespace {

// How long a later start waits for a calculator that took the lock but serves no endpoint
// yet: it builds its windows first, at idle priority on a busy machine.
constexpr int StartingInstanceWaitMs = 30000;

// Both live as long as the process: the lock marks it as the calculator until it ends.
InstanceLock& Lock() {
    static InstanceLock lock;
    return lock;
}

std::unique_ptr<InstanceChannel>& Channel() {
    static std::unique_ptr<InstanceChannel> channel;
    return channel;
}

}  // namespace

bool SummonedOtherInstance() {
    switch (ClaimInstance(CurrentInstanceEndpoint(), Lock(), StartingInstanceWaitMs)) {
    case InstanceClaim::Claimed: return false;
    case InstanceClaim::Summoned: return true;
    case InstanceClaim::NoAnswer:
        // A second calculator is the one thing a start must not give; the first one
        // comes up by itself once it is done.
        std::fprintf(stderr, "abacone: a calculator is starting or not answering; this start ends\n");
        return true;
    }
    return false;
}

void ServeLaterStarts() {
    if (const std::string limits = WindowSystemLimits(); !limits.empty()) std::fprintf(stderr, "%s\n", limits.c_str());
    Channel() = MakeInstanceChannel();
    // Without the endpoint the calculator still works; only a second start would not find it.
    if (!ServeInstance(*Channel(), CurrentInstanceEndpoint(), [] {
            if (Form* main = ShellMainForm()) main->Run(TaskTray1MouseDown);
        }))
        std::fprintf(stderr, "abacone: another start will not find this calculator\n");
}

}  // namespace abacone
