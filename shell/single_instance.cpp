#include "shell/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtGlobal>
#include <cstdlib>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace abacone {
namespace {

constexpr int ConnectLimitMs = 2000;
constexpr int AnswerLimitMs = 5000;

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

QString CurrentInstanceEndpoint() {
    return QString::fromStdString(InstanceEndpointName(CurrentUser(), CurrentDisplay()));
}

bool SummonRunningInstance(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectLimitMs)) return false;
    socket.write(SummonRequest);
    if (!socket.waitForBytesWritten(AnswerLimitMs)) return false;
    while (socket.canReadLine() || socket.waitForReadyRead(AnswerLimitMs)) {
        if (socket.canReadLine()) return socket.readLine() == SummonAnswer;
    }
    return false;
}

InstanceServer::InstanceServer(std::function<void()> summoned, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), summoned_(std::move(summoned)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listen(const QString& name) {
    // Asked first: listening with access options replaces whatever file has the name,
    // a live instance's endpoint included. If nobody answers, a crashed instance left it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(ConnectLimitMs)) return false;
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

void InstanceServer::Accept() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            while (client->canReadLine()) {
                if (client->readLine() != SummonRequest) continue;
                client->write(SummonAnswer);
                client->flush();
                if (summoned_) summoned_();
            }
        });
    }
}

}  // namespace abacone
