#include "shell/single_instance.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/instance_channel.h"
#include "platform/os/instance_lock.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace abacone {
namespace {

constexpr int AnswerLimitMs = 5000;
constexpr auto KnockAgainAfter = std::chrono::milliseconds(100);

unsigned CurrentUser() {
#ifdef _WIN32
    return 0;  // a Windows pipe name is per session already; the user name goes in below
#else
    return static_cast<unsigned>(getuid());
#endif
}

std::string CurrentDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value && *value) return value;
    }
#ifdef _WIN32
    if (const char* user = std::getenv("USERNAME")) return user;
#endif
    return "console";
}

}  // namespace

std::string InstanceEndpointName(unsigned userId, const std::string& display) {
    std::string name = "abacone-" + std::to_string(userId) + "-";
    for (const char c : display) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        name += plain ? c : '_';
    }
    return name;
}

std::string CurrentInstanceEndpoint() { return InstanceEndpointName(CurrentUser(), CurrentDisplay()); }

bool SummonRunningInstance(const std::string& endpoint) {
    return KnockOn(endpoint, SummonRequest, AnswerLimitMs) == SummonAnswer;
}

InstanceClaim ClaimInstance(const std::string& endpoint, InstanceLock& lock, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        switch (lock.TryTake(endpoint + ".lock")) {
        case InstanceLock::Result::Taken:
        // Without a lock the knock alone decides, as it did before there was one. With
        // it, the knock only finds a calculator that took no lock (an older build) or
        // keeps it in another runtime folder (started with another environment).
        case InstanceLock::Result::Unavailable:
            if (!SummonRunningInstance(endpoint)) return InstanceClaim::Claimed;
            lock.Release();
            return InstanceClaim::Summoned;
        case InstanceLock::Result::Held:
            if (SummonRunningInstance(endpoint)) return InstanceClaim::Summoned;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) return InstanceClaim::NoAnswer;
        std::this_thread::sleep_for(KnockAgainAfter);
    }
}

bool ServeInstance(InstanceChannel& channel, const std::string& endpoint, std::function<void()> summoned) {
    return channel.Listen(endpoint, [summoned = std::move(summoned)](const std::string& line) -> std::string {
        if (line != SummonRequest) return {};
        if (summoned) summoned();
        return SummonAnswer;
    });
}

}  // namespace abacone
