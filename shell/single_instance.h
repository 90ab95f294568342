// One calculator per user and display. The first start takes the instance lock and keeps it
// for its whole life, and serves the endpoint; a later start finds the lock taken, knocks,
// the running one comes forward (as a press on its tray icon brings it) and the later start
// ends. Taking the lock is the one atomic step, so starts at the same instant cannot both
// become the calculator; an instance that was killed leaves the lock free, and its socket
// file is taken over.
#pragma once

#include <functional>
#include <string>

namespace abacone {

class InstanceChannel;
class InstanceLock;

// The endpoint's name for a user id and a display name: only letters, digits, '-' and
// '_', so it is a plain file name in the temporary directory.
std::string InstanceEndpointName(unsigned userId, const std::string& display);
// The same for this process: its user and the display it is shown on.
std::string CurrentInstanceEndpoint();

// The line a later start sends and the running instance's answer.
inline constexpr char SummonRequest[] = "summon";
inline constexpr char SummonAnswer[] = "ok";

// Asks the instance serving `endpoint` to come forward; true once it answered. Blocks a
// few seconds at most.
bool SummonRunningInstance(const std::string& endpoint);

enum class InstanceClaim {
    Claimed,   // this process is the calculator: `lock` holds, serve the endpoint next
    Summoned,  // another calculator runs and came forward
    NoAnswer   // another one holds the lock but did not answer within the wait
};

// Makes this process the one calculator for `endpoint`, or summons the one that is. While
// another start holds the lock but does not serve yet (it is still building its windows),
// knocks again until it answers, it ends, or `waitMs` passed.
InstanceClaim ClaimInstance(const std::string& endpoint, InstanceLock& lock, int waitMs);

// The running instance's side: serves `endpoint` on `channel`, running `summoned` for each
// later start. False when the endpoint cannot be served.
bool ServeInstance(InstanceChannel& channel, const std::string& endpoint, std::function<void()> summoned);

}  // namespace abacone
