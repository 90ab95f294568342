// One calculator per user and display. The first start listens on a local socket; a later
// start connects, asks the running one to come forward (as a press on its tray icon does)
// and ends. A socket left behind by a crashed instance answers nobody and is taken over.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QLocalServer;

namespace abacone {

// The endpoint's name for a user id and a display name: only letters, digits, '-' and
// '_', so it is a plain file name in the temporary directory.
std::string InstanceEndpointName(unsigned userId, const std::string& display);
// The same for this process: its user and the display it is shown on.
QString CurrentInstanceEndpoint();

// The word a later start sends and the running instance's answer.
inline constexpr char SummonRequest[] = "summon\n";
inline constexpr char SummonAnswer[] = "ok\n";

// Asks the instance listening on `name` to come forward; true once it answered. Blocks a
// few seconds at most: it runs before this process has windows.
bool SummonRunningInstance(const QString& name);

// The running instance's side: listens on `name` and runs `summoned` for each request.
class InstanceServer final : public QObject {
public:
    explicit InstanceServer(std::function<void()> summoned, QObject* parent = nullptr);
    // Listens, taking over a stale endpoint; false when another live instance has it.
    bool Listen(const QString& name);

private:
    void Accept();
    QLocalServer* server_;
    std::function<void()> summoned_;
};

}  // namespace abacone
